#include "forms/camera_schema.h"

#include "forms/translated_texts.h"
#include "forms/two_digit_texts.h"

#include <QCoreApplication>
#include <QList>

namespace {

// For texts marked elsewhere; lupdate reads only a literal context, so the
// texts translated where they are written name "CameraItems" themselves.
constexpr const char *kContext = "CameraItems";

// One item of a list as written: a word, translated when shown; a token such
// as "1080P", shown as it is; or a duration, its two-digit amount in a pattern.
struct ItemText {
    enum class Kind { Word, AsIs, Duration };

    const char *source;
    Kind kind = Kind::Word;
    int amount = 0;

    QString text() const
    {
        switch (kind) {
        case Kind::AsIs: return QString::fromLatin1(source);
        case Kind::Duration: return QCoreApplication::translate(kContext, source).arg(TwoDigitTexts().at(amount));
        case Kind::Word: break;
        }
        return QCoreApplication::translate(kContext, source);
    }
};

ItemText asIs(const char *source) { return {source, ItemText::Kind::AsIs}; }

// Texts shared by more than one list.
constexpr const char *kOff = QT_TRANSLATE_NOOP("CameraItems", "Off");
constexpr const char *kOn = QT_TRANSLATE_NOOP("CameraItems", "On");
constexpr const char *kLow = QT_TRANSLATE_NOOP("CameraItems", "Low");
constexpr const char *kHigh = QT_TRANSLATE_NOOP("CameraItems", "High");
constexpr const char *kAuto = QT_TRANSLATE_NOOP("CameraItems", "Auto");
constexpr const char *kTimeLapse = QT_TRANSLATE_NOOP("CameraItems", "Time Lapse");

constexpr const char *kSeconds = QT_TRANSLATE_NOOP("CameraItems", "%1 Sec");
constexpr const char *kMinutes = QT_TRANSLATE_NOOP("CameraItems", "%1 Min");
constexpr const char *kHours = QT_TRANSLATE_NOOP("CameraItems", "%1 Hour");

void appendSteps(QList<ItemText> &items, int first, int last, int step, const char *unit)
{
    for (int amount = first; amount <= last; amount += step)
        items.append({unit, ItemText::Kind::Duration, amount});
}

QList<ItemText> videoLengthItems()
{
    QList<ItemText> items;
    appendSteps(items, 5, 60, 5, kSeconds);
    return items;
}

QList<ItemText> pirIntervalItems()
{
    QList<ItemText> items;
    appendSteps(items, 5, 55, 5, kSeconds);
    appendSteps(items, 1, 5, 1, kMinutes);
    appendSteps(items, 10, 60, 5, kMinutes);
    return items;
}

QList<ItemText> timeLapseItems()
{
    QList<ItemText> items;
    appendSteps(items, 3, 5, 1, kMinutes);
    appendSteps(items, 10, 55, 5, kMinutes);
    appendSteps(items, 1, 8, 1, kHours);
    appendSteps(items, 12, 24, 4, kHours);
    return items;
}

// The untranslated sources: the table is made once, its texts on each call.
struct SettingData {
    RecordPlace place;
    const char *label;
    QList<ItemText> items;
    int defaultIndex;
    Tip tip = {};
    bool recordDefault = true;
};

// In the order of CameraSetting.
QList<SettingData> settingTable()
{
    return {
        {TALMERIS_PLACE(ProfileRecord, camera_mode),
         QT_TRANSLATE_NOOP("CameraItems", "Camera Mode"),
         {{QT_TRANSLATE_NOOP("CameraItems", "Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "Video")}},
         0},
        {TALMERIS_PLACE(ProfileRecord, camera_scene),
         QT_TRANSLATE_NOOP("CameraItems", "Camera Scene"),
         {{kAuto}, {QT_TRANSLATE_NOOP("CameraItems", "Customize")}},
         0},
        {TALMERIS_PLACE(ProfileRecord, video_size),
         QT_TRANSLATE_NOOP("CameraItems", "Video Size"), {asIs("1080P"), asIs("720P"), asIs("WVGA")},
         1},
        {TALMERIS_PLACE(ProfileRecord, video_length),
         QT_TRANSLATE_NOOP("CameraItems", "Video Length"), videoLengthItems(), 1},
        {TALMERIS_PLACE(ProfileRecord, photo_size),
         QT_TRANSLATE_NOOP("CameraItems", "Photo Size"),
         {asIs("3MP"), asIs("5MP"), asIs("8MP"), asIs("12MP"), asIs("16MP"), asIs("20MP")}, 2},
        {TALMERIS_PLACE(ProfileRecord, flash_power),
         QT_TRANSLATE_NOOP("CameraItems", "Flash Power"), {{kLow}, {kHigh}}, 1,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "How strong the flash is at night; Low saves battery.")}},
        {TALMERIS_PLACE(ProfileRecord, shutter_speed),
         QT_TRANSLATE_NOOP("CameraItems", "Shutter Speed"),
         {{QT_TRANSLATE_NOOP("CameraItems", "Normal")}, {QT_TRANSLATE_NOOP("CameraItems", "Fast")}},
         0,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "Fast shows moving animals sharper; Normal lets in more light.")}, false},
        {TALMERIS_PLACE(ProfileRecord, photo_burst),
         QT_TRANSLATE_NOOP("CameraItems", "Photo Burst"),
         {{QT_TRANSLATE_NOOP("CameraItems", "1 Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "2 Photos")},
          {QT_TRANSLATE_NOOP("CameraItems", "3 Photos")}, {QT_TRANSLATE_NOOP("CameraItems", "4 Photos")},
          {QT_TRANSLATE_NOOP("CameraItems", "5 Photos")}, {QT_TRANSLATE_NOOP("CameraItems", "6 Photos")},
          {QT_TRANSLATE_NOOP("CameraItems", "7 Photos")}, {QT_TRANSLATE_NOOP("CameraItems", "8 Photos")},
          {QT_TRANSLATE_NOOP("CameraItems", "9 Photos")}, {QT_TRANSLATE_NOOP("CameraItems", "10 Photos")}},
         0,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "How many photos the camera takes each time it is triggered.")}},
        {TALMERIS_PLACE(ProfileRecord, send_option),
         QT_TRANSLATE_NOOP("CameraItems", "Send Option"),
         {{QT_TRANSLATE_NOOP("CameraItems", "1st Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "2nd Photo")},
          {QT_TRANSLATE_NOOP("CameraItems", "3rd Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "4th Photo")},
          {QT_TRANSLATE_NOOP("CameraItems", "5th Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "6th Photo")},
          {QT_TRANSLATE_NOOP("CameraItems", "7th Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "8th Photo")},
          {QT_TRANSLATE_NOOP("CameraItems", "9th Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "10th Photo")}},
         0,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "Which photo of a burst the camera sends.")}, false},
        {TALMERIS_PLACE(ProfileRecord, burst_speed),
         QT_TRANSLATE_NOOP("CameraItems", "Burst Speed"),
         {{QT_TRANSLATE_NOOP("CameraItems", "Fast(200ms)")}, {QT_TRANSLATE_NOOP("CameraItems", "Slow(500ms)")}},
         0,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "The pause between the photos of a burst.")}, false},
        {TALMERIS_PLACE(ProfileRecord, trigger_mode),
         QT_TRANSLATE_NOOP("CameraItems", "Trigger Mode"),
         {{QT_TRANSLATE_NOOP("CameraItems", "PIR Trigger")}, {kTimeLapse}, {QT_TRANSLATE_NOOP("CameraItems", "Both")}},
         0,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "What makes the camera take pictures: the motion sensor (PIR), a fixed schedule, or both.")}},
        {TALMERIS_PLACE(ProfileRecord, pir_sensitivity),
         QT_TRANSLATE_NOOP("CameraItems", "PIR Sensitivity"), {{kLow}, {kAuto}, {kHigh}},
         1,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "How readily the motion sensor reacts; High also notices small or distant animals.")}},
        {TALMERIS_PLACE(ProfileRecord, pir_interval),
         QT_TRANSLATE_NOOP("CameraItems", "PIR Interval"), pirIntervalItems(), 5,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "How long the camera rests after a picture before the motion sensor may trigger it again.")}},
        {TALMERIS_PLACE(ProfileRecord, time_lapse), kTimeLapse, timeLapseItems(), 7,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "How often the camera takes a picture on its schedule.")}},
        {TALMERIS_PLACE(ProfileRecord, overwrite),
         QT_TRANSLATE_NOOP("CameraItems", "Overwrite"), {{kOff}, {kOn}}, 1,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "On: when the card is full, new pictures replace the oldest ones.")}},
        {TALMERIS_PLACE(ProfileRecord, language),
         QT_TRANSLATE_NOOP("CameraItems", "Language"),
         {{QT_TRANSLATE_NOOP("CameraItems", "English")}, {QT_TRANSLATE_NOOP("CameraItems", "Czech")},
          {QT_TRANSLATE_NOOP("CameraItems", "Danish")}, {QT_TRANSLATE_NOOP("CameraItems", "Finnish")},
          {QT_TRANSLATE_NOOP("CameraItems", "French")}, {QT_TRANSLATE_NOOP("CameraItems", "Germany")},
          {QT_TRANSLATE_NOOP("CameraItems", "Hungarian")}, {QT_TRANSLATE_NOOP("CameraItems", "Italian")},
          {QT_TRANSLATE_NOOP("CameraItems", "Norway")}, {QT_TRANSLATE_NOOP("CameraItems", "Swedish")}},
         0,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "The language of the camera's own menus.")}},
        {TALMERIS_PLACE(ProfileRecord, rf_switch),
         QT_TRANSLATE_NOOP("CameraItems", "RF Switch"),
         {{kOff}, {QT_TRANSLATE_NOOP("CameraItems", "Trigger")}, {kOn}}, 0},
        {TALMERIS_PLACE(ProfileRecord, beep),
         QT_TRANSLATE_NOOP("CameraItems", "Beep"), {{kOff}, {kOn}}, 0},
    };
}

