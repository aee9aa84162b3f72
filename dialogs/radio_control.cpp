#include "dialogs/radio_control.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>

RadioControl::RadioControl(const SettingRow &row, const ControlPlace &place, QWidget *parent)
    : SettingControl(row, place)
    , m_group(new QButtonGroup(parent))
{
    const QStringList items = row.itemTexts();
    for (int item = 0; item < items.size(); ++item) {
        auto *button = new QRadioButton(items.at(item), parent);
        m_group->addButton(button, item);
        m_buttons.append(button);
    }
}

QWidget *RadioControl::widget() const
{
    return m_buttons.first();
}

QList<QWidget *> RadioControl::widgets() const
{
    return {m_buttons.begin(), m_buttons.end()};
}

QVariant RadioControl::value() const
{
    return m_group->checkedId();
}

void RadioControl::show(const QVariant &value, const QStringList &)
{
    const QSignalBlocker blocker(m_group);
    for (int item = 0; item < m_buttons.size(); ++item) {
        const QSignalBlocker buttonBlocker(m_buttons.at(item));
        m_buttons.at(item)->setChecked(value.toInt() == item);
    }
}

void RadioControl::focus()
{
    // Put here for a field it disables, the user is to choose the other button.
    for (QRadioButton *button : m_buttons)
        if (!button->isChecked()) {
            button->setFocus(Qt::OtherFocusReason);
            return;
        }
    widget()->setFocus(Qt::OtherFocusReason);
}

void RadioControl::onChange(QObject *context, const std::function<void()> &changed)
{
    // On its change of state, not on a click: a screen reader's "Toggle"
    // checks a button without clicking it.
    QObject::connect(m_group, &QButtonGroup::idToggled, context, [changed](int, bool checked) {
        if (checked)
            changed();
    });
}
