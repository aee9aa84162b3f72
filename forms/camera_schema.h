#pragma once

#include "forms/setting_row.h"
#include "profile/profile_record.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// The camera's one-byte choices, each a drop-down list whose item index is the
// stored byte. Kept apart from the widgets so other front ends can print them.
enum class CameraSetting {
    CameraMode,
    CameraScene,
    VideoSize,
    VideoLength,
    PhotoSize,
    FlashPower,
    ShutterSpeed,
    PhotoBurst,
    SendOption,
    BurstSpeed,
    TriggerMode,
    PirSensitivity,
    PirInterval,
    TimeLapse,
    Overwrite,
    Language,
    RfSwitch,
    Beep,
};

inline constexpr int kCameraSettingCount = 18;

// Every setting, in the order of CameraSetting.
inline constexpr auto kCameraSettings = [] {
    std::array<CameraSetting, kCameraSettingCount> settings{};
    for (int i = 0; i < kCameraSettingCount; ++i)
        settings[std::size_t(i)] = CameraSetting(i);
    return settings;
}();

// The setting's row: its record byte (keyed by the field's name), label,
// items, the index the Default button selects, tip and object name.
const SettingRow &CameraRow(CameraSetting setting);

// The dialog's group boxes in their order, each with its settings. The key
// names the group's controls the same in every language ("camGroup").
struct CameraGroup {
    QString title;
    QString key;
    QList<CameraSetting> settings;
};
QList<CameraGroup> CameraGroups();
// Loaded and stored like the others but never shown.
const QList<CameraSetting> &HiddenCameraSettings();

// Item values of the camera mode and trigger lists that the enabling rules test.
inline constexpr int kPhotoMode = 0;
inline constexpr int kVideoMode = 1;
inline constexpr int kPirTrigger = 0;
inline constexpr int kTimeLapseTrigger = 1;
// "Video Length" items above this one drain the flash battery at night.
inline constexpr int kLongestFrugalVideoLength = 3; // "20 Sec"

// "Off", "On": the lists of the camera's and the page's switches.
QStringList OffOnItems();

// Work-time windows: "Off", "On" and the day names, Sunday first.
QStringList WorkTimeSwitchItems();
QStringList WeekDayNames();
// The day names untranslated, to name the day boxes the same in every language.
const std::array<const char *, 7> &WeekDayKeys();
// Window `number` counts from 1.
QString WorkTimeTitle(int number);
QString WorkTimeSwitchLabel();
QString WorkTimeStartLabel();
QString WorkTimeStopLabel();
// A window's settings, placed within its six bytes.
const QList<SettingRow> &WorkTimeRows();
// Window `window`, from 0: "work_time_1" and where its bytes lie in the record.
RecordPlace WorkTimePlace(int window);

// The box that checks all days: "ALL", spelled "All" in windows 2 and 4.
QString WorkTimeAllText(int number);
