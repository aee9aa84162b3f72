#pragma once

#include "forms/camera_items.h"
#include "forms/message.h"
#include "forms/work_time_form.h"
#include "profile/profile_record.h"

#include <array>
#include <optional>

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

    // The camera-mode and trigger rules; a control's label follows its control.
    bool isEnabled(CameraSetting setting) const;

    // A new selection in a list; the answer is an advisory note to show, after
    // which the working values may hold a correction.
    std::optional<Message> select(CameraSetting setting, int index);

    // Stores into the record; on a failing window check returns its message,
    // with the picture and trigger bytes already stored.
    std::optional<Message> store(ProfileRecord &record) const;
    // The first window OK finds at fault, or -1.
    int failingWindow() const;

    // The Default button's values; the record is not touched.
    void reset();

private:
    bool photoMode() const;
    std::optional<Message> sendOptionCorrection();
};
