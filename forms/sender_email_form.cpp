#include "forms/sender_email_form.h"

#include "forms/decimal_text.h"
#include "profile/record_text.h"

#include <cstring>

#include <QCoreApplication>

namespace {

constexpr std::int64_t kPortMax = 65535;
constexpr qsizetype kShortestStoredAddress = 4;

// `text` is marked with QT_TRANSLATE_NOOP in the context "Messages".
Message senderMessage(const char *text)
{
    return {SenderEmailForm::caption(), QCoreApplication::translate("Messages", text), Message::Icon::None};
}

std::optional<std::int64_t> smtpPortNumber(const QString &text)
{
    const std::optional<std::int64_t> number = ReadLeadingDecimal(text);
    if (!number || *number < 0 || *number > kPortMax)
        return std::nullopt;
    return number;
}

void replaceText(std::span<char> field, const QString &text)
{
    ClearRecordText(field);
    StoreRecordText(field, text);
}

} // namespace

QStringList SenderEmailForm::secureTypeNames()
{
    return {QCoreApplication::translate("SenderItems", "NO"), QStringLiteral("SSL/TLS"), QStringLiteral("STARTTLS")};
}

QString SenderEmailForm::caption()
{
    return QCoreApplication::translate("SenderItems", "Sender Email Setting");
}

QString SenderEmailForm::selectEmailLabel()
{
    return QCoreApplication::translate("SenderItems", "Select Email");
}

QString SenderEmailForm::secureTypeLabel()
{
    return QCoreApplication::translate("SenderItems", "Secure Type");
}

QString SenderEmailForm::label(Field field)
{
    switch (field) {
    case Field::Email: return QCoreApplication::translate("SenderItems", "Email");
    case Field::Account: return QCoreApplication::translate("SenderItems", "Account");
    case Field::Password: return QCoreApplication::translate("SenderItems", "Password");
    case Field::SmtpServer: return QCoreApplication::translate("SenderItems", "SMTP Server");
    case Field::SmtpPort: return QCoreApplication::translate("SenderItems", "SMTP Port");
    }
    return {};
}

SenderEmailForm::SenderEmailForm(EmailPresets &presets)
    : m_presets(presets)
{
}

SenderEmailForm::State SenderEmailForm::state() const
{
    const bool isDefault = m_position == EmailPresets::kDefaultPosition;
    const bool isRevierwelt = m_position == EmailPresets::kRevierweltPosition;

    State state{};
    state.textEcho = isDefault ? Echo::Blank : Echo::Normal;
    state.accountEnabled = !isDefault;
    // The "Revierwelt" password belongs to the provider's account: never shown.
    state.showPasswordEnabled = !isDefault && !isRevierwelt;
    state.showPasswordChecked = state.showPasswordEnabled && m_showPassword;
    state.passwordEcho = isDefault ? Echo::Blank
                         : state.showPasswordChecked ? Echo::Normal
                                                     : Echo::Password;
    state.serverEnabled = m_position == EmailPresets::kOtherPosition;
    return state;
}

void SenderEmailForm::load(const ProfileRecord &record)
{
    const int stored = record.select_email;
    // A position beyond the list can only come from a foreign working copy.
    const bool named = stored != EmailPresets::kDefaultPosition && stored < EmailPresets::kProviderCount;
    if (named && LoadRecordText(record.sender_email.email).size() >= kShortestStoredAddress) {
        m_position = stored;
        loadFrom(record.sender_email);
    } else {
        m_position = EmailPresets::kDefaultPosition;
        loadFrom(m_presets.entries[m_position]);
    }
}

void SenderEmailForm::loadFrom(const EmailEntry &entry)
{
    texts.email = LoadRecordText(entry.email);
    texts.account = LoadRecordText(entry.account);
    texts.password = LoadRecordText(entry.password);
    texts.smtpServer = LoadRecordText(entry.smtp_server);
    texts.smtpPort = LoadRecordText(entry.smtp_port);
    const int index = SecureType::index(entry.secure_type);
    // An index without an item would store 0xFF for "Other": show "NO" instead.
    secureTypeIndex = m_position == EmailPresets::kDefaultPosition ? -1
                      : index < secureTypeNames().size()          ? index
                                                                  : 0;
}

