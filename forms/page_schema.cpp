#include "forms/page_schema.h"

#include "forms/camera_schema.h"
#include "forms/clock.h"
#include "forms/page_items.h"
#include "forms/page_tips.h"
#include "presets/operator_catalogue.h"
#include "profile/profile_record.h"

#include <QCoreApplication>

namespace {

#define RECORD_PLACE(member) TALMERIS_PLACE(ProfileRecord, member)

SettingRow pageRow(SettingKind kind, RecordPlace place, std::function<QString()> label, int countOrDefault,
                   Tip tip, const QString &objectName)
{
    SettingRow row;
    row.kind = kind;
    row.places = {std::move(place)};
    row.label = std::move(label);
    if (kind == SettingKind::Choice)
        row.defaultValue = countOrDefault;
    else
        row.count = countOrDefault;
    row.tip = tip;
    row.objectName = objectName;
    return row;
}

SettingRow choiceRow(RecordPlace place, std::function<QString()> label, std::function<QStringList()> items,
                  int defaultIndex, Tip tip, const QString &objectName)
{
    SettingRow row = pageRow(SettingKind::Choice, std::move(place), std::move(label), defaultIndex, tip, objectName);
    row.items = std::move(items);
    return row;
}

RecordPlace sendModeBits(const char *name, int shift, int mask)
{
    RecordPlace place = RECORD_PLACE(send_mode);
    place.key += QLatin1Char('.') + QLatin1StringView(name);
    place.shift = shift;
    place.mask = mask;
    return place;
}

QList<SettingRow> recipientRows()
{
    static constexpr std::array phones = {offsetof(ProfileRecord, phone_number_1),
                                          offsetof(ProfileRecord, phone_number_2),
                                          offsetof(ProfileRecord, phone_number_3),
                                          offsetof(ProfileRecord, phone_number_4)};
    static constexpr std::array emails = {offsetof(ProfileRecord, receive_email_1),
                                          offsetof(ProfileRecord, receive_email_2),
                                          offsetof(ProfileRecord, receive_email_3),
                                          offsetof(ProfileRecord, receive_email_4)};
    constexpr std::size_t width = sizeof ProfileRecord::phone_number_1;
    QList<SettingRow> rows;
    for (int i = 0; i < kRecipientCount; ++i)
        rows.append(pageRow(SettingKind::Text,
                            {QStringLiteral("phone_number_%1").arg(i + 1), phones[std::size_t(i)], width},
                            [i] { return PageItems::phoneNumberLabel(i); }, 0, PageTips::phoneNumber,
                            QStringLiteral("phoneNumber%1Edit").arg(i + 1)));
    for (int i = 0; i < kRecipientCount; ++i)
        rows.append(pageRow(SettingKind::Text,
                            {QStringLiteral("receive_email_%1").arg(i + 1), emails[std::size_t(i)], width},
                            [i] { return PageItems::receiveEmailLabel(i); }, 0, PageTips::receiveEmail,
                            QStringLiteral("receiveEmail%1Edit").arg(i + 1)));
    return rows;
}

QStringList pageCountryNames()
{
    CustomOperators custom = CustomOperators::BuiltIn();
    return OperatorCatalogue(custom).countryNames();
}

QList<SettingGroup> pageGroups()
{
    using namespace PageItems;
    using K = SettingKind;
    SettingRow instantNumber = pageRow(K::Number, RECORD_PLACE(instant_number), &instantNumberName,
                                       kInstantNumberMax + 1, PageTips::instantNumber,
                                       QStringLiteral("instantNumberEdit"));
    instantNumber.defaultValue = kInstantNumberMax;
    SettingRow sendTo = choiceRow(RECORD_PLACE(send_to), &sendToTitle, &sendToItems, 1, {}, {});
    SettingRow smsStart = pageRow(K::TwoDigits, RECORD_PLACE(sms_start_hour), &smsStartName, kHourCount,
                                  PageTips::smsStart, QStringLiteral("smsStartCombo"));
    SettingRow smsStop = pageRow(K::TwoDigits, RECORD_PLACE(sms_stop_hour), &smsStopName, kHourCount,
                                 PageTips::smsStop, QStringLiteral("smsStopCombo"));
    smsStart.recordDefault = smsStop.recordDefault = false;
    return {
        {QStringLiteral("sendMode"), &sendModeTitle,
         {// Bits above the two switches have no meaning: they put DailyReport out of range.
          choiceRow(sendModeBits("instant", 0, 1), &instantLabel, &OffOnItems, 1, PageTips::instant,
                 QStringLiteral("instantCombo")),
          instantNumber,
          choiceRow(sendModeBits("daily_report", 1, 0xFFFF), &dailyReportLabel, &OffOnItems, 0,
                 PageTips::dailyReport, QStringLiteral("dailyReportCombo")),
          pageRow(K::TwoDigits, RECORD_PLACE(daily_report_hour), &dailyReportHourName, kHourCount,
                  PageTips::dailyReportTime, QStringLiteral("dailyReportHourCombo")),
          pageRow(K::TwoDigits, RECORD_PLACE(daily_report_minute), &dailyReportMinuteName, kMinuteCount,
                  PageTips::dailyReportTime, QStringLiteral("dailyReportMinuteCombo"))}},
        {QStringLiteral("sendTo"), &sendToTitle,
         {sendTo,
          choiceRow(RECORD_PLACE(email_size),
                 [] { return QCoreApplication::translate("PageItems", "Email Size Selection"); },
                 [] {
                     return QStringList{QCoreApplication::translate("PageItems", "Big Photo/Video"),
                                        QCoreApplication::translate("PageItems", "Small Photo")};
                 },
                 1, PageTips::emailSize, QStringLiteral("emailSizeCombo"))}},
        {QStringLiteral("gpsSms"), &gpsSmsTitle,
         {choiceRow(RECORD_PLACE(gps), [] { return QCoreApplication::translate("PageItems", "GPS"); }, &OffOnItems, 0,
                 {}, QStringLiteral("gpsCombo")),
          choiceRow(RECORD_PLACE(sms_switch), &smsSwitchLabel, &smsSwitchItems, 0, PageTips::smsSwitch,
                 QStringLiteral("smsSwitchCombo")),
          smsStart, smsStop}},
        {QStringLiteral("recipients"), &recipientsTitle, recipientRows()},
        {QStringLiteral("rename"), {},
         {choiceRow(RECORD_PLACE(rename), &renameLabel, &OffOnItems, 0, PageTips::rename, QStringLiteral("renameCombo")),
          pageRow(K::Text, RECORD_PLACE(rename_text), &renameTextName, 0, PageTips::renameText,
                  QStringLiteral("renameEdit"))}},
        {QStringLiteral("operatorParameter"), &operatorParameterTitle,
         {choiceRow(RECORD_PLACE(country_index), &countryLabel, &pageCountryNames, 0, PageTips::country,
                 QStringLiteral("countryCombo")),
          // Its items are the country's operators, and the custom entries' names among them.
          pageRow(K::Operator, RECORD_PLACE(operator_index), &operatorLabel, 0, PageTips::operatorName,
                  QStringLiteral("operatorCombo"))}},
    };
}

#undef RECORD_PLACE

} // namespace

const QList<SettingGroup> &PageGroups()
{
    static const QList<SettingGroup> groups = pageGroups();
    return groups;
}

const SettingRow &PageSettingOf(PageSetting setting)
{
    static const std::array<const SettingRow *, kPageSettingCount> rows = [] {
        static constexpr std::array<const char *, kPageSettingCount> keys = {
            "send_mode.instant", "send_mode.daily_report", "email_size", "gps", "sms_switch", "rename"};
        std::array<const SettingRow *, kPageSettingCount> found{};
        for (const SettingGroup &group : PageGroups())
            for (const SettingRow &row : group.rows)
                for (std::size_t i = 0; i < keys.size(); ++i)
                    if (row.key() == QLatin1StringView(keys[i]))
                        found[i] = &row;
        return found;
    }();
    return *rows[std::size_t(setting)];
}

PageChoices DefaultPageChoices()
{
    PageChoices choices{};
    for (PageSetting setting : kPageSettings)
        choices[std::size_t(setting)] = PageSettingOf(setting).defaultValue;
    return choices;
}
