#include "forms/camera_items.h"

#include "forms/two_digit_texts.h"

#include <QList>

namespace {

// Texts shared by more than one list; functions, so no static start-up order matters.
QString offText() { return QStringLiteral("Off"); }
QString onText() { return QStringLiteral("On"); }
QString lowText() { return QStringLiteral("Low"); }
QString highText() { return QStringLiteral("High"); }
QString autoText() { return QStringLiteral("Auto"); }
QString timeLapseText() { return QStringLiteral("Time Lapse"); }

enum class Unit { Second, Minute, Hour };

QString durationText(int amount, Unit unit)
{
    switch (unit) {
    case Unit::Second: return TwoDigitTexts().at(amount) + QStringLiteral(" Sec");
    case Unit::Minute: return TwoDigitTexts().at(amount) + QStringLiteral(" Min");
    case Unit::Hour: return TwoDigitTexts().at(amount) + QStringLiteral(" Hour");
    }
    return {};
}

void appendSteps(QStringList &items, int first, int last, int step, Unit unit)
{
    for (int amount = first; amount <= last; amount += step)
        items.append(durationText(amount, unit));
}

QStringList videoLengthItems()
{
    QStringList items;
    appendSteps(items, 5, 60, 5, Unit::Second);
    return items;
}

QStringList pirIntervalItems()
{
    QStringList items;
    appendSteps(items, 5, 55, 5, Unit::Second);
    appendSteps(items, 1, 5, 1, Unit::Minute);
    appendSteps(items, 10, 60, 5, Unit::Minute);
    return items;
}

QStringList timeLapseItems()
{
    QStringList items;
    appendSteps(items, 3, 5, 1, Unit::Minute);
    appendSteps(items, 10, 55, 5, Unit::Minute);
    appendSteps(items, 1, 8, 1, Unit::Hour);
    appendSteps(items, 12, 24, 4, Unit::Hour);
    return items;
}

struct SettingData {
    QString key;
    QString label;
    QStringList items;
    std::uint8_t ProfileRecord::*field;
    int defaultIndex;
};

// In the order of CameraSetting.
const QList<SettingData> &settingTable()
{
    static const QList<SettingData> table = {
        {QStringLiteral("camera_mode"),
         QStringLiteral("Camera Mode"), {QStringLiteral("Photo"), QStringLiteral("Video")},
         &ProfileRecord::camera_mode, 0},
        {QStringLiteral("camera_scene"),
         QStringLiteral("Camera Scene"), {autoText(), QStringLiteral("Customize")},
         &ProfileRecord::camera_scene, 0},
        {QStringLiteral("video_size"),
         QStringLiteral("Video Size"),
         {QStringLiteral("1080P"), QStringLiteral("720P"), QStringLiteral("WVGA")},
         &ProfileRecord::video_size, 1},
        {QStringLiteral("video_length"),
         QStringLiteral("Video Length"), videoLengthItems(), &ProfileRecord::video_length, 1},
        {QStringLiteral("photo_size"),
         QStringLiteral("Photo Size"),
         {QStringLiteral("3MP"), QStringLiteral("5MP"), QStringLiteral("8MP"), QStringLiteral("12MP"),
          QStringLiteral("16MP"), QStringLiteral("20MP")},
         &ProfileRecord::photo_size, 2},
        {QStringLiteral("flash_power"),
         QStringLiteral("Flash Power"), {lowText(), highText()}, &ProfileRecord::flash_power, 1},
        {QStringLiteral("shutter_speed"),
         QStringLiteral("Shutter Speed"), {QStringLiteral("Normal"), QStringLiteral("Fast")},
         &ProfileRecord::shutter_speed, 0},
        {QStringLiteral("photo_burst"),
         QStringLiteral("Photo Burst"),
         {QStringLiteral("1 Photo"), QStringLiteral("2 Photos"), QStringLiteral("3 Photos"),
          QStringLiteral("4 Photos"), QStringLiteral("5 Photos"), QStringLiteral("6 Photos"),
          QStringLiteral("7 Photos"), QStringLiteral("8 Photos"), QStringLiteral("9 Photos"),
          QStringLiteral("10 Photos")},
         &ProfileRecord::photo_burst, 0},
        {QStringLiteral("send_option"),
         QStringLiteral("Send Option"),
         {QStringLiteral("1st Photo"), QStringLiteral("2nd Photo"), QStringLiteral("3rd Photo"),
          QStringLiteral("4th Photo"), QStringLiteral("5th Photo"), QStringLiteral("6th Photo"),
          QStringLiteral("7th Photo"), QStringLiteral("8th Photo"), QStringLiteral("9th Photo"),
          QStringLiteral("10th Photo")},
         &ProfileRecord::send_option, 0},
        {QStringLiteral("burst_speed"),
         QStringLiteral("Burst Speed"), {QStringLiteral("Fast(200ms)"), QStringLiteral("Slow(500ms)")},
         &ProfileRecord::burst_speed, 0},
        {QStringLiteral("trigger_mode"),
         QStringLiteral("Trigger Mode"), {QStringLiteral("PIR Trigger"), timeLapseText(), QStringLiteral("Both")},
         &ProfileRecord::trigger_mode, 0},
        {QStringLiteral("pir_sensitivity"),
         QStringLiteral("PIR Sensitivity"), {lowText(), autoText(), highText()},
         &ProfileRecord::pir_sensitivity, 1},
        {QStringLiteral("pir_interval"),
         QStringLiteral("PIR Interval"), pirIntervalItems(), &ProfileRecord::pir_interval, 5},
        {QStringLiteral("time_lapse"),
         timeLapseText(), timeLapseItems(), &ProfileRecord::time_lapse, 7},
        {QStringLiteral("overwrite"),
         QStringLiteral("Overwrite"), {offText(), onText()}, &ProfileRecord::overwrite, 1},
        {QStringLiteral("language"),
         QStringLiteral("Language"),
         {QStringLiteral("English"), QStringLiteral("Czech"), QStringLiteral("Danish"),
          QStringLiteral("Finnish"), QStringLiteral("French"), QStringLiteral("Germany"),
          QStringLiteral("Hungarian"), QStringLiteral("Italian"), QStringLiteral("Norway"),
          QStringLiteral("Swedish")},
         &ProfileRecord::language, 0},
        {QStringLiteral("rf_switch"),
         QStringLiteral("RF Switch"), {offText(), QStringLiteral("Trigger"), onText()}, &ProfileRecord::rf_switch, 0},
        {QStringLiteral("beep"),
         QStringLiteral("Beep"), {offText(), onText()}, &ProfileRecord::beep, 0},
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
    return dataOf(setting).label;
}

QString CameraSettingKey(CameraSetting setting)
{
    return dataOf(setting).key;
}

const QStringList &CameraSettingItems(CameraSetting setting)
{
    return dataOf(setting).items;
}

int CameraSettingDefault(CameraSetting setting)
{
    return dataOf(setting).defaultIndex;
}

std::uint8_t ProfileRecord::*CameraSettingField(CameraSetting setting)
{
    return dataOf(setting).field;
}

const QList<CameraGroup> &CameraGroups()
{
    static const QList<CameraGroup> groups = {
        {QStringLiteral("CAM"),
         {CameraSetting::CameraMode, CameraSetting::VideoSize, CameraSetting::VideoLength,
          CameraSetting::PhotoSize, CameraSetting::FlashPower, CameraSetting::ShutterSpeed,
          CameraSetting::PhotoBurst, CameraSetting::SendOption, CameraSetting::BurstSpeed}},
        {QStringLiteral("PIR"),
         {CameraSetting::TriggerMode, CameraSetting::PirSensitivity, CameraSetting::PirInterval,
          CameraSetting::TimeLapse}},
        {QStringLiteral("SYS"), {CameraSetting::Overwrite, CameraSetting::Language}},
    };
    return groups;
}

const QList<CameraSetting> &HiddenCameraSettings()
{
    static const QList<CameraSetting> settings = {CameraSetting::CameraScene, CameraSetting::RfSwitch,
                                                  CameraSetting::Beep};
    return settings;
}

const QStringList &OffOnItems()
{
    static const QStringList items = {offText(), onText()};
    return items;
}

const QStringList &WorkTimeSwitchItems()
{
    return OffOnItems();
}

const QStringList &WeekDayNames()
{
    static const QStringList names = {
        QStringLiteral("Sun"), QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
        QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat"),
    };
    return names;
}

QString WorkTimeTitle(int number)
{
    return QStringLiteral("Work Time %1").arg(number);
}

QString WorkTimeSwitchLabel()
{
    return QStringLiteral("Switch");
}

QString WorkTimeStartLabel()
{
    return QStringLiteral("Start");
}

QString WorkTimeStopLabel()
{
    return QStringLiteral("Stop");
}

QString WorkTimeAllText(int number)
{
    return number % 2 == 0 ? QStringLiteral("All") : QStringLiteral("ALL");
}
