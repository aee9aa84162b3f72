#include "forms/sender_schema.h"

#include "forms/dialog_tips.h"
#include "forms/sender_email_form.h"
#include "presets/email_presets.h"
#include "profile/profile_record.h"

namespace {

RecordPlace senderPlace(const RecordPlace &inEntry)
{
    return inEntry.in(QStringLiteral("sender_email"), offsetof(ProfileRecord, sender_email));
}

SettingRow senderRow(SettingKind kind, std::function<QString()> label, const RecordPlace &inEntry, Tip tip)
{
    SettingRow row;
    row.kind = kind;
    row.label = std::move(label);
    row.places = {senderPlace(inEntry)};
    row.tip = tip;
    // The defaults put in the default sender's entry whole.
    row.recordDefault = false;
    return row;
}

QList<SettingRow> senderRows()
{
    using F = SenderEmailForm::Field;
    using K = SettingKind;
    using namespace DialogTips;
    const auto label = [](F field) { return [field] { return SenderEmailForm::label(field); }; };

    SettingRow provider;
    provider.places = {TALMERIS_PLACE(ProfileRecord, select_email)};
    provider.label = &SenderEmailForm::selectEmailLabel;
    provider.items = &ProviderNames;
    provider.tip = selectEmail;

    // The local part is made from the address: it changes with it.
    SettingRow email = senderRow(K::Text, label(F::Email), TALMERIS_PLACE(EmailEntry, email), senderEmail);
    email.places.append(senderPlace(TALMERIS_PLACE(EmailEntry, email_local_part)));

    SettingRow secure = senderRow(K::SecureType, &SenderEmailForm::secureTypeLabel,
                                  TALMERIS_PLACE(EmailEntry, secure_type), secureType);
    secure.items = &SenderEmailForm::secureTypeNames;

    return {provider,
            email,
            senderRow(K::Text, label(F::Account), TALMERIS_PLACE(EmailEntry, account), senderAccount),
            senderRow(K::Secret, label(F::Password), TALMERIS_PLACE(EmailEntry, password), senderPassword),
            senderRow(K::Text, label(F::SmtpServer), TALMERIS_PLACE(EmailEntry, smtp_server), smtpServer),
            secure,
            senderRow(K::Text, label(F::SmtpPort), TALMERIS_PLACE(EmailEntry, smtp_port), smtpPort)};
}

} // namespace

const QList<SettingRow> &SenderRows()
{
    static const QList<SettingRow> rows = senderRows();
    return rows;
}
