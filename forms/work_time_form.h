#pragma once

#include "forms/clock.h"
#include "forms/message.h"
#include "profile/work_time_window.h"

#include <array>
#include <optional>

// The working values of one weekly work-time window. Combo values are item
// indices, -1 for no selection; box states are 0 cleared, 1 checked.
struct WorkTimeValues {
    static constexpr int kDayCount = 7;

    int switchIndex = 0;
    int startHour = 0;
    int startMinute = 0;
    int stopHour = 0;
    int stopMinute = 0;
    int all = 1;
    std::array<int, kDayCount> days{1, 1, 1, 1, 1, 1, 1}; // Sunday first

    friend bool operator==(const WorkTimeValues &, const WorkTimeValues &) = default;
};

struct WorkTimeState {
    // The window's times, their labels and its boxes; the switch is always enabled.
    bool details_enabled = false;
};

// One work-time window of the camera dialog: its rules, its check and its bytes.
class WorkTimeForm
{
public:
    static constexpr int kSwitchOn = 1;
    // Box numbers of boxClicked: the "ALL" box, then Sunday to Saturday.
    static constexpr int kAllBox = 0;
    static constexpr int kFirstDayBox = 1;
    static constexpr int kBoxCount = 1 + WorkTimeValues::kDayCount;
    // What the check finds wrong with a window.
    enum class Fault { None, Times, Days };

    WorkTimeValues values;

    void load(const WorkTimeWindow &window);
    WorkTimeState state() const;

    void boxClicked(int box, bool checked);

    Fault fault() const;
    std::optional<Message> check() const;
    void store(WorkTimeWindow &window) const;
    void reset();
};
