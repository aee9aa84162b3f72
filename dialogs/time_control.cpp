#include "dialogs/time_control.h"

#include "dialogs/dialog_controls.h"
#include "forms/clock.h"
#include "forms/two_digit_texts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSignalBlocker>

TimeControl::TimeControl(const SettingRow &row, const ControlPlace &place, QWidget *parent)
    : SettingControl(row, place)
    , m_hour(MakeCombo(objectName(QStringLiteral("HourCombo")), TwoDigitItems(kHourCount), parent))
    , m_minute(MakeCombo(objectName(QStringLiteral("MinuteCombo")), TwoDigitItems(kMinuteCount), parent))
    , m_colon(new QLabel(QStringLiteral(":"), parent))
{
    m_colon->setObjectName(objectName(QStringLiteral("Colon")));
    describe(parent);
    SetTip(m_minute, row.tip);
    // Two lists share one label, so each says which half of the time it holds.
    m_hour->setAccessibleName(
        QCoreApplication::translate("WorkTimeGroup", "%1 %2 hour", "accessible name: the window's title, the time's label")
            .arg(title(), row.label()));
    m_minute->setAccessibleName(
        QCoreApplication::translate("WorkTimeGroup", "%1 %2 minute", "accessible name: the window's title, the time's label")
            .arg(title(), row.label()));
}

QWidget *TimeControl::widget() const
{
    return m_hour;
}

QList<QWidget *> TimeControl::widgets() const
{
    return {m_hour, m_minute};
}

QVariant TimeControl::value() const
{
    return QVariantList{m_hour->currentIndex(), m_minute->currentIndex()};
}

void TimeControl::show(const QVariant &value, const QStringList &)
{
    const QVariantList halves = value.toList();
    for (QComboBox *half : {m_hour, m_minute}) {
        const QSignalBlocker blocker(half);
        const int index = halves.value(half == m_hour ? 0 : 1, -1).toInt();
        half->setCurrentIndex(index < half->count() ? index : -1);
    }
}

void TimeControl::apply(const ControlState &state)
{
    SettingControl::apply(state);
    m_colon->setEnabled(state.enabled);
}

void TimeControl::onChange(QObject *context, const std::function<void()> &changed)
{
    for (QComboBox *half : {m_hour, m_minute})
        QObject::connect(half, &QComboBox::currentIndexChanged, context, [changed] { changed(); });
}
