#include "forms/work_time_form.h"

#include "forms/camera_schema.h"

#include <algorithm>
#include <cstdint>
#include <QCoreApplication>

namespace {

int indexIn(std::uint8_t byte, int count)
{
    return byte < count ? byte : -1;
}

Message workTimeMessage(const QString &text)
{
    return {QCoreApplication::translate("Messages", "Work Time Setting"), text, Message::Icon::None};
}

bool isChecked(int state)
{
    return state != 0;
}

} // namespace

void WorkTimeForm::load(const WorkTimeWindow &window)
{
    values.switchIndex = indexIn(window.switch_, static_cast<int>(WorkTimeSwitchItems().size()));
    values.startHour = indexIn(window.start_hour, kHourCount);
    values.startMinute = indexIn(window.start_minute, kMinuteCount);
    values.stopHour = indexIn(window.stop_hour, kHourCount);
    values.stopMinute = indexIn(window.stop_minute, kMinuteCount);
    for (int day = 0; day < WorkTimeValues::kDayCount; ++day)
        values.days[day] = (window.week_mask >> day) & 1;
    values.all = std::ranges::all_of(values.days, isChecked) ? 1 : 0;
}

WorkTimeState WorkTimeForm::state() const
{
    return {values.switchIndex == kSwitchOn};
}

void WorkTimeForm::boxClicked(int box, bool checked)
{
    if (box < kAllBox || box >= kBoxCount)
        return;
    int &state = box == kAllBox ? values.all : values.days[box - kFirstDayBox];
    state = checked ? 1 : 0;

    if (!checked)
        values.all = 0; // clearing "ALL" itself leaves the days alone
    if (isChecked(values.all))
        values.days.fill(1);
    if (checked && box != kAllBox && std::ranges::all_of(values.days, isChecked))
        values.all = 1;
}

WorkTimeForm::Fault WorkTimeForm::fault() const
{
    if (values.switchIndex == 0)
        return Fault::None;

    const WorkTimeValues &v = values;
    const bool sameTime = v.startHour == v.stopHour && v.startMinute == v.stopMinute;
    const bool allDay = v.startHour == 0 && v.startMinute == 0 && v.stopHour == 0 && v.stopMinute == 0;
    // A window that runs must have whole times: 255 is no hour to the camera.
    const bool timeMissing = std::min({v.startHour, v.startMinute, v.stopHour, v.stopMinute}) < 0;
    if ((sameTime && !allDay) || timeMissing)
        return Fault::Times;
    if (!isChecked(v.all) && std::ranges::none_of(v.days, isChecked))
        return Fault::Days;
    return Fault::None;
}

std::optional<Message> WorkTimeForm::check() const
{
    switch (fault()) {
    case Fault::Times:
        return workTimeMessage(QCoreApplication::translate("Messages", "Please check Work Time Start and Stop point."));
    case Fault::Days:
        return workTimeMessage(QCoreApplication::translate("Messages", "Please check Work Time Week CheckBox."));
    case Fault::None: break;
    }
    return std::nullopt;
}

void WorkTimeForm::store(WorkTimeWindow &stored) const
{
    WorkTimeWindow window;
    window.switch_ = static_cast<std::uint8_t>(values.switchIndex);
    window.start_hour = static_cast<std::uint8_t>(values.startHour);
    window.start_minute = static_cast<std::uint8_t>(values.startMinute);
    window.stop_hour = static_cast<std::uint8_t>(values.stopHour);
    window.stop_minute = static_cast<std::uint8_t>(values.stopMinute);
    std::uint8_t mask = (window.switch_ & 1) << 7;
    for (int day = 0; day < WorkTimeValues::kDayCount; ++day) {
        if (isChecked(values.days[day]))
            mask |= 1 << day;
    }
    window.week_mask = mask;
    stored = window;
}

void WorkTimeForm::reset()
{
    values = WorkTimeValues{};
}
