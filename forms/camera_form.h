#pragma once

#include "forms/camera_schema.h"
#include "forms/message.h"
#include "forms/work_time_form.h"
#include "profile/profile_record.h"

#include <array>
#include <optional>

// Which of the camera's lists are enabled; a control's label follows its control.
struct CameraState {
    std::array<bool, kCameraSettingCount> enabled{};
    bool isEnabled(CameraSetting setting) const { return enabled[static_cast<int>(setting)]; }
};

// The camera dialog without its widgets: one working value per control, the
// enabling rules, the selection handlers, OK and Default.
class CameraForm
{
public:
    static constexpr int kWindowCount = 4;

    // Item index per setting, -1 for no selection.
    std::array<int, kCameraSettingCount> values{};
    std::array<WorkTimeForm, kWindowCount> windows{};

    int value(CameraSetting setting) const { return values[static_cast<int>(setting)]; }
    void setValue(CameraSetting setting, int index) { values[static_cast<int>(setting)] = index; }

    // Record to working values; a byte beyond its list is no selection.
    void load(const ProfileRecord &record);

    // The camera-mode and trigger rules.
    CameraState state() const;

    // A new selection in a list; the answer is an advisory note to show, after
    // which the working values may hold a correction.
    std::optional<Message> settingChanged(CameraSetting setting, int index);

    // Stores into the record; on a failing window check returns its message,
    // with the picture and trigger bytes already stored.
    std::optional<Message> store(ProfileRecord &record) const;
    // The work-time windows' checks, first failure first.
    std::optional<Message> check() const;
    // The first window the check finds at fault, or -1.
    int fault() const;

    // The Default button's values; the record is not touched.
    void reset();

private:
    bool photoMode() const;
    bool isEnabled(CameraSetting setting) const;
    std::optional<Message> sendOptionCorrection();
};
