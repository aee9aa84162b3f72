#include "settings/sender_model.h"

#include "settings/decimal_text.h"
#include "settings/sender_schema.h"
#include "profile/record_text.h"

#include <cstring>

#include <QCoreApplication>

namespace {

constexpr std::int64_t kPortMax = 65535;
constexpr qsizetype kShortestStoredAddress = 4;

// The settings the rules name.
const QString kProviderKey = QStringLiteral("select_email");
const QString kSenderEmailKey = QStringLiteral("sender_email.email");
const QString kSenderAccountKey = QStringLiteral("sender_email.account");
const QString kSenderPasswordKey = QStringLiteral("sender_email.password");
const QString kShowPasswordKey = QStringLiteral("sender_email.show_password");
const QString kSmtpServerKey = QStringLiteral("sender_email.smtp_server");
const QString kSecureTypeKey = QStringLiteral("sender_email.secure_type");
const QString kSmtpPortKey = QStringLiteral("sender_email.smtp_port");

// `text` is marked with QT_TRANSLATE_NOOP in the context "Messages".
SettingFault senderFault(const QString &key, const char *text)
{
    return {key, {QCoreApplication::translate("SenderItems", SenderModel::kCaption), QCoreApplication::translate("Messages", text), Message::Icon::None}};
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

SenderModel::SenderModel(ProfileRecord &record, EmailPresets &presets)
    : m_record(record)
    , m_presets(presets)
{
}

QString SenderModel::text(const QString &key) const
{
    return m_values.value(key).toString();
}

bool SenderModel::passwordShown() const
{
    return m_showPassword && state(kShowPasswordKey).enabled;
}

QVariant SenderModel::value(const QString &key) const
{
    if (key == kProviderKey)
        return m_position;
    if (key == kShowPasswordKey)
        return int(passwordShown());
    return m_values.value(key);
}

ControlState SenderModel::state(const QString &key) const
{
    const bool isDefault = m_position == EmailPresets::kDefaultPosition;
    const Echo textEcho = isDefault ? Echo::Blank : Echo::Normal;
    if (key == kSenderEmailKey || key == kSenderAccountKey)
        return {!isDefault, textEcho};
    if (key == kSenderPasswordKey)
        return {!isDefault, isDefault ? Echo::Blank : passwordShown() ? Echo::Normal : Echo::Password};
    // The "Revierwelt" password belongs to the provider's account: never shown.
    if (key == kShowPasswordKey)
        return {!isDefault && m_position != EmailPresets::kRevierweltPosition, {}};
    const bool isOther = m_position == EmailPresets::kOtherPosition;
    if (key == kSmtpServerKey || key == kSmtpPortKey)
        return {isOther, textEcho};
    if (key == kSecureTypeKey)
        return {isOther, {}};
    return {};
}

void SenderModel::load()
{
    const int stored = m_record.select_email;
    // A position beyond the list can only come from a foreign working copy.
    const bool named = stored != EmailPresets::kDefaultPosition && stored < EmailPresets::kProviderCount;
    if (named && LoadRecordText(m_record.sender_email.email).size() >= kShortestStoredAddress) {
        m_position = stored;
        loadFrom(m_record.sender_email);
    } else {
        m_position = EmailPresets::kDefaultPosition;
        loadFrom(m_presets.entries[m_position]);
    }
}

void SenderModel::loadFrom(const EmailEntry &entry)
{
    m_address = LoadRecordText(entry.email);
    m_values[kSenderEmailKey] = m_address;
    m_values[kSenderAccountKey] = LoadRecordText(entry.account);
    m_values[kSenderPasswordKey] = LoadRecordText(entry.password);
    m_values[kSmtpServerKey] = LoadRecordText(entry.smtp_server);
    m_values[kSmtpPortKey] = LoadRecordText(entry.smtp_port);
    const int index = SecureType::index(entry.secure_type);
    const bool listed = index < SenderRow(kSecureTypeKey).itemCount();
    // An index without an item would store 0xFF for "Other": show "NO" instead.
    m_values[kSecureTypeKey] = m_position == EmailPresets::kDefaultPosition ? -1 : listed ? index : 0;
}

std::optional<SettingFault> SenderModel::set(const QString &key, const QVariant &value)
{
    m_values[key] = value;
    return std::nullopt;
}

std::optional<SettingFault> SenderModel::changed(const QString &key)
{
    if (key == kProviderKey) {
        const int position = m_values.value(key).toInt();
        if (position < 0 || position >= EmailPresets::kProviderCount || position == m_position)
            return std::nullopt;
        keepInPreset(m_presets.entries[m_position]);
        m_position = position;
        loadFrom(m_presets.entries[m_position]);
    } else if (key == kShowPasswordKey) {
        m_showPassword = m_values.value(key).toBool();
    } else if (key == kSenderEmailKey) {
        const QString account = text(kSenderAccountKey);
        if (account.isEmpty() || account == m_address)
            m_values[kSenderAccountKey] = text(key);
        m_address = text(key);
    }
    return std::nullopt;
}

int SenderModel::secureTypeIndexOrNone() const
{
    const int index = m_values.value(kSecureTypeKey).toInt();
    return index >= 0 && index < SenderRow(kSecureTypeKey).itemCount() ? index : 0;
}

void SenderModel::keepInPreset(EmailEntry &preset) const
{
    replaceText(preset.account, text(kSenderAccountKey));
    replaceText(preset.password, text(kSenderPasswordKey));
    ClearRecordText(preset.email);
    ClearRecordText(preset.email_local_part);
    StoreSenderAddress(preset, text(kSenderEmailKey));
    if (m_position == EmailPresets::kOtherPosition) {
        replaceText(preset.smtp_server, text(kSmtpServerKey));
        replaceText(preset.smtp_port, text(kSmtpPortKey));
        preset.secure_type = SecureType::fromIndex(secureTypeIndexOrNone());
    }
}

std::optional<SettingFault> SenderModel::check() const
{
    if (m_position == EmailPresets::kOtherPosition) {
        if (text(kSmtpServerKey).isEmpty())
            return senderFault(kSmtpServerKey, QT_TRANSLATE_NOOP("Messages", "Server must not be null!"));
        if (text(kSmtpPortKey).isEmpty())
            return senderFault(kSmtpPortKey, QT_TRANSLATE_NOOP("Messages", "Port must not be null!"));
        if (!smtpPortNumber(text(kSmtpPortKey)))
            return senderFault(kSmtpPortKey, QT_TRANSLATE_NOOP("Messages", "Port number must in 0-65535"));
    }
    if (m_position != EmailPresets::kDefaultPosition) {
        for (const QString &key : {kSenderEmailKey, kSenderAccountKey, kSenderPasswordKey})
            if (text(key).isEmpty())
                return senderFault(key, QT_TRANSLATE_NOOP("Messages", "Account or Email must not be null!"));
        if (!text(kSenderEmailKey).contains(u'@'))
            return senderFault(kSenderEmailKey, QT_TRANSLATE_NOOP("Messages", "Email is invalid!"));
    }
    return std::nullopt;
}

std::optional<SettingFault> SenderModel::store()
{
    if (std::optional<SettingFault> fault = check())
        return fault;

    m_record.select_email = std::uint8_t(m_position);
    if (m_position == EmailPresets::kDefaultPosition) {
        // Nothing can be typed for "Default": its account goes in whole.
        m_record.sender_email = m_presets.entries[m_position];
        return std::nullopt;
    }

    EmailEntry entry{};
    if (m_position == EmailPresets::kOtherPosition) {
        StoreRecordText(entry.smtp_server, text(kSmtpServerKey));
        // The number read, so that the camera never gets text behind it.
        StoreRecordText(entry.smtp_port, QString::number(*smtpPortNumber(text(kSmtpPortKey))));
        entry.secure_type = SecureType::fromIndex(secureTypeIndexOrNone());
    } else {
        // Server, port, security and the reserved byte come from the preset.
        std::memcpy(static_cast<void *>(&entry), &m_presets.entries[m_position], offsetof(EmailEntry, account));
    }
    StoreRecordText(entry.account, text(kSenderAccountKey));
    StoreRecordText(entry.password, text(kSenderPasswordKey));
    StoreSenderAddress(entry, text(kSenderEmailKey));

    m_record.sender_email = entry;
    return std::nullopt;
}
