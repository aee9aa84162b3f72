#include "settings/sender_schema.h"

#include "presets/email_presets.h"
#include "profile/profile_record.h"

#include <QCoreApplication>

namespace {

RecordPlace senderPlace(const RecordPlace &inEntry)
{
    return inEntry.in(QStringLiteral("sender_email"), offsetof(ProfileRecord, sender_email));
}

// `label` is marked in the context "SenderItems", `tip` in "SenderTips".
SettingRow senderRow(SettingKind kind, const char *label, const RecordPlace &inEntry, const QString &objectName,
                     const char *tip)
{
    SettingRow row;
    row.kind = kind;
    row.label = Translated("SenderItems", label);
    row.places = {senderPlace(inEntry)};
    row.tip = {"SenderTips", tip};
    row.objectName = objectName;
    row.typing = {TypedTextRule::Characters::CodePage, int(inEntry.width) - 1};
    // The defaults put in the default sender's entry whole.
    row.recordDefault = false;
    return row;
}

QList<SettingGroup> senderGroups()
{
    using K = SettingKind;

    SettingRow provider;
    provider.places = {TALMERIS_PLACE(ProfileRecord, select_email)};
    provider.label = Translated("SenderItems", QT_TRANSLATE_NOOP("SenderItems", "Select Email"));
    provider.items = &ProviderNames;
    provider.tip = {"SenderTips", QT_TRANSLATE_NOOP("SenderTips",
        "The mail service the camera sends from; \"Default\" is empty in this tool, so choose yours.")};
    provider.objectName = QStringLiteral("selectEmailCombo");

    SettingRow email = senderRow(K::Text, QT_TRANSLATE_NOOP("SenderItems", "Email"), TALMERIS_PLACE(EmailEntry, email),
        QStringLiteral("emailEdit"), QT_TRANSLATE_NOOP("SenderTips", "The address the camera's e-mails come from."));
    // The local part is made from the address: it changes with it.
    email.places.append(senderPlace(TALMERIS_PLACE(EmailEntry, email_local_part)));
    email.followsTyping = true;

    // Remembered while the tool runs; never stored.
    SettingRow showPassword;
    showPassword.kind = K::Check;
    showPassword.places = {RecordPlace{QStringLiteral("sender_email.show_password")}};
    showPassword.label = Translated("SenderEmailDialog", QT_TRANSLATE_NOOP("SenderEmailDialog", "Show password"));
    showPassword.objectName = QStringLiteral("showPasswordCheck");
    showPassword.recordDefault = false;

    SettingRow secure = senderRow(K::SecureType, QT_TRANSLATE_NOOP("SenderItems", "Secure Type"),
        TALMERIS_PLACE(EmailEntry, secure_type), QStringLiteral("secureTypeCombo"),
        QT_TRANSLATE_NOOP("SenderTips", "How the connection to that server is protected, as your provider says."));
    secure.items = [] {
        return QStringList{QCoreApplication::translate("SenderItems", "NO"), QStringLiteral("SSL/TLS"),
                           QStringLiteral("STARTTLS")};
    };

    SettingRow port = senderRow(K::Text, QT_TRANSLATE_NOOP("SenderItems", "SMTP Port"),
        TALMERIS_PLACE(EmailEntry, smtp_port), QStringLiteral("smtpPortEdit"),
        QT_TRANSLATE_NOOP("SenderTips", "The server's port number, as your provider says."));
    port.typing.characters = TypedTextRule::Characters::Digits;

    return {
        {{}, {}, {provider}},
        {QStringLiteral("accountFrame"), {},
         {email,
          senderRow(K::Text, QT_TRANSLATE_NOOP("SenderItems", "Account"), TALMERIS_PLACE(EmailEntry, account),
              QStringLiteral("accountEdit"),
              QT_TRANSLATE_NOOP("SenderTips", "The login name of that account, often the address itself.")),
          // Names the providers that want an app password and where each explains it.
          senderRow(K::Secret, QT_TRANSLATE_NOOP("SenderItems", "Password"), TALMERIS_PLACE(EmailEntry, password),
              QStringLiteral("passwordEdit"), QT_TRANSLATE_NOOP("SenderTips",
              "gmail, hotmail and yahoo need an app password here, not your account's login password:\n"
              "make one for the camera in the provider's account settings, with two-step verification on.\n"
              "Google: \"Sign in with app passwords\", support.google.com/mail/answer/185833\n"
              "Yahoo: \"Generate and manage 3rd-party app passwords\", help.yahoo.com\n"
              "Microsoft: your account's security settings, \"App passwords\"")),
          showPassword}},
        {QStringLiteral("serverFrame"), {},
         {senderRow(K::Text, QT_TRANSLATE_NOOP("SenderItems", "SMTP Server"), TALMERIS_PLACE(EmailEntry, smtp_server),
              QStringLiteral("smtpServerEdit"), QT_TRANSLATE_NOOP("SenderTips",
              "The server that sends the camera's e-mails, as your provider names it.")),
          secure, port}}};
}

} // namespace

const QList<SettingGroup> &SenderGroups()
{
    static const QList<SettingGroup> groups = senderGroups();
    return groups;
}

const QList<SettingRow> &SenderRows()
{
    static const QList<SettingRow> rows = [] {
        QList<SettingRow> stored;
        for (const SettingGroup &group : SenderGroups())
            for (const SettingRow &row : group.rows)
                if (row.kind != SettingKind::Check)
                    stored.append(row);
        return stored;
    }();
    return rows;
}

const SettingRow &SenderRow(const QString &key)
{
    for (const SettingGroup &group : SenderGroups())
        for (const SettingRow &row : group.rows)
            if (row.key() == key)
                return row;
    qFatal("No sender setting %s", qPrintable(key));
}
