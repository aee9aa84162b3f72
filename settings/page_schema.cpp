#include "settings/page_schema.h"

#include "settings/camera_schema.h"
#include "settings/clock.h"
#include "presets/operator_catalogue.h"
#include "profile/profile_record.h"

#include <QCoreApplication>

namespace {

#define RECORD_PLACE(member) TALMERIS_PLACE(ProfileRecord, member)

using K = SettingKind;
using Characters = TypedTextRule::Characters;

constexpr int kInstantNumberMax = 99;
constexpr int kSavePathLimit = 128;
constexpr int kRenameTextLimit = 8;

std::function<QString()> pageText(const char *source)
{
    return Translated("PageItems", source);
}

Tip pageTip(const char *source)
{
    return {"PageTips", source};
}

// A text marked with QT_TRANSLATE_NOOP3, and the comment that tells translators where it stands.
struct Marked {
    const char *source;
    const char *comment;
};

// "Instant number": the name of a control that stands beside another's label.
std::function<QString()> besideLabel(Marked pattern, std::function<QString()> label)
{
    return [=] { return QCoreApplication::translate("PageItems", pattern.source, pattern.comment).arg(label()); };
}

SettingRow row(K kind, RecordPlace place, std::function<QString()> label, Tip tip, const char *objectName)
{
    SettingRow made;
    made.kind = kind;
    made.places = {std::move(place)};
    made.label = std::move(label);
    made.tip = tip;
    made.objectName = QLatin1StringView(objectName);
    return made;
}

SettingRow choice(RecordPlace place, std::function<QString()> label, std::function<QStringList()> items,
                  int defaultIndex, Tip tip, const char *objectName)
{
    SettingRow made = row(K::Choice, std::move(place), std::move(label), tip, objectName);
    made.items = std::move(items);
    made.defaultValue = defaultIndex;
    return made;
}

SettingRow twoDigits(RecordPlace place, int count, std::function<QString()> label, Tip tip, const char *objectName)
{
    SettingRow made = row(K::TwoDigits, std::move(place), std::move(label), tip, objectName);
    made.count = count;
    return made;
}

// "send_mode.instant": one of the two switches that share the send-mode byte.
QString sendModeKey(const char *name)
{
    return RECORD_PLACE(send_mode).key + QLatin1Char('.') + QLatin1StringView(name);
}

RecordPlace sendModeBits(const char *name, int shift, int mask)
{
    RecordPlace place = RECORD_PLACE(send_mode);
    place.key = sendModeKey(name);
    place.shift = shift;
    place.mask = mask;
    return place;
}

std::function<QStringList()> offOn()
{
    return &OffOnItems;
}

// The SMS hours: "Start" beside "SMS Work Time", named whole to screen readers.
SettingRow smsHour(RecordPlace place, const char *shortLabel, Tip tip, const char *objectName)
{
    const auto shown = pageText(shortLabel);
    SettingRow made = twoDigits(std::move(place), kHourCount, [shown] {
        return QCoreApplication::translate("PageItems", "%1 %2", "accessible name: the row's label, then the time's")
            .arg(PageText().smsWorkTime(), shown());
    }, tip, objectName);
    made.shortLabel = shown;
    // "Default All" keeps the hours; the switch decides whether they count.
    made.recordDefault = false;
    return made;
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
    const auto add = [&rows](const QString &key, std::size_t offset, std::function<QString()> label, Tip tip,
                             const QString &objectName, Characters characters) {
        SettingRow &made = rows.emplace_back(row(K::Text, {key, offset, width}, std::move(label), tip, ""));
        made.objectName = objectName;
        // No limit: a number or address too long is named by "OK", not cut while it is typed.
        made.typing = {characters};
    };
    for (int i = 0; i < kRecipientCount; ++i)
        add(QStringLiteral("phone_number_%1").arg(i + 1), phones[std::size_t(i)],
            [i] { return QCoreApplication::translate("PageItems", "Phone Number %1").arg(i + 1); },
            pageTip(QT_TRANSLATE_NOOP("PageTips",
                                      "A phone number of 4 to 15 digits that receives the camera's pictures by MMS.")),
            QStringLiteral("phoneNumber%1Edit").arg(i + 1), Characters::PhoneNumber);
    for (int i = 0; i < kRecipientCount; ++i)
        add(QStringLiteral("receive_email_%1").arg(i + 1), emails[std::size_t(i)],
            [i] { return QCoreApplication::translate("PageItems", "Receive Email %1").arg(i + 1); },
            pageTip(QT_TRANSLATE_NOOP("PageTips",
                                      "An e-mail address, at most 47 characters, that receives the camera's pictures.")),
            QStringLiteral("receiveEmail%1Edit").arg(i + 1), Characters::CodePage);
    return rows;
}

QStringList pageCountryNames()
{
    CustomOperators custom = CustomOperators::BuiltIn();
    return OperatorCatalogue(custom).countryNames();
}

QList<SettingGroup> pageGroups()
{
    const auto instantLabel = pageText(QT_TRANSLATE_NOOP("PageItems", "Instant"));
    const auto dailyReportLabel = pageText(QT_TRANSLATE_NOOP("PageItems", "DailyReport"));
    const auto renameLabel = pageText(QT_TRANSLATE_NOOP("PageItems", "Rename"));
    const Tip dailyReportTime =
        pageTip(QT_TRANSLATE_NOOP("PageTips", "The time of day (hour : minute) the camera sends its daily report."));

    SettingRow instantNumber =
        row(K::Number, RECORD_PLACE(instant_number),
            besideLabel(QT_TRANSLATE_NOOP3("PageItems", "%1 number", "accessible name of the edit beside the label"),
                        instantLabel),
            pageTip(QT_TRANSLATE_NOOP("PageTips",
                                      "How many photos or videos the camera sends this way, 0 to 99; 0 means no limit.")),
            "instantNumberEdit");
    instantNumber.count = kInstantNumberMax + 1;
    instantNumber.defaultValue = kInstantNumberMax;
    // Nine digits: room for any number "OK" names out of range, none too large to read.
    instantNumber.typing = {Characters::Digits, 9};
    instantNumber.hint = pageText(QT_TRANSLATE_NOOP("PageItems", "(0-99,0=Unlimited)"));

    SettingRow sendTo = choice(RECORD_PLACE(send_to), pageText(QT_TRANSLATE_NOOP("PageItems", "Send To")), [] {
        return QStringList{QCoreApplication::translate("PageItems", "Phone"),
                           QCoreApplication::translate("PageItems", "Email")};
    }, 1, {}, "");
    sendTo.radios = true;

    SettingRow renameText = row(K::Text, RECORD_PLACE(rename_text),
                                besideLabel(QT_TRANSLATE_NOOP3("PageItems", "%1 text", "accessible name of the edit beside the label"),
                                            renameLabel),
                                pageTip(QT_TRANSLATE_NOOP("PageTips", "The camera's name: up to 8 letters and digits.")),
                                "renameEdit");
    // Letters shown in upper case; any other character the card holds is taken, so that "OK" can name it.
    renameText.typing = {Characters::CodePage, kRenameTextLimit, true};
    renameText.hint = pageText(QT_TRANSLATE_NOOP("PageItems", "(0-9,A-Z only)"));

    return {
        {QStringLiteral("sendMode"), pageText(QT_TRANSLATE_NOOP("PageItems", "Send Mode")),
         {// Bits above the two switches have no meaning: they put DailyReport out of range.
          choice(sendModeBits("instant", 0, 1), instantLabel, offOn(), 1,
                 pageTip(QT_TRANSLATE_NOOP("PageTips",
                                           "On: the camera sends each photo or video as soon as it takes it.")),
                 "instantCombo"),
          instantNumber,
          choice(sendModeBits("daily_report", 1, 0xFFFF), dailyReportLabel, offOn(), 0,
                 pageTip(QT_TRANSLATE_NOOP("PageTips", "On: the camera sends a daily report at the time beside it.")),
                 "dailyReportCombo"),
          twoDigits(RECORD_PLACE(daily_report_hour), kHourCount,
                    besideLabel(QT_TRANSLATE_NOOP3("PageItems", "%1 hour", "accessible name of the combo beside the label"),
                                dailyReportLabel),
                    dailyReportTime, "dailyReportHourCombo"),
          twoDigits(RECORD_PLACE(daily_report_minute), kMinuteCount,
                    besideLabel(QT_TRANSLATE_NOOP3("PageItems", "%1 minute", "accessible name of the combo beside the label"),
                                dailyReportLabel),
                    dailyReportTime, "dailyReportMinuteCombo")}},
        {QStringLiteral("sendTo"), pageText(QT_TRANSLATE_NOOP("PageItems", "Send To")),
         {sendTo,
          choice(RECORD_PLACE(email_size), pageText(QT_TRANSLATE_NOOP("PageItems", "Email Size Selection")), [] {
              return QStringList{QCoreApplication::translate("PageItems", "Big Photo/Video"),
                                 QCoreApplication::translate("PageItems", "Small Photo")};
          }, 1, pageTip(QT_TRANSLATE_NOOP("PageTips", "How large the pictures sent by e-mail are; small ones go out "
                                                      "faster and cost less data.")),
                 "emailSizeCombo")}},
        {QStringLiteral("control"), pageText(QT_TRANSLATE_NOOP("PageItems", "GPS / SMS Control")),
         {choice(RECORD_PLACE(gps), pageText(QT_TRANSLATE_NOOP("PageItems", "GPS")), offOn(), 0, {}, "gpsCombo"),
          choice(RECORD_PLACE(sms_switch), pageText(QT_TRANSLATE_NOOP("PageItems", "SMS Switch")), [] {
              return QStringList{OffOnItems().at(0), QCoreApplication::translate("PageItems", "On(24hour)"),
                                 QCoreApplication::translate("PageItems", "Set")};
          }, 0, pageTip(QT_TRANSLATE_NOOP("PageTips", "Lets the camera obey SMS commands from the Command Phone: all "
                                                      "day, or between Start and Stop.")),
                 "smsSwitchCombo"),
          smsHour(RECORD_PLACE(sms_start_hour), QT_TRANSLATE_NOOP("PageItems", "Start"),
                  pageTip(QT_TRANSLATE_NOOP("PageTips", "The hour from which the camera obeys SMS commands.")),
                  "smsStartCombo"),
          smsHour(RECORD_PLACE(sms_stop_hour), QT_TRANSLATE_NOOP("PageItems", "Stop"),
                  pageTip(QT_TRANSLATE_NOOP("PageTips", "The hour until which the camera obeys SMS commands.")),
                  "smsStopCombo")}},
        {QStringLiteral("recipients"), pageText(QT_TRANSLATE_NOOP("PageItems", "Recipients")), recipientRows()},
        {QStringLiteral("rename"), {},
         {choice(RECORD_PLACE(rename), renameLabel, offOn(), 0,
                 pageTip(QT_TRANSLATE_NOOP("PageTips", "On: the camera carries the name beside it, so you can tell "
                                                       "your cameras apart.")),
                 "renameCombo"),
          renameText}},
        {QStringLiteral("operatorParameter"), pageText(QT_TRANSLATE_NOOP("PageItems", "Operator Parameter")),
         {choice(RECORD_PLACE(country_index), pageText(QT_TRANSLATE_NOOP("PageItems", "Country")), &pageCountryNames, 0,
                 pageTip(QT_TRANSLATE_NOOP("PageTips", "The country of the camera's SIM card; \"Customer\" holds "
                                                       "three operators of your own.")),
                 "countryCombo"),
          // Its items are the country's operators, and the custom entries' names among them.
          row(K::Operator, RECORD_PLACE(operator_index), pageText(QT_TRANSLATE_NOOP("PageItems", "Operator")),
              pageTip(QT_TRANSLATE_NOOP("PageTips", "The mobile operator of the camera's SIM card; choose \"Customer\" "
                                                    "when yours is not listed.")),
              "operatorCombo")}},
    };
}

} // namespace

