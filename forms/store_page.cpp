#include "forms/store_page.h"

#include "forms/page_items.h"
#include "forms/page_reading.h"
#include "profile/record_text.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// `text` is marked with QT_TRANSLATE_NOOP in the context "Messages".
Message sendModeError(const char *text)
{
    return {QCoreApplication::translate("Messages", "Send Mode Setting"), QCoreApplication::translate("Messages", text),
            Message::Icon::Error};
}

Message recipientsError(const char *text)
{
    return {QCoreApplication::translate("Messages", "Recipients Setting"),
            QCoreApplication::translate("Messages", text), Message::Icon::Error};
}

Message renameError(const char *text)
{
    return {QCoreApplication::translate("Messages", "Rename Setting"), QCoreApplication::translate("Messages", text),
            Message::Icon::Error};
}

std::uint8_t lowByte(int value)
{
    return std::uint8_t(value & 0xFF);
}

void storeChoice(ProfileRecord &record, const PageValues &values, PageSetting setting)
{
    PageSettingOf(setting).place().write(&record, values.choice(setting));
}

bool isRenameCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z');
}

} // namespace

std::optional<Message> StorePage(const PageControls &controls, PageValues &values, ProfileSession &session,
                                 OperatorSelection &operators, PageFault &fault)
{
    using Field = PageFault::Field;
    ProfileRecord &record = session.record;
    const auto at = [&fault](Field field, int recipient, const Message &message) {
        fault = {field, recipient};
        return message;
    };

    for (int i = 0; i < kRecipientCount; ++i) {
        ClearRecordText(PhoneNumberField(record, i));
        ClearRecordText(ReceiveEmailField(record, i));
    }

    // A value that cannot be read ends the store: saving what the field held
    // before would put settings on the card that the page does not show.
    if (auto unreadable = ReadPage(values, controls, fault))
        return unreadable;

    if (values.instant_number < 0 || values.instant_number > PageItems::kInstantNumberMax)
        return at(Field::InstantNumber, 0,
                  sendModeError(QT_TRANSLATE_NOOP("Messages", "Instant number is out of the range(0-99)!")));

    record.daily_report_minute = lowByte(values.daily_report_minute);
    record.daily_report_hour = lowByte(values.daily_report_hour);
    record.instant_number = lowByte(values.instant_number);
    record.send_mode = lowByte(values.choice(PageSetting::Instant) + 2 * values.choice(PageSetting::DailyReport));
    record.send_to = std::uint16_t(values.send_to & 0xFFFF);
    storeChoice(record, values, PageSetting::EmailSize);

    // A provider beyond the list comes only from a file written elsewhere: "Default".
    if (record.select_email >= EmailPresets::kProviderCount)
        record.select_email = EmailPresets::kDefaultPosition;
    if (record.select_email == EmailPresets::kDefaultPosition) {
        values.default_sender = session.presets.defaultAccount(values.country_position);
        record.sender_email = values.default_sender;
    }

    record.country_index = lowByte(values.country_position);
    record.operator_index = lowByte(values.operator_position);
    operators.transfer();

    storeChoice(record, values, PageSetting::Gps);
    storeChoice(record, values, PageSetting::SmsSwitch);
    record.sms_start_hour = lowByte(values.sms_start_hour);
    record.sms_stop_hour = lowByte(values.sms_stop_hour);

    const bool smsCommands = values.choice(PageSetting::SmsSwitch) > 0;
    bool phoneGiven = false;
    bool emailGiven = false;
    for (int i = 0; i < kRecipientCount; ++i) {
        const bool master = smsCommands && i == 0;
        const QString &phone = values.phone_number[std::size_t(i)];
        const auto phoneLength = phone.size();
        if (phoneLength != 0 && (phoneLength < kPhoneMinLength || phoneLength > kPhoneMaxLength))
            return at(Field::PhoneNumber, i,
                      recipientsError(master
                                          ? QT_TRANSLATE_NOOP("Messages", "The master phone is out of the length(4-15) !")
                                          : QT_TRANSLATE_NOOP("Messages", "The phone number is out of the length(4-15) !")));
        if (phoneLength >= kPhoneMinLength) {
            StoreRecordText(PhoneNumberField(record, i), phone);
            phoneGiven = true;
        }
        if (master && phoneLength == 0)
            return at(Field::PhoneNumber, i,
                      recipientsError(QT_TRANSLATE_NOOP("Messages", "The master phone must not be null! length(4-15)")));

        const QString &email = values.receive_email[std::size_t(i)];
        const auto emailLength = email.size();
        if (emailLength > kEmailMaxLength)
            return at(Field::ReceiveEmail, i,
                      recipientsError(QT_TRANSLATE_NOOP("Messages", "The Email is out of the max length 47 !")));
        if (emailLength >= 1 && (emailLength < 2 || email.indexOf(u'@', 1) < 0))
            return at(Field::ReceiveEmail, i,
                      recipientsError(QT_TRANSLATE_NOOP("Messages", "The Email Format is error!")));
        if (emailLength > 2) {
            StoreRecordText(ReceiveEmailField(record, i), email);
            emailGiven = true;
        }
    }

    if (values.send_to == 0 && !phoneGiven)
        return at(Field::PhoneNumber, 0,
                  recipientsError(QT_TRANSLATE_NOOP("Messages", "The phone number must not be null! length(4-15)")));
    if (values.send_to == 1 && !emailGiven)
        return at(Field::ReceiveEmail, 0,
                  recipientsError(QT_TRANSLATE_NOOP("Messages", "The Email must not be null!")));

    ClearRecordText(record.rename_text);
    storeChoice(record, values, PageSetting::Rename);
    // Character by character, so that no letter turns into two.
    QString renameText;
    for (QChar c : values.rename_text)
        renameText.append(c.toUpper());
    if (!std::all_of(renameText.begin(), renameText.end(), isRenameCharacter))
        return at(Field::RenameText, 0,
                  renameError(QT_TRANSLATE_NOOP("Messages", "The letters or/and digits are allowed for rename!")));
    if (!renameText.isEmpty())
        StoreRecordText(record.rename_text, renameText);
    if (values.choice(PageSetting::Rename) == 1 && renameText.isEmpty())
        return at(Field::RenameText, 0,
                  renameError(QT_TRANSLATE_NOOP("Messages", "The rename must not be null!")));

    return std::nullopt;
}
