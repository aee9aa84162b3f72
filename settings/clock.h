#pragma once

// The hours and minutes a time list offers, "00".."23" and "00".."59".
inline constexpr int kHourCount = 24;
inline constexpr int kMinuteCount = 60;
