#pragma once

#include "forms/message.h"
#include "forms/operator_selection.h"
#include "forms/page_fault.h"
#include "forms/page_values.h"
#include "forms/profile_session.h"

#include <QList>
#include <QUrl>

#include <functional>
#include <optional>

// The folder picker's title, and the "Default All" question.
QString SavePathPickerTitle();
QString DefaultAllCaption();
QString DefaultAllQuestion();
// Opening a settings file: the caption of its question and messages, and the question naming the file.
QString OpenSettingsCaption();
QString OpenSettingsQuestion(const QString &path);

// What "OK" ended with: the messages to show, in order, and the folder
// PROFILE.BIN went into when the save succeeded.
struct OkOutcome {
    QList<Message> messages;
    std::optional<QString> saved_in;
};
// The caption of the save messages, and the question before settings that
// cannot send are saved.
QString SaveCaption();
QString CannotSendQuestion(const QStringList &problems);
// The question before the tool closes with changes not saved onto a card, and its caption.
QString DiscardChangesCaption();
QString DiscardChangesQuestion();

// The settings page without its widgets: its values, the rules that enable
// and label its controls, and what its handlers do to the values and the record.
class SettingsForm
{
public:
    explicit SettingsForm(ProfileSession &session);

    PageValues &values() { return m_values; }
    OperatorSelection &operators() { return m_operators; }

    // Fills the values from the record.
    void load();
    // Reads the controls into the values; a message when one cannot be read.
    std::optional<Message> take(const PageControls &controls);
    PageState state() const;
    // The control that the last reading, check or save found at fault; none after a success.
    const std::optional<PageFault> &fault() const { return m_fault; }

    void choiceChanged(PageSetting setting, int index);
    void smsStartChanged(int hour);
    void smsStopChanged(int hour);

    // The work-time hours follow "SMS Switch": the saved ones for "Set", else none.
    void refreshCommandPhone();

    // Asked with the problems before settings that cannot send are written; true writes them.
    using SaveAnyway = std::function<bool(const QStringList &problems)>;
    // "OK": stores the page and saves both files and the durable copy; no
    // message when the user chose not to save settings that cannot send.
    OkOutcome save(const PageControls &controls, int headerConstant, const SaveAnyway &saveAnyway);
    std::optional<Message> store(const PageControls &controls);

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

    // "Default All", once the user said Yes.
    void defaultAll();
    void reset();

    // Takes the controls and the record as they are now for saved: at start,
    // and by every successful save.
    void markSaved(const PageControls &controls);
    // True when the controls, or what "OK" would store from them and the
    // dialogs, differ from what was last marked saved.
    bool hasUnsavedChanges(const PageControls &controls) const;

private:
    std::optional<Message> noting(std::optional<Message> failure, const PageFault &fault);
    // The record and custom entries "OK" would leave after every dialog's OK,
    // stored on a copy; the session is not touched.
    QByteArray wouldStore(const PageControls &controls) const;

    ProfileSession &m_session;
    PageValues m_values;
    OperatorSelection m_operators;
    std::optional<PageFault> m_fault;
    std::optional<QStringList> m_mediaFolders;
    PageControls m_savedControls;
    QByteArray m_savedBytes;
};