const QList<SettingGroup> &PageGroups()
{
    static const QList<SettingGroup> groups = pageGroups();
    return groups;
}

const SettingRow &SavePathRow()
{
    static const SettingRow made = [] {
        SettingRow path = row(K::Text, {QStringLiteral("save_path"), 0, 0},
                              pageText(QT_TRANSLATE_NOOP("PageItems", "Save Path")),
                              pageTip(QT_TRANSLATE_NOOP("PageTips", "The top folder of the camera's SD card, where "
                                                                    "PROFILE.BIN is written.")),
                              "savePathEdit");
        path.typing = {Characters::Any, kSavePathLimit};
        return path;
    }();
    return made;
}

const PageKeys &PageKey()
{
    static const PageKeys keys = [] {
        PageKeys made;
        made.instant = sendModeKey("instant");
        made.instantNumber = RECORD_PLACE(instant_number).key;
        made.dailyReport = sendModeKey("daily_report");
        made.dailyReportHour = RECORD_PLACE(daily_report_hour).key;
        made.dailyReportMinute = RECORD_PLACE(daily_report_minute).key;
        made.sendTo = RECORD_PLACE(send_to).key;
        made.emailSize = RECORD_PLACE(email_size).key;
        made.smsSwitch = RECORD_PLACE(sms_switch).key;
        made.smsStart = RECORD_PLACE(sms_start_hour).key;
        made.smsStop = RECORD_PLACE(sms_stop_hour).key;
        made.rename = RECORD_PLACE(rename).key;
        made.renameText = RECORD_PLACE(rename_text).key;
        made.country = RECORD_PLACE(country_index).key;
        made.operatorIndex = RECORD_PLACE(operator_index).key;
        made.savePath = SavePathRow().key();
        for (const SettingGroup &group : PageGroups())
            for (const SettingRow &row : group.rows)
                if (group.key == QLatin1StringView("recipients"))
                    (row.key().startsWith(QLatin1StringView("phone")) ? made.phones : made.emails).append(row.key());
        made.sendModeGroup = QStringLiteral("sendMode");
        made.sendToGroup = QStringLiteral("sendTo");
        made.controlGroup = QStringLiteral("control");
        made.operatorGroup = QStringLiteral("operatorParameter");
        return made;
    }();
    return keys;
}

