#include "settings/camera_schema.h"

#include "settings/two_digit_texts.h"
#include "profile/profile_record.h"

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

constexpr bool kKeptByDefaultAll = false;
constexpr bool kAfterChecks = true;

// The untranslated sources: the table is made once, its texts on each call.
struct SettingData {
    RecordPlace place;
    const char *label;
    QList<ItemText> items;
    int defaultIndex;
    Tip tip = {};
    bool recordDefault = true;
    bool afterChecks = false;
};

#define CAMERA_PLACE(member) TALMERIS_PLACE(ProfileRecord, member)

QList<SettingData> camData()
{
    return {
        {CAMERA_PLACE(camera_mode), QT_TRANSLATE_NOOP("CameraItems", "Camera Mode"),
         {{QT_TRANSLATE_NOOP("CameraItems", "Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "Video")}}, 0},
        {CAMERA_PLACE(video_size), QT_TRANSLATE_NOOP("CameraItems", "Video Size"),
         {asIs("1080P"), asIs("720P"), asIs("WVGA")}, 1},
        {CAMERA_PLACE(video_length), QT_TRANSLATE_NOOP("CameraItems", "Video Length"), videoLengthItems(), 1},
        {CAMERA_PLACE(photo_size), QT_TRANSLATE_NOOP("CameraItems", "Photo Size"),
         {asIs("3MP"), asIs("5MP"), asIs("8MP"), asIs("12MP"), asIs("16MP"), asIs("20MP")}, 2},
        {CAMERA_PLACE(flash_power), QT_TRANSLATE_NOOP("CameraItems", "Flash Power"), {{kLow}, {kHigh}}, 1,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "How strong the flash is at night; Low saves battery.")}},
        {CAMERA_PLACE(shutter_speed), QT_TRANSLATE_NOOP("CameraItems", "Shutter Speed"),
         {{QT_TRANSLATE_NOOP("CameraItems", "Normal")}, {QT_TRANSLATE_NOOP("CameraItems", "Fast")}}, 0,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "Fast shows moving animals sharper; Normal lets in more light.")},
         kKeptByDefaultAll},
        {CAMERA_PLACE(photo_burst), QT_TRANSLATE_NOOP("CameraItems", "Photo Burst"),
         {{QT_TRANSLATE_NOOP("CameraItems", "1 Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "2 Photos")},
          {QT_TRANSLATE_NOOP("CameraItems", "3 Photos")}, {QT_TRANSLATE_NOOP("CameraItems", "4 Photos")},
          {QT_TRANSLATE_NOOP("CameraItems", "5 Photos")}, {QT_TRANSLATE_NOOP("CameraItems", "6 Photos")},
          {QT_TRANSLATE_NOOP("CameraItems", "7 Photos")}, {QT_TRANSLATE_NOOP("CameraItems", "8 Photos")},
          {QT_TRANSLATE_NOOP("CameraItems", "9 Photos")}, {QT_TRANSLATE_NOOP("CameraItems", "10 Photos")}},
         0,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "How many photos the camera takes each time it is triggered.")}},
        {CAMERA_PLACE(send_option), QT_TRANSLATE_NOOP("CameraItems", "Send Option"),
         {{QT_TRANSLATE_NOOP("CameraItems", "1st Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "2nd Photo")},
          {QT_TRANSLATE_NOOP("CameraItems", "3rd Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "4th Photo")},
          {QT_TRANSLATE_NOOP("CameraItems", "5th Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "6th Photo")},
          {QT_TRANSLATE_NOOP("CameraItems", "7th Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "8th Photo")},
          {QT_TRANSLATE_NOOP("CameraItems", "9th Photo")}, {QT_TRANSLATE_NOOP("CameraItems", "10th Photo")}},
         0, {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "Which photo of a burst the camera sends.")},
         kKeptByDefaultAll},
        {CAMERA_PLACE(burst_speed), QT_TRANSLATE_NOOP("CameraItems", "Burst Speed"),
         {{QT_TRANSLATE_NOOP("CameraItems", "Fast(200ms)")}, {QT_TRANSLATE_NOOP("CameraItems", "Slow(500ms)")}}, 0,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "The pause between the photos of a burst.")}, kKeptByDefaultAll},
    };
}

QList<SettingData> pirData()
{
    return {
        {CAMERA_PLACE(trigger_mode), QT_TRANSLATE_NOOP("CameraItems", "Trigger Mode"),
         {{QT_TRANSLATE_NOOP("CameraItems", "PIR Trigger")}, {kTimeLapse}, {QT_TRANSLATE_NOOP("CameraItems", "Both")}},
         0,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "What makes the camera take pictures: the motion sensor (PIR), a fixed schedule, or both.")}},
        {CAMERA_PLACE(pir_sensitivity), QT_TRANSLATE_NOOP("CameraItems", "PIR Sensitivity"), {{kLow}, {kAuto}, {kHigh}},
         1,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "How readily the motion sensor reacts; High also notices small or distant animals.")}},
        {CAMERA_PLACE(pir_interval), QT_TRANSLATE_NOOP("CameraItems", "PIR Interval"), pirIntervalItems(), 5,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "How long the camera rests after a picture before the motion sensor may trigger it again.")}},
        {CAMERA_PLACE(time_lapse), kTimeLapse, timeLapseItems(), 7,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "How often the camera takes a picture on its schedule.")}},
    };
}

