#include "profile/text_fields.h"

#include <algorithm>

namespace {

void forEachEmailField(EmailEntry &entry, const std::function<void(std::span<char>)> &visit)
{
    visit(entry.smtp_server);
    visit(entry.smtp_port);
    visit(entry.account);
    visit(entry.password);
    visit(entry.email);
    visit(entry.email_local_part);
}

bool terminated(std::span<const char> field)
{
    return std::find(field.begin(), field.end(), '\0') != field.end();
}

// Only a field without any zero changes: bytes behind a terminator are kept.
void terminate(std::span<char> field)
{
    if (!terminated(field))
        field.back() = '\0';
}

} // namespace

void ForEachTextField(OperatorEntry &entry, const std::function<void(std::span<char>)> &visit)
{
    visit(entry.name);
    visit(entry.mms_url);
    visit(entry.mms_gateway);
    visit(entry.mms_port);
    visit(entry.mms_apn);
    visit(entry.mms_account);
    visit(entry.mms_password);
    visit(entry.gprs_apn);
    visit(entry.gprs_account);
    visit(entry.gprs_password);
}

void ForEachTextField(ProfileRecord &record, const std::function<void(std::span<char>)> &visit)
{
    visit(record.version_tag);
    visit(record.rename_text);
    ForEachTextField(record.operator_, visit);
    forEachEmailField(record.sender_email, visit);
    for (int i = 0; i < kRecipientCount; ++i) {
        visit(PhoneNumberField(record, i));
        visit(ReceiveEmailField(record, i));
    }
}

void TerminateTextFields(ProfileRecord &record)
{
    ForEachTextField(record, terminate);
}

void TerminateTextFields(CustomOperators &custom)
{
    for (OperatorEntry &entry : custom.country_customers)
        ForEachTextField(entry, terminate);
    ForEachTextField(custom.extra_customer, terminate);
}

bool TextFieldsTerminated(const ProfileRecord &record)
{
    bool all = true;
    ProfileRecord copy = record;
    ForEachTextField(copy, [&all](std::span<char> field) { all = all && terminated(field); });
    return all;
}

bool TextFieldsTerminated(const CustomOperators &custom)
{
    bool all = true;
    CustomOperators copy = custom;
    const auto check = [&all](std::span<char> field) { all = all && terminated(field); };
    for (OperatorEntry &entry : copy.country_customers)
        ForEachTextField(entry, check);
    ForEachTextField(copy.extra_customer, check);
    return all;
}