// "cameraModeCombo" for "camera_mode": the same in every language.
QString objectNameOf(const QString &key)
{
    QString stem = key;
    for (qsizetype underscore; (underscore = stem.indexOf(u'_')) >= 0;)
        stem.replace(underscore, 2, stem.at(underscore + 1).toUpper());
    return stem + QStringLiteral("Combo");
}

const QList<SettingRow> &cameraRows()
{
    static const QList<SettingRow> rows = [] {
        QList<SettingRow> made;
        for (const SettingData &data : settingTable()) {
            SettingRow &row = made.emplace_back();
            row.places = {data.place};
            row.label = Translated(kContext, data.label);
            row.items = [items = data.items] {
                QStringList texts;
                for (const ItemText &item : items)
                    texts.append(item.text());
                return texts;
            };
            row.defaultValue = data.defaultIndex;
            row.recordDefault = data.recordDefault;
            row.tip = data.tip;
            row.objectName = objectNameOf(data.place.key);
        }
        return made;
    }();
    return rows;
}

} // namespace

const SettingRow &CameraRow(CameraSetting setting)
{
    return cameraRows().at(static_cast<int>(setting));
}

const QList<SettingRow> &WorkTimeRows()
{
    static const QList<SettingRow> rows = [] {
        RecordPlace switchPlace = TALMERIS_PLACE(WorkTimeWindow, switch_);
        switchPlace.key = QStringLiteral("switch");
        QList<SettingRow> made(4);
        made[0].places = {switchPlace};
        made[0].label = &WorkTimeSwitchLabel;
        made[0].items = &WorkTimeSwitchItems;
        made[1].kind = SettingKind::Time;
        made[1].places = {TALMERIS_PLACE(WorkTimeWindow, start_hour), TALMERIS_PLACE(WorkTimeWindow, start_minute)};
        made[1].label = &WorkTimeStartLabel;
        made[2].kind = SettingKind::Time;
        made[2].places = {TALMERIS_PLACE(WorkTimeWindow, stop_hour), TALMERIS_PLACE(WorkTimeWindow, stop_minute)};
        made[2].label = &WorkTimeStopLabel;
        // Bit 7 repeats the switch; the days are bits 0..6, and every mask is valid.
        made[3].kind = SettingKind::Days;
        made[3].places = {TALMERIS_PLACE(WorkTimeWindow, week_mask)};
        made[3].label = [] { return QStringLiteral("Days"); };
        made[3].count = 256;
        made[3].defaultValue = 0xFF;
        return made;
    }();
    return rows;
}

