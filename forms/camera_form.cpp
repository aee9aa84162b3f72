#include "forms/camera_form.h"
#include <QCoreApplication>

namespace {

// Stored before the window checks, so they stay stored when a check fails.
constexpr std::array kFirstBlock = {
    CameraSetting::CameraMode,   CameraSetting::CameraScene,    CameraSetting::PhotoSize,
    CameraSetting::FlashPower,   CameraSetting::PhotoBurst,     CameraSetting::ShutterSpeed,
    CameraSetting::SendOption,   CameraSetting::BurstSpeed,     CameraSetting::VideoSize,
    CameraSetting::VideoLength,  CameraSetting::TriggerMode,    CameraSetting::PirSensitivity,
    CameraSetting::PirInterval,  CameraSetting::TimeLapse,
};

// Stored after the windows.
constexpr std::array kLastBlock = {
    CameraSetting::Language,
    CameraSetting::RfSwitch,
    CameraSetting::Overwrite,
    CameraSetting::Beep,
};

WorkTimeWindow ProfileRecord::*windowField(int window)
{
    static constexpr std::array fields = {
        &ProfileRecord::work_time_1,
        &ProfileRecord::work_time_2,
        &ProfileRecord::work_time_3,
        &ProfileRecord::work_time_4,
    };
    return fields.at(window);
}

Message sendOptionMessage()
{
    return {QCoreApplication::translate("Messages", "Send Option Setting"),
            QCoreApplication::translate("Messages", "Please Setting This Send Option <= Photo Burst."),
            Message::Icon::Warning};
}

Message videoLengthMessage()
{
    return {QCoreApplication::translate("Messages", "Video Length Setting"),
            QCoreApplication::translate("Messages",
                                        "For saving flash power at night,it's suggested to set video length within 20s."),
            Message::Icon::Warning};
}

} // namespace

void CameraForm::load(const ProfileRecord &record)
{
    for (CameraSetting setting : kCameraSettings) {
        const SettingRow &row = CameraRow(setting);
        const int byte = row.place().read(&record);
        setValue(setting, byte < row.itemCount() ? byte : -1);
    }
    for (int window = 0; window < kWindowCount; ++window)
        windows[window].load(record.*windowField(window));
}

bool CameraForm::photoMode() const
{
    return value(CameraSetting::CameraMode) == kPhotoMode;
}

bool CameraForm::isEnabled(CameraSetting setting) const
{
    switch (setting) {
    case CameraSetting::CameraScene:
    case CameraSetting::PhotoSize:
    case CameraSetting::FlashPower:
    case CameraSetting::PhotoBurst:
    case CameraSetting::ShutterSpeed:
        return photoMode();
    case CameraSetting::VideoSize:
    case CameraSetting::VideoLength:
        return value(CameraSetting::CameraMode) == kVideoMode;
    case CameraSetting::SendOption:
    case CameraSetting::BurstSpeed:
        return photoMode() && value(CameraSetting::PhotoBurst) > 0;
    case CameraSetting::PirSensitivity:
    case CameraSetting::PirInterval:
        return value(CameraSetting::TriggerMode) != kTimeLapseTrigger;
    case CameraSetting::TimeLapse:
        return value(CameraSetting::TriggerMode) != kPirTrigger;
    default:
        return true;
    }
}

CameraState CameraForm::state() const
{
    CameraState state;
    for (CameraSetting setting : kCameraSettings)
        state.enabled[static_cast<int>(setting)] = isEnabled(setting);
    return state;
}

std::optional<Message> CameraForm::settingChanged(CameraSetting setting, int index)
{
    setValue(setting, index);
    switch (setting) {
    case CameraSetting::VideoLength:
        if (index > kLongestFrugalVideoLength)
            return videoLengthMessage();
        return std::nullopt;
    case CameraSetting::PhotoBurst:
        // A single photo leaves the send choice alone: it is disabled then.
        if (index > 0 && index < value(CameraSetting::SendOption))
            return sendOptionCorrection();
        return std::nullopt;
    case CameraSetting::SendOption:
        if (index > value(CameraSetting::PhotoBurst))
            return sendOptionCorrection();
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<Message> CameraForm::sendOptionCorrection()
{
    setValue(CameraSetting::SendOption, value(CameraSetting::PhotoBurst));
    return sendOptionMessage();
}

std::optional<Message> CameraForm::store(ProfileRecord &record) const
{
    // The low byte of -1 (no selection) is 255.
    const auto store = [&](CameraSetting setting) { CameraRow(setting).place().write(&record, value(setting)); };

    for (CameraSetting setting : kFirstBlock)
        store(setting);
    if (std::optional<Message> failure = check())
        return failure;
    for (int window = 0; window < kWindowCount; ++window)
        windows[window].store(record.*windowField(window));
    for (CameraSetting setting : kLastBlock)
        store(setting);
    return std::nullopt;
}

std::optional<Message> CameraForm::check() const
{
    for (const WorkTimeForm &window : windows) {
        if (std::optional<Message> failure = window.check())
            return failure;
    }
    return std::nullopt;
}

int CameraForm::fault() const
{
    for (int window = 0; window < kWindowCount; ++window) {
        if (windows[window].fault() != WorkTimeForm::Fault::None)
            return window;
    }
    return -1;
}

void CameraForm::reset()
{
    for (CameraSetting setting : kCameraSettings)
        setValue(setting, CameraRow(setting).defaultValue);
    for (WorkTimeForm &window : windows)
        window.reset();
}
