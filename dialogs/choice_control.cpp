#include "dialogs/choice_control.h"

#include "dialogs/dialog_controls.h"
#include "forms/two_digit_texts.h"

#include <QComboBox>
#include <QSignalBlocker>

ChoiceControl::ChoiceControl(const SettingRow &row, const ControlPlace &place, QWidget *parent)
    : SettingControl(row, place)
    , m_combo(MakeCombo(objectName(), row.kind == SettingKind::TwoDigits ? TwoDigitItems(row.count) : row.itemTexts(),
                        parent))
{
    describe(parent);
}

QWidget *ChoiceControl::widget() const
{
    return m_combo;
}

QVariant ChoiceControl::value() const
{
    return m_combo->currentIndex();
}

void ChoiceControl::show(const QVariant &value, const QStringList &items)
{
    const QSignalBlocker blocker(m_combo);
    if (!items.isEmpty()) {
        QStringList shown;
        for (int i = 0; i < m_combo->count(); ++i)
            shown.append(m_combo->itemText(i));
        if (shown != items) {
            m_combo->clear();
            m_combo->addItems(items);
        }
    }
    const int index = value.toInt();
    m_combo->setCurrentIndex(index >= 0 && index < m_combo->count() ? index : -1);
}

void ChoiceControl::onChange(QObject *context, const std::function<void()> &changed)
{
    QObject::connect(m_combo, &QComboBox::currentIndexChanged, context, [changed] { changed(); });
}