// Stored after the work-time windows, so that a failing window check leaves them as they were.
QList<SettingData> sysData()
{
    return {
        {CAMERA_PLACE(overwrite), QT_TRANSLATE_NOOP("CameraItems", "Overwrite"), {{kOff}, {kOn}}, 1,
         {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "On: when the card is full, new pictures replace the oldest ones.")},
         true, kAfterChecks},
        {CAMERA_PLACE(language), QT_TRANSLATE_NOOP("CameraItems", "Language"),
         {{QT_TRANSLATE_NOOP("CameraItems", "English")}, {QT_TRANSLATE_NOOP("CameraItems", "Czech")},
          {QT_TRANSLATE_NOOP("CameraItems", "Danish")}, {QT_TRANSLATE_NOOP("CameraItems", "Finnish")},
          {QT_TRANSLATE_NOOP("CameraItems", "French")}, {QT_TRANSLATE_NOOP("CameraItems", "Germany")},
          {QT_TRANSLATE_NOOP("CameraItems", "Hungarian")}, {QT_TRANSLATE_NOOP("CameraItems", "Italian")},
          {QT_TRANSLATE_NOOP("CameraItems", "Norway")}, {QT_TRANSLATE_NOOP("CameraItems", "Swedish")}},
         0, {"CameraTips", QT_TRANSLATE_NOOP("CameraTips", "The language of the camera's own menus.")}, true,
         kAfterChecks},
    };
}

QList<SettingData> hiddenData()
{
    return {
        {CAMERA_PLACE(camera_scene), QT_TRANSLATE_NOOP("CameraItems", "Camera Scene"),
         {{kAuto}, {QT_TRANSLATE_NOOP("CameraItems", "Customize")}}, 0},
        {CAMERA_PLACE(rf_switch), QT_TRANSLATE_NOOP("CameraItems", "RF Switch"),
         {{kOff}, {QT_TRANSLATE_NOOP("CameraItems", "Trigger")}, {kOn}}, 0, {}, true, kAfterChecks},
        {CAMERA_PLACE(beep), QT_TRANSLATE_NOOP("CameraItems", "Beep"), {{kOff}, {kOn}}, 0, {}, true, kAfterChecks},
    };
}

#undef CAMERA_PLACE

// "cameraModeCombo" for "camera_mode": the same in every language.
QString objectNameOf(const QString &key)
{
    QString stem = key;
    for (qsizetype underscore; (underscore = stem.indexOf(u'_')) >= 0;)
        stem.replace(underscore, 2, stem.at(underscore + 1).toUpper());
    return stem + QStringLiteral("Combo");
}

QList<SettingRow> rowsOf(const QList<SettingData> &table)
{
    QList<SettingRow> made;
    for (const SettingData &data : table) {
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
        row.afterChecks = data.afterChecks;
        row.tip = data.tip;
        row.objectName = objectNameOf(data.place.key);
    }
    return made;
}

} // namespace

const QList<SettingGroup> &CameraGroups()
{
    static const QList<SettingGroup> groups = {
        {QStringLiteral("cam"), Translated(kContext, QT_TRANSLATE_NOOP("CameraItems", "CAM")), rowsOf(camData())},
        {QStringLiteral("pir"), Translated(kContext, QT_TRANSLATE_NOOP("CameraItems", "PIR")), rowsOf(pirData())},
        {QStringLiteral("sys"), Translated(kContext, QT_TRANSLATE_NOOP("CameraItems", "SYS")), rowsOf(sysData())},
        {QStringLiteral("hidden"), [] { return QStringLiteral("Hidden"); }, rowsOf(hiddenData())},
    };
    return groups;
}

QStringList OffOnItems()
{
    return {QCoreApplication::translate(kContext, kOff), QCoreApplication::translate(kContext, kOn)};
}
