#pragma once

#include "forms/message.h"
#include "presets/email_presets.h"
#include "profile/profile_record.h"

#include <QString>
#include <QStringList>

#include <optional>

// The sender e-mail dialog without its widgets: the provider shown, one
// working value per control, the rules that lock fields per provider, the
// checks and the store into the record.
class SenderEmailForm
{
public:
    enum class Field { Email, Account, Password, SmtpServer, SmtpPort };
    enum class Echo { Normal, Password, Blank };

    // What the rules of the current provider make of the controls.
    struct State {
        Echo textEcho;     // Email, Account, SMTP Server, SMTP Port
        Echo passwordEcho;
        bool accountEnabled; // Email, Account, Password
        bool showPasswordEnabled;
        bool showPasswordChecked;
        bool serverEnabled; // SMTP Server, Secure Type, SMTP Port and their labels

        friend bool operator==(const State &, const State &) = default;
    };

    struct Texts {
        QString email;
        QString account;
        QString password;
        QString smtpServer;
        QString smtpPort;

        friend bool operator==(const Texts &, const Texts &) = default;
    };

    struct Failure {
        Field field;
        Message message;
    };

    static constexpr int kEmailLimit = sizeof EmailEntry::email - 1;
    static constexpr int kAccountLimit = sizeof EmailEntry::account - 1;
    static constexpr int kPasswordLimit = sizeof EmailEntry::password - 1;
    static constexpr int kServerLimit = sizeof EmailEntry::smtp_server - 1;
    static constexpr int kPortLimit = sizeof EmailEntry::smtp_port - 1;

    // The "Secure Type" items; the index is the low nibble of `secure_type`.
    static QStringList secureTypeNames();

    // The dialog's caption, also that of its messages, and its labels.
    static QString caption();
    static QString selectEmailLabel();
    static QString secureTypeLabel();
    static QString label(Field field);

    explicit SenderEmailForm(EmailPresets &presets);

    Texts texts;
    int secureTypeIndex = -1; // the "Secure Type" item, -1 for none

    int position() const { return m_position; }
    State state() const;

    // Takes the record's account when it names a provider and holds an
    // address of more than 3 characters, else the "Default" one. The
    // show-password flag is kept from the previous opening.
    void load(const ProfileRecord &record);

    // The address changed from `before`: the account follows it while it is
    // empty or the address itself, never once the user typed one of its own.
    void emailChanged(const QString &before);
    void setShowPassword(bool shown);

    // Keeps what was typed for the provider being left in its preset, then
    // shows the new provider's preset.
    void switchProvider(int position);

    std::optional<Failure> check() const;
    // Checks, then rewrites `select_email` and all of `sender_email`.
    std::optional<Failure> store(ProfileRecord &record) const;

private:
    void loadFrom(const EmailEntry &entry);
    void keepInPreset(EmailEntry &preset) const;
    int secureTypeIndexOrNone() const;

    EmailPresets &m_presets;
    int m_position = EmailPresets::kDefaultPosition;
    bool m_showPassword = false;
};
