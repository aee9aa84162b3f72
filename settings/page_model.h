#pragma once

#include "settings/operator_selection.h"
#include "settings/profile_session.h"
#include "settings/window_model.h"
#include "profile/email_entry.h"

#include <QHash>
#include <QList>
#include <QUrl>

#include <functional>
#include <optional>

// What "OK" ended with: the faults and notes to show, in order, and the
// folder PROFILE.BIN went into when the save succeeded.
struct OkOutcome {
    QList<SettingFault> messages;
    std::optional<QString> savedIn;
};

// The question before the settings in a file replace the page's: Yes opens them.
Message OpenSettingsQuestion(const QString &path);

// The settings page without its widgets: a value per control by its key, the
// rules that enable and label the controls, and what "OK", "Default All", the
// folder picker and an opened file do to the values and the record.
class PageModel : public WindowModel
{
public:
    explicit PageModel(ProfileSession &session);

    void load() override;
    QVariant value(const QString &key) const override;
    std::optional<SettingFault> set(const QString &key, const QVariant &value) override;
    std::optional<SettingFault> changed(const QString &key) override;
    ControlState state(const QString &key) const override;
    QStringList items(const QString &key) const override;
    QString enabler(const QString &key) const override;
    std::optional<SettingFault> check() const override;
    // Checks the page and stores it into the record, step by step in a fixed
    // order; what the steps before a failing check stored stays stored.
    std::optional<SettingFault> store() override;

    OperatorSelection &operators() { return m_operators; }
    // The first phone is the one SMS commands come from: its label says so.
    bool commandPhone() const;
    bool customEnabled() const { return m_operators.customEnabled(); }

    // Asked with the question before a step that changes or loses settings; true goes on.
    using Ask = std::function<bool(const Message &question)>;
    // "OK": stores the page and saves both files and the durable copy; no
    // message when the user chose not to save settings that cannot send.
    OkOutcome save(const Ask &saveAnyway);

    // "...": where the picker starts and the drives it lists; then the chosen
    // folder is taken, or the message says why it cannot be.
    QString pickerStart() const;
    QStringList pickerDrives() const;
    std::optional<Message> folderChosen(const QUrl &folder);
    // The removable-media folders to look in instead of the user's own.
    void setMediaFolders(const QStringList &folders) { m_mediaFolders = folders; }

    // Puts a PROFILE.BIN or working copy into the record and the values, or says
    // why not and changes nothing. A PROFILE.BIN's folder becomes the save path.
    std::optional<Message> openFile(const QString &path);

    // "Default All", once the user said Yes; false when the user said No.
    bool defaultAll(const Ask &ask);
    void reset();

    // Takes the values and the record as they are now for saved: at start,
    // and by every successful save.
    void markSaved();
    // False when the values, or what "OK" would store from them and the
    // dialogs, differ from what was last marked saved and the user did not
    // agree to discard them.
    bool mayClose(const Ask &ask) const;

private:
    bool hasUnsavedChanges() const;
    // Puts the session and the values into a scratch session and its page.
    void copyInto(ProfileSession &scratch, PageModel &page) const;
    // The record and custom entries "OK" would leave after every dialog's OK,
    // stored on a copy; the session is not touched.
    QByteArray wouldStore() const;
    std::optional<SettingFault> storeRecipients();
    std::optional<SettingFault> storeRename();
    void storeGroup(const QString &group);
    void refreshSmsHours();
    int number(const QString &key) const { return m_values.value(key).toInt(); }

    ProfileSession &m_session;
    QHash<QString, QVariant> m_values;
    // Values a control held that could not be taken: "OK" names the first.
    QHash<QString, SettingFault> m_unreadable;
    int m_country = 0;
    int m_operator = 0;
    // The positions the lists show, taken by the rules when the user chose one.
    int m_shownCountry = 0;
    int m_shownOperator = 0;
    OperatorSelection m_operators;
    // The hours shown again when "SMS Switch" returns to "Set".
    int m_savedSmsStart = 0;
    int m_savedSmsStop = 0;
    // The account "Default All" puts into the record, and "OK" when no provider was chosen.
    EmailEntry m_defaultSender = DefaultSender();
    std::optional<QStringList> m_mediaFolders;
    QHash<QString, QVariant> m_savedValues;
    QByteArray m_savedBytes;
};
