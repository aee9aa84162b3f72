#include "forms/camera_items.h"

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
    QString key;
    const char *label;
    QList<ItemText> items;
    std::uint8_t ProfileRecord::*field;
    int defaultIndex;
};

// In the order of CameraSetting.
const QList<SettingData> &settingTable()
{
    static const QList<SettingData> table = {
        {QStringLiteral("camera_mode"),
         QT_TRANSLATE_NOOP("CameraItems", "Camera Mode"),
         {{QT_TRANSLATE_NOOP("CameraItems", "Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "Video")}},
         &ProfileRecord::camera_mode, 0},
        {QStringLiteral("camera_scene"),
         QT_TRANSLATE_NOOP("CameraItems", "Camera Scene"),
         {{kAuto}, {QT_TRANSLATE_NOOP("CameraItems", "Customize")}},
         &ProfileRecord::camera_scene, 0},
        {QStringLiteral("video_size"),
         QT_TRANSLATE_NOOP("CameraItems", "Video Size"), {asIs("1080P"), asIs("720P"), asIs("WVGA")},
         &ProfileRecord::video_size, 1},
        {QStringLiteral("video_length"),
         QT_TRANSLATE_NOOP("CameraItems", "Video Length"), videoLengthItems(), &ProfileRecord::video_length, 1},
        {QStringLiteral("photo_size"),
         QT_TRANSLATE_NOOP("CameraItems", "Photo Size"),
         {asIs("3MP"), asIs("5MP"), asIs("8MP"), asIs("12MP"), asIs("16MP"), asIs("20MP")},
         &ProfileRecord::photo_size, 2},
        {QStringLiteral("flash_power"),
         QT_TRANSLATE_NOOP("CameraItems", "Flash Power"), {{kLow}, {kHigh}}, &ProfileRecord::flash_power, 1},
        {QStringLiteral("shutter_speed"),
         QT_TRANSLATE_NOOP("CameraItems", "Shutter Speed"),
         {{QT_TRANSLATE_NOOP("CameraItems", "Normal")}, {QT_TRANSLATE_NOOP("CameraItems", "Fast")}},
         &ProfileRecord::shutter_speed, 0},
        {QStringLiteral("photo_burst"),
         QT_TRANSLATE_NOOP("CameraItems", "Photo Burst"),
         {{QT_TRANSLATE_NOOP("CameraItems", "1 Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "2 Photos")},
          {QT_TRANSLATE_NOOP("CameraItems", "3 Photos")}, {QT_TRANSLATE_NOOP("CameraItems", "4 Photos")},
          {QT_TRANSLATE_NOOP("CameraItems", "5 Photos")}, {QT_TRANSLATE_NOOP("CameraItems", "6 Photos")},
          {QT_TRANSLATE_NOOP("CameraItems", "7 Photos")}, {QT_TRANSLATE_NOOP("CameraItems", "8 Photos")},
          {QT_TRANSLATE_NOOP("CameraItems", "9 Photos")}, {QT_TRANSLATE_NOOP("CameraItems", "10 Photos")}},
         &ProfileRecord::photo_burst, 0},
        {QStringLiteral("send_option"),
         QT_TRANSLATE_NOOP("CameraItems", "Send Option"),
         {{QT_TRANSLATE_NOOP("CameraItems", "1st Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "2nd Photo")},
          {QT_TRANSLATE_NOOP("CameraItems", "3rd Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "4th Photo")},
          {QT_TRANSLATE_NOOP("CameraItems", "5th Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "6th Photo")},
          {QT_TRANSLATE_NOOP("CameraItems", "7th Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "8th Photo")},
          {QT_TRANSLATE_NOOP("CameraItems", "9th Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "10th Photo")}},
         &ProfileRecord::send_option, 0},
        {QStringLiteral("burst_speed"),
         QT_TRANSLATE_NOOP("CameraItems", "Burst Speed"),
         {{QT_TRANSLATE_NOOP("CameraItems", "Fast(200ms)")}, {QT_TRANSLATE_NOOP("CameraItems", "Slow(500ms)")}},
         &ProfileRecord::burst_speed, 0},
        {QStringLiteral("trigger_mode"),
         QT_TRANSLATE_NOOP("CameraItems", "Trigger Mode"),
         {{QT_TRANSLATE_NOOP("CameraItems", "PIR Trigger")}, {kTimeLapse}, {QT_TRANSLATE_NOOP("CameraItems", "Both")}},
         &ProfileRecord::trigger_mode, 0},
        {QStringLiteral("pir_sensitivity"),
         QT_TRANSLATE_NOOP("CameraItems", "PIR Sensitivity"), {{kLow}, {kAuto}, {kHigh}},
         &ProfileRecord::pir_sensitivity, 1},
        {QStringLiteral("pir_interval"),
         QT_TRANSLATE_NOOP("CameraItems", "PIR Interval"), pirIntervalItems(), &ProfileRecord::pir_interval, 5},
        {QStringLiteral("time_lapse"), kTimeLapse, timeLapseItems(), &ProfileRecord::time_lapse, 7},
        {QStringLiteral("overwrite"),
         QT_TRANSLATE_NOOP("CameraItems", "Overwrite"), {{kOff}, {kOn}}, &ProfileRecord::overwrite, 1},
        {QStringLiteral("language"),
         QT_TRANSLATE_NOOP("CameraItems", "Language"),
         {{QT_TRANSLATE_NOOP("CameraItems", "English")}, {QT_TRANSLATE_NOOP("CameraItems", "Czech")},
          {QT_TRANSLATE_NOOP("CameraItems", "Danish")}, {QT_TRANSLATE_NOOP("CameraItems", "Finnish")},
          {QT_TRANSLATE_NOOP("CameraItems", "French")}, {QT_TRANSLATE_NOOP("CameraItems", "Germany")},
          {QT_TRANSLATE_NOOP("CameraItems", "Hungarian")}, {QT_TRANSLATE_NOOP("CameraItems", "Italian")},
          {QT_TRANSLATE_NOOP("CameraItems", "Norway")}, {QT_TRANSLATE_NOOP("CameraItems", "Swedish")}},
         &ProfileRecord::language, 0},
        {QStringLiteral("rf_switch"),
         QT_TRANSLATE_NOOP("CameraItems", "RF Switch"),
         {{kOff}, {QT_TRANSLATE_NOOP("CameraItems", "Trigger")}, {kOn}}, &ProfileRecord::rf_switch, 0},
        {QStringLiteral("beep"),
         QT_TRANSLATE_NOOP("CameraItems", "Beep"), {{kOff}, {kOn}}, &ProfileRecord::beep, 0},
    };
    return table;
}

const SettingData &dataOf(CameraSetting setting)
{
    return settingTable().at(static_cast<int>(setting));
}

} // namespace

QString CameraSettingLabel(CameraSetting setting)
{
    return QCoreApplication::translate(kContext, dataOf(setting).label);
}

QString CameraSettingKey(CameraSetting setting)
{
    return dataOf(setting).key;
}

QStringList CameraSettingItems(CameraSetting setting)
{
    QStringList items;
    for (const ItemText &item : dataOf(setting).items)
        items.append(item.text());
    return items;
}

int CameraSettingItemCount(CameraSetting setting)
{
    return int(dataOf(setting).items.size());
}

int CameraSettingDefault(CameraSetting setting)
{
    return dataOf(setting).defaultIndex;
}

std::uint8_t ProfileRecord::*CameraSettingField(CameraSetting setting)
{
    return dataOf(setting).field;
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