void SenderEmailForm::emailChanged(const QString &before)
{
    if (texts.account.isEmpty() || texts.account == before)
        texts.account = texts.email;
}

void SenderEmailForm::setShowPassword(bool shown)
{
    m_showPassword = shown;
}

int SenderEmailForm::secureTypeIndexOrNone() const
{
    return secureTypeIndex >= 0 && secureTypeIndex < secureTypeNames().size() ? secureTypeIndex : 0;
}

void SenderEmailForm::keepInPreset(EmailEntry &preset) const
{
    replaceText(preset.account, texts.account);
    replaceText(preset.password, texts.password);
    ClearRecordText(preset.email);
    ClearRecordText(preset.email_local_part);
    StoreSenderAddress(preset, texts.email);
    if (m_position == EmailPresets::kOtherPosition) {
        replaceText(preset.smtp_server, texts.smtpServer);
        replaceText(preset.smtp_port, texts.smtpPort);
        preset.secure_type = SecureType::fromIndex(secureTypeIndexOrNone());
    }
}

void SenderEmailForm::switchProvider(int position)
{
    if (position < 0 || position >= EmailPresets::kProviderCount || position == m_position)
        return;
    keepInPreset(m_presets.entries[m_position]);
    m_position = position;
    loadFrom(m_presets.entries[m_position]);
}

std::optional<SenderEmailForm::Failure> SenderEmailForm::check() const
{
    if (m_position == EmailPresets::kOtherPosition) {
        if (texts.smtpServer.isEmpty())
            return Failure{Field::SmtpServer, senderMessage(QT_TRANSLATE_NOOP("Messages", "Server must not be null!"))};
        if (texts.smtpPort.isEmpty())
            return Failure{Field::SmtpPort, senderMessage(QT_TRANSLATE_NOOP("Messages", "Port must not be null!"))};
        if (!smtpPortNumber(texts.smtpPort))
            return Failure{Field::SmtpPort,
                           senderMessage(QT_TRANSLATE_NOOP("Messages", "Port number must in 0-65535"))};
    }
    if (m_position != EmailPresets::kDefaultPosition) {
        const Message missing = senderMessage(QT_TRANSLATE_NOOP("Messages", "Account or Email must not be null!"));
        if (texts.email.isEmpty())
            return Failure{Field::Email, missing};
        if (texts.account.isEmpty())
            return Failure{Field::Account, missing};
        if (texts.password.isEmpty())
            return Failure{Field::Password, missing};
        if (!texts.email.contains(u'@'))
            return Failure{Field::Email, senderMessage(QT_TRANSLATE_NOOP("Messages", "Email is invalid!"))};
    }
    return std::nullopt;
}

std::optional<SenderEmailForm::Failure> SenderEmailForm::store(ProfileRecord &record) const
{
    if (std::optional<Failure> failure = check())
        return failure;

    record.select_email = std::uint8_t(m_position);
    if (m_position == EmailPresets::kDefaultPosition) {
        // Nothing can be typed for "Default": its account goes in whole.
        record.sender_email = m_presets.entries[m_position];
        return std::nullopt;
    }

    EmailEntry entry{};
    if (m_position == EmailPresets::kOtherPosition) {
        StoreRecordText(entry.smtp_server, texts.smtpServer);
        // The number read, so that the camera never gets text behind it.
        StoreRecordText(entry.smtp_port, QString::number(*smtpPortNumber(texts.smtpPort)));
        entry.secure_type = SecureType::fromIndex(secureTypeIndexOrNone());
    } else {
        // Server, port, security and the reserved byte come from the preset.
        std::memcpy(static_cast<void *>(&entry), &m_presets.entries[m_position],
                    offsetof(EmailEntry, account));
    }
    StoreRecordText(entry.account, texts.account);
    StoreRecordText(entry.password, texts.password);
    StoreSenderAddress(entry, texts.email);

    record.sender_email = entry;
    return std::nullopt;
}
