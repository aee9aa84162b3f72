#include "presets/email_presets.h"

#include "presets/operator_catalogue.h"

#include <QCoreApplication>

namespace {

// Host names are those of the mail-client database in third_party/mail-ispdb;
// a provider it does not hold has an empty host. Accounts, addresses and
// passwords of the built-in senders belong to outside account holders and
// are left empty.
EmailEntry preset(const char *host, const char *port, std::uint8_t secureType)
{
    EmailEntry entry{};
    qstrncpy(entry.smtp_server, host, sizeof entry.smtp_server);
    qstrncpy(entry.smtp_port, port, sizeof entry.smtp_port);
    entry.secure_type = secureType;
    return entry;
}

} // namespace

EmailPresets EmailPresets::BuiltIn()
{
    const EmailEntry &oneAndOne = DefaultSender();
    return EmailPresets{
        .entries = {
            DefaultSender(),
            preset("smtp.gmail.com", "465", SecureType::kSslTls),
            preset("mail.gmx.net", "25", SecureType::kStartTls),
            preset("smtp-mail.outlook.com", "25", SecureType::kStartTls),
            preset("smtp.mail.yahoo.com", "465", SecureType::kSslTls),
            preset(oneAndOne.smtp_server, "465", SecureType::kSslTls),
            preset("", "465", SecureType::kSslTls),
            preset("", "5025", SecureType::kNone),
            preset("smtp.vodafonemail.de", "465", SecureType::kSslTls),
            preset("smtp.web.de", "25", SecureType::kStartTls),
            preset("", "", SecureType::kNone),
        },
        .FinlandSender = preset("", "465", SecureType::kSslTls),
    };
}

const EmailEntry &EmailPresets::defaultAccount(int countryRow) const
{
    return countryRow == OperatorCatalogue::kFinlandRow ? FinlandSender : entries[kDefaultPosition];
}

QStringList ProviderNames()
{
    // Brand names stay as they are; "Default" and "Other" are words.
    return {
        QCoreApplication::translate("SenderItems", "Default", "the built-in sender account"),
        QStringLiteral("gmail"), QStringLiteral("GMX"),
        QStringLiteral("hotmail"), QStringLiteral("yahoo"), QStringLiteral("1 & 1"),
        QStringLiteral("O2"),      QStringLiteral("Revierwelt"), QStringLiteral("Vodafone"),
        QStringLiteral("WEB.de"),  QCoreApplication::translate("SenderItems", "Other"),
    };
}
