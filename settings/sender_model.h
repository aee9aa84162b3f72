#pragma once

#include "settings/window_model.h"
#include "presets/email_presets.h"
#include "profile/profile_record.h"

#include <QHash>

// The sender e-mail dialog without its widgets: the provider shown, its
// account as typed, the rules that lock fields per provider, the checks and
// the store into the record. The presets keep what was typed for each
// provider while the tool runs.
class SenderModel : public WindowModel
{
public:
    // The dialog's caption, also that of its messages.
    static constexpr const char *kCaption = QT_TRANSLATE_NOOP("SenderItems", "Sender Email Setting");

    SenderModel(ProfileRecord &record, EmailPresets &presets);

    // Takes the record's account when it names a provider and holds an
    // address of more than 3 characters, else the "Default" one. "Show
    // password" is kept from the previous opening.
    void load() override;
    QVariant value(const QString &key) const override;
    std::optional<SettingFault> set(const QString &key, const QVariant &value) override;
    // A new provider keeps what was typed for the one left in its preset and
    // shows its own. The account follows the address while it is empty or
    // the address itself.
    std::optional<SettingFault> changed(const QString &key) override;
    ControlState state(const QString &key) const override;
    std::optional<SettingFault> check() const override;
    // Checks, then rewrites `select_email` and all of `sender_email`.
    std::optional<SettingFault> store() override;

private:
    QString text(const QString &key) const;
    bool passwordShown() const;
    void loadFrom(const EmailEntry &entry);
    void keepInPreset(EmailEntry &preset) const;
    int secureTypeIndexOrNone() const;

    ProfileRecord &m_record;
    EmailPresets &m_presets;
    int m_position = EmailPresets::kDefaultPosition;
    bool m_showPassword = false;
    QString m_address; // before the change whose rule runs
    // As set: the texts, the "Secure Type" item (-1 for none), the provider and the box chosen.
    QHash<QString, QVariant> m_values;
};