#undef RECORD_PLACE

const PageButton &PageButtonOf(PageAction action)
{
    static const std::array<PageButton, 7> buttons = {{
        {QStringLiteral("emailSettingButton"), pageText(QT_TRANSLATE_NOOP("PageItems", "Email Setting")),
         pageTip(QT_TRANSLATE_NOOP("PageTips", "The e-mail account the camera sends from: choose your provider and "
                                               "type its login."))},
        {QStringLiteral("customButton"), pageText(QT_TRANSLATE_NOOP("PageItems", "Custom")),
         pageTip(QT_TRANSLATE_NOOP("PageTips", "Type the MMS and mobile-internet settings your operator gives you."))},
        {QStringLiteral("camSettingButton"), pageText(QT_TRANSLATE_NOOP("PageItems", "CAM Setting")),
         pageTip(QT_TRANSLATE_NOOP("PageTips", "Photo, video, motion sensor and work-time settings of the camera."))},
        {QStringLiteral("defaultAllButton"), pageText(QT_TRANSLATE_NOOP("PageItems", "Default All")),
         pageTip(QT_TRANSLATE_NOOP("PageTips", "Put every setting back to its default; you are asked first."))},
        {QStringLiteral("browseButton"), [] { return QStringLiteral("..."); },
         pageTip(QT_TRANSLATE_NOOP("PageTips", "Choose the top folder of the camera's SD card."))},
        {QStringLiteral("okButton"), [] { return QStringLiteral("OK"); },
         pageTip(QT_TRANSLATE_NOOP("PageTips", "Check the settings and write PROFILE.BIN onto the card."))},
        {QStringLiteral("cancelButton"), pageText(QT_TRANSLATE_NOOP("PageItems", "Cancel")),
         pageTip(QT_TRANSLATE_NOOP("PageTips", "Close the tool without saving; you are asked first when changes would "
                                               "be lost."))},
    }};
    return buttons.at(std::size_t(action));
}

const PageTexts &PageText()
{
    static const PageTexts texts = {
        pageText(QT_TRANSLATE_NOOP("PageItems", "Command Phone")),
        pageTip(QT_TRANSLATE_NOOP("PageTips", "The phone whose SMS commands the camera obeys, 4 to 15 digits.")),
        pageTip(QT_TRANSLATE_NOOP("PageTips", "For your own operator only: choose \"Customer\" at the end of the "
                                              "Operator list, or the Country \"Customer\".")),
        pageText(QT_TRANSLATE_NOOP("PageItems", "SMS Work Time")),
    };
    return texts;
}
