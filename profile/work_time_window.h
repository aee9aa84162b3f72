#pragma once

#include <cstdint>

// One weekly work-time window of the camera, six bytes.
#pragma pack(push, 1)
struct WorkTimeWindow {
    std::uint8_t switch_{}; // 0 "Off", 1 "On"
    std::uint8_t start_hour{};
    std::uint8_t start_minute{};
    std::uint8_t stop_hour{};
    std::uint8_t stop_minute{};
    std::uint8_t week_mask{}; // bit 0 Sunday .. bit 6 Saturday; bit 7 repeats the switch

    friend bool operator==(const WorkTimeWindow &, const WorkTimeWindow &) = default;
};
#pragma pack(pop)

static_assert(sizeof(WorkTimeWindow) == 6);
