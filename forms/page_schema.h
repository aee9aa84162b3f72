#pragma once

#include "forms/setting_row.h"

#include <array>
#include <cstddef>

// The page's drop-down settings: each combo's item index is its value.
enum class PageSetting { Instant, DailyReport, EmailSize, Gps, SmsSwitch, Rename };

inline constexpr int kPageSettingCount = 6;
inline constexpr std::array<PageSetting, kPageSettingCount> kPageSettings = {
    PageSetting::Instant, PageSetting::DailyReport, PageSetting::EmailSize,
    PageSetting::Gps,     PageSetting::SmsSwitch,   PageSetting::Rename};

// Every setting the page stores, by its group boxes; the operator's group last.
const QList<SettingGroup> &PageGroups();
// The drop-down's row among them. The send-mode switches share one byte: the
// page stores it whole by its own rule.
const SettingRow &PageSettingOf(PageSetting setting);

// One value per setting, in the order of PageSetting.
using PageChoices = std::array<int, kPageSettingCount>;
PageChoices DefaultPageChoices();
