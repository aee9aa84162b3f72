#pragma once

#include "forms/translated_texts.h"
#include "profile/profile_record.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

// The page's plain drop-down settings: the item index is stored as it is, and
// no rule ties them to other values.
enum class PageSetting { EmailSize, Gps };

inline constexpr int kPageSettingCount = 2;
inline constexpr std::array<PageSetting, kPageSettingCount> kPageSettings = {PageSetting::EmailSize,
                                                                             PageSetting::Gps};

// Where a setting is stored among the page's hand-stored values, whose order a refused store relies on.
enum class StorePlace { AfterSendTo, AfterOperator };

struct PageSettingData {
    QString key; // the record field's name
    std::size_t offset;
    std::size_t width; // 1 or 2 bytes
    QString objectName;
    TranslatedText label;
    TranslatedList items;
    int defaultIndex;
    StorePlace place;
};

const PageSettingData &PageSettingOf(PageSetting setting);

// One value per setting, in the order of PageSetting.
using PageChoices = std::array<int, kPageSettingCount>;
PageChoices DefaultPageChoices();
// As the controls hold them when no item is selected.
inline constexpr PageChoices kNoPageChoices = [] {
    PageChoices choices{};
    choices.fill(-1);
    return choices;
}();

int LoadPageSetting(const ProfileRecord &record, PageSetting setting);
// Keeps the value's low byte or word, as wide as the record field.
void StorePageSetting(ProfileRecord &record, PageSetting setting, int value);
