#include "forms/page_settings.h"

#include "forms/camera_items.h"
#include "forms/page_items.h"
#include "forms/page_tips.h"

#include <QCoreApplication>
#include <QList>

#include <cstdint>
#include <cstring>

namespace {

#define TALMERIS_RECORD_FIELD(member) \
    QStringLiteral(#member), offsetof(ProfileRecord, member), sizeof(ProfileRecord::member)

// In the order of PageSetting.
const QList<PageSettingData> &settingTable()
{
    using namespace PageItems;
    static const QList<PageSettingData> table = {
        // Only the two switch bits mean anything; a file written elsewhere may set others.
        {TALMERIS_RECORD_FIELD(send_mode), QStringLiteral("instantCombo"), {&instantLabel}, {&OffOnItems}, 1,
         StorePlace::ByRule, PageTips::instant, true,
         [](const ProfileRecord &record) { return record.send_mode & 1; }},
        {TALMERIS_RECORD_FIELD(send_mode), QStringLiteral("dailyReportCombo"), {&dailyReportLabel}, {&OffOnItems}, 0,
         StorePlace::ByRule, PageTips::dailyReport, true,
         [](const ProfileRecord &record) { return (record.send_mode >> 1) & 1; }},
        {TALMERIS_RECORD_FIELD(email_size), QStringLiteral("emailSizeCombo"),
         {[] { return QCoreApplication::translate("PageItems", "Email Size Selection"); }},
         {[] {
             return QStringList{QCoreApplication::translate("PageItems", "Big Photo/Video"),
                                QCoreApplication::translate("PageItems", "Small Photo")};
         }},
         1, StorePlace::AfterSendTo, PageTips::emailSize, false},
        {TALMERIS_RECORD_FIELD(gps), QStringLiteral("gpsCombo"),
         {[] { return QCoreApplication::translate("PageItems", "GPS"); }}, {&OffOnItems}, 0,
         StorePlace::AfterOperator, {}, false},
        {TALMERIS_RECORD_FIELD(sms_switch), QStringLiteral("smsSwitchCombo"), {&smsSwitchLabel}, {&smsSwitchItems}, 0,
         StorePlace::AfterOperator, PageTips::smsSwitch, true},
        {TALMERIS_RECORD_FIELD(rename), QStringLiteral("renameCombo"), {&renameLabel}, {&OffOnItems}, 0,
         StorePlace::AfterRecipients, PageTips::rename, true},
    };
    return table;
}

#undef TALMERIS_RECORD_FIELD

} // namespace

const PageSettingData &PageSettingOf(PageSetting setting)
{
    return settingTable().at(static_cast<int>(setting));
}

PageChoices DefaultPageChoices()
{
    PageChoices choices{};
    for (PageSetting setting : kPageSettings)
        choices[std::size_t(setting)] = PageSettingOf(setting).defaultIndex;
    return choices;
}

// The record is stored as its bytes lie in memory, so a field is read and written through them.
int LoadPageSetting(const ProfileRecord &record, PageSetting setting)
{
    const PageSettingData &data = PageSettingOf(setting);
    if (data.load)
        return data.load(record);
    const auto *bytes = reinterpret_cast<const unsigned char *>(&record) + data.offset;
    if (data.width == 1)
        return *bytes;
    std::uint16_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

void StorePageSetting(ProfileRecord &record, PageSetting setting, int value)
{
    const PageSettingData &data = PageSettingOf(setting);
    auto *bytes = reinterpret_cast<unsigned char *>(&record) + data.offset;
    if (data.width == 1) {
        *bytes = static_cast<unsigned char>(value & 0xFF);
        return;
    }
    const auto word = static_cast<std::uint16_t>(value & 0xFFFF);
    std::memcpy(bytes, &word, sizeof word);
}
