#pragma once

#include "forms/tip.h"
#include "forms/translated_texts.h"
#include "profile/profile_record.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

// The page's drop-down settings: each combo's item index is its value.
enum class PageSetting { Instant, DailyReport, EmailSize, Gps, SmsSwitch, Rename };

inline constexpr int kPageSettingCount = 6;
inline constexpr std::array<PageSetting, kPageSettingCount> kPageSettings = {
    PageSetting::Instant, PageSetting::DailyReport, PageSetting::EmailSize,
    PageSetting::Gps,     PageSetting::SmsSwitch,   PageSetting::Rename};

// Where a setting is stored among the page's hand-stored values, whose order a refused store relies on.
// The send-mode switches share one byte, which the page stores by its own rule.
enum class StorePlace { ByRule, AfterSendTo, AfterOperator, AfterRecipients };

struct PageSettingData {
    QString key; // the record field's name
    std::size_t offset;
    std::size_t width; // 1 or 2 bytes
    QString objectName;
    TranslatedText label;
    TranslatedList items;
    int defaultIndex;
    StorePlace place;
    Tip tip;
    // Other controls follow its value: a change runs the page's rules at once.
    bool ruled;
    // Reads a setting kept in part of its field; none for a field read whole.
    int (*load)(const ProfileRecord &record) = nullptr;
};

const PageSettingData &PageSettingOf(PageSetting setting);

// One value per setting, in the order of PageSetting.
using PageChoices = std::array<int, kPageSettingCount>;
PageChoices DefaultPageChoices();

int LoadPageSetting(const ProfileRecord &record, PageSetting setting);
// Keeps the value's low byte or word, as wide as the record field.
void StorePageSetting(ProfileRecord &record, PageSetting setting, int value);
