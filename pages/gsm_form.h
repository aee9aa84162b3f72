#pragma once

#include "dialogs/message.h"
#include "pages/operator_selection.h"
#include "pages/page_fault.h"
#include "pages/page_values.h"
#include "pages/profile_session.h"

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

// The settings page without its widgets: its values, the rules that enable
// and label its controls, and what its handlers do to the values and the record.
class GsmForm
{
public:
    explicit GsmForm(ProfileSession &session);

    PageValues &values() { return m_values; }
    const PageValues &values() const { return m_values; }
    OperatorSelection &operators() { return m_operators; }
    const OperatorSelection &operators() const { return m_operators; }

    // Fills the values from the record.
    void open_page();
    // Reads the controls into the values; a message when one cannot be read.
    std::optional<Message> read_page(const PageControls &controls);
    PageState state() const;
    // The control that the last reading, check or save found at fault; none after a success.
    const std::optional<PageFault> &fault() const { return m_fault; }

    void instant_changed(int index);
    void daily_report_changed(int index);
    void send_to_clicked(int sendTo);
    void rename_changed(int index);
    void sms_switch_changed(int index);
    void sms_start_changed(int hour);
    void sms_stop_changed(int hour);

    // The work-time hours follow "SMS Switch": the saved ones for "Set", else none.
    void refresh_command_phone();

    // Asked with the problems before settings that cannot send are written; true writes them.
    using SaveAnyway = std::function<bool(const QStringList &problems)>;
    // "OK": stores the page and saves both files and the durable copy; no
    // message when the user chose not to save settings that cannot send.
    OkOutcome ok(const PageControls &controls, int headerConstant, const SaveAnyway &saveAnyway);
    std::optional<Message> store_page(const PageControls &controls);

    // "...": where the picker starts and the drives it lists; then the chosen
    // folder is taken, or the message says why it cannot be.
    QString picker_start() const;
    QStringList picker_drives() const;
    std::optional<Message> folder_chosen(const QUrl &folder);
    // The removable-media folders to look in instead of the user's own.
    void set_media_folders(const QStringList &folders) { m_mediaFolders = folders; }

    // Puts a PROFILE.BIN or working copy into the record and the values, or says
    // why not and changes nothing. A PROFILE.BIN's folder becomes the save path.
    std::optional<Message> open_file(const QString &path);

    // "Default All", once the user said Yes.
    void default_all();
    void reset_page();

private:
    void takeSendMode();
    std::optional<Message> noting(std::optional<Message> failure, const PageFault &fault);

    ProfileSession &m_session;
    PageValues m_values;
    OperatorSelection m_operators;
    std::optional<PageFault> m_fault;
    std::optional<QStringList> m_mediaFolders;
};
