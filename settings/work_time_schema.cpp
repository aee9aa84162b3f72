#include "settings/work_time_schema.h"

#include "settings/camera_schema.h"
#include "settings/translated_texts.h"
#include "profile/profile_record.h"

#include <QCoreApplication>

namespace {

constexpr int kWorkTimeWindows = 4;

SettingRow timeRow(RecordPlace hour, RecordPlace minute, const char *label, const char *tip, const char *objectName)
{
    SettingRow row;
    row.kind = SettingKind::Time;
    row.places = {std::move(hour), std::move(minute)};
    row.label = Translated("CameraItems", label);
    row.tip = {"CameraTips", tip};
    row.objectName = QLatin1StringView(objectName);
    row.afterChecks = true;
    return row;
}

QList<SettingRow> windowRows(int number)
{
    RecordPlace switchPlace = TALMERIS_PLACE(WorkTimeWindow, switch_);
    switchPlace.key = QStringLiteral("switch");
    SettingRow onOff;
    onOff.places = {switchPlace};
    onOff.label = Translated("CameraItems", QT_TRANSLATE_NOOP("CameraItems", "Switch"));
    onOff.items = &OffOnItems;
    onOff.tip = {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "On: the camera works only in this window's hours and days.")};
    onOff.objectName = QStringLiteral("SwitchCombo");
    onOff.afterChecks = true;

    // Bit 7 repeats the switch; the days are bits 0..6, and every mask is valid.
    SettingRow days;
    days.kind = SettingKind::Days;
    days.places = {TALMERIS_PLACE(WorkTimeWindow, week_mask)};
    days.label = [] { return QStringLiteral("Days"); };
    days.items = [number] {
        const QString all = number % 2 == 0 ? QCoreApplication::translate("CameraItems", "All")
                                            : QCoreApplication::translate("CameraItems", "ALL");
        return QStringList{all} + TranslatedTexts("CameraItems", WeekDayKeys());
    };
    days.count = 256;
    days.defaultValue = 0xFF;
    days.tip = {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "Every day of the week.")};
    days.afterChecks = true;

    return {
        onOff,
        timeRow(TALMERIS_PLACE(WorkTimeWindow, start_hour), TALMERIS_PLACE(WorkTimeWindow, start_minute),
                QT_TRANSLATE_NOOP("CameraItems", "Start"),
                QT_TRANSLATE_NOOP("CameraTips", "When the window begins each day; a Stop before Start runs past midnight."),
                "Start"),
        timeRow(TALMERIS_PLACE(WorkTimeWindow, stop_hour), TALMERIS_PLACE(WorkTimeWindow, stop_minute),
                QT_TRANSLATE_NOOP("CameraItems", "Stop"), QT_TRANSLATE_NOOP("CameraTips", "When the window ends each day."),
                "Stop"),
        days,
    };
}

} // namespace

const QList<SettingGroup> &WorkTimeGroups()
{
    static const QList<SettingGroup> groups = [] {
        QList<SettingGroup> made;
        for (int number = 1; number <= kWorkTimeWindows; ++number)
            made.append({QStringLiteral("workTime%1").arg(number),
                         [number] { return QCoreApplication::translate("CameraItems", "Work Time %1").arg(number); },
                         windowRows(number)});
        return made;
    }();
    return groups;
}

RecordPlace WorkTimePlace(int window)
{
    static_assert(offsetof(ProfileRecord, work_time_4) - offsetof(ProfileRecord, work_time_1) ==
                  (kWorkTimeWindows - 1) * sizeof(WorkTimeWindow), "the windows lie end to end");
    return {QStringLiteral("work_time_%1").arg(window + 1),
            offsetof(ProfileRecord, work_time_1) + std::size_t(window) * sizeof(WorkTimeWindow),
            sizeof(WorkTimeWindow)};
}

const std::array<const char *, 7> &WeekDayKeys()
{
    static constexpr std::array<const char *, 7> days = {
        QT_TRANSLATE_NOOP("CameraItems", "Sun"), QT_TRANSLATE_NOOP("CameraItems", "Mon"),
        QT_TRANSLATE_NOOP("CameraItems", "Tue"), QT_TRANSLATE_NOOP("CameraItems", "Wed"),
        QT_TRANSLATE_NOOP("CameraItems", "Thu"), QT_TRANSLATE_NOOP("CameraItems", "Fri"),
        QT_TRANSLATE_NOOP("CameraItems", "Sat"),
    };
    return days;
}
