#include "widgets/setting_control.h"

#include "widgets/dialog_controls.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr std::array kControlSuffixes = {"Combo", "Edit", "Check", "Radio"};

} // namespace

SettingControl::SettingControl(const SettingRow &row, const ControlPlace &place)
    : m_row(row)
    , m_key(place.keyPrefix + row.key())
    , m_namePrefix(place.namePrefix)
    , m_title(place.title)
{
}

QString SettingControl::objectName(const QString &suffix) const
{
    if (suffix.isEmpty())
        return m_namePrefix + m_row.objectName;
    QString stem = m_row.objectName;
    for (const char *control : kControlSuffixes)
        if (stem.endsWith(QLatin1StringView(control)))
            stem.chop(qsizetype(qstrlen(control)));
    return m_namePrefix + stem + suffix;
}

QString SettingControl::spokenName(const QString &text) const
{
    // Translated under the name of the group it was first written for.
    return m_title.isEmpty() ? text
                             : QCoreApplication::translate("WorkTimeGroup", "%1 %2",
                                                           "accessible name: the window's title, the box's text")
                                   .arg(m_title, text);
}

void SettingControl::describe(QWidget *parent)
{
    QWidget *control = widget();
    SetTip(control, m_row.tip);
    // Groups that share their labels say in each name which group it belongs to.
    if (!m_title.isEmpty())
        control->setAccessibleName(spokenName(m_row.label()));
    if (!m_row.hint)
        return;
    m_hint = new QLabel(m_row.hint(), parent);
    // Screen readers hear the hint beside the field as well as the tip.
    control->setAccessibleDescription(
        QCoreApplication::translate("PageItems", "%1 %2", "accessible description: the hint, then the tip")
            .arg(m_hint->text(), control->toolTip()));
}

QLabel *SettingControl::label(QWidget *parent)
{
    if (m_label)
        return m_label;
    const QString text = m_row.shortLabel ? m_row.shortLabel() : m_row.label();
    m_label = MakeLabel(text, widget(), parent);
    m_label->setObjectName(objectName(QStringLiteral("Label")));
    // A short label names the row only among its neighbours; the control says it whole.
    if (m_row.shortLabel)
        widget()->setAccessibleName(m_row.label());
    return m_label;
}

void SettingControl::nameItself()
{
    widget()->setAccessibleName(m_row.label());
}

void SettingControl::apply(const ControlState &state)
{
    for (QWidget *part : widgets())
        part->setEnabled(state.enabled);
    if (m_label)
        m_label->setEnabled(state.enabled);
    if (m_hint)
        m_hint->setEnabled(state.enabled);
}

void SettingControl::focus()
{
    QWidget *control = widget();
    control->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->selectAll();
}