RecordPlace WorkTimePlace(int window)
{
    static_assert(offsetof(ProfileRecord, work_time_4) - offsetof(ProfileRecord, work_time_1) ==
                  3 * sizeof(WorkTimeWindow), "the windows lie end to end");
    return {QStringLiteral("work_time_%1").arg(window + 1),
            offsetof(ProfileRecord, work_time_1) + std::size_t(window) * sizeof(WorkTimeWindow),
            sizeof(WorkTimeWindow)};
}

QList<CameraGroup> CameraGroups()
{
    return {
        {QCoreApplication::translate("CameraItems", "CAM"), QStringLiteral("cam"),
         {CameraSetting::CameraMode, CameraSetting::VideoSize, CameraSetting::VideoLength,
          CameraSetting::PhotoSize, CameraSetting::FlashPower, CameraSetting::ShutterSpeed,
          CameraSetting::PhotoBurst, CameraSetting::SendOption, CameraSetting::BurstSpeed}},
        {QCoreApplication::translate("CameraItems", "PIR"), QStringLiteral("pir"),
         {CameraSetting::TriggerMode, CameraSetting::PirSensitivity, CameraSetting::PirInterval,
          CameraSetting::TimeLapse}},
        {QCoreApplication::translate("CameraItems", "SYS"), QStringLiteral("sys"),
         {CameraSetting::Overwrite, CameraSetting::Language}},
    };
}

const QList<CameraSetting> &HiddenCameraSettings()
{
    static const QList<CameraSetting> settings = {CameraSetting::CameraScene, CameraSetting::RfSwitch,
                                                  CameraSetting::Beep};
    return settings;
}

QStringList OffOnItems()
{
    return {QCoreApplication::translate(kContext, kOff), QCoreApplication::translate(kContext, kOn)};
}

QStringList WorkTimeSwitchItems()
{
    return OffOnItems();
}

QStringList WeekDayNames()
{
    return TranslatedTexts(kContext, WeekDayKeys());
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

QString WorkTimeTitle(int number)
{
    return QCoreApplication::translate("CameraItems", "Work Time %1").arg(number);
}

QString WorkTimeSwitchLabel()
{
    return QCoreApplication::translate("CameraItems", "Switch");
}

QString WorkTimeStartLabel()
{
    return QCoreApplication::translate("CameraItems", "Start");
}

QString WorkTimeStopLabel()
{
    return QCoreApplication::translate("CameraItems", "Stop");
}

QString WorkTimeAllText(int number)
{
    return number % 2 == 0 ? QCoreApplication::translate("CameraItems", "All")
                           : QCoreApplication::translate("CameraItems", "ALL");
}
