#include "forms/settings_form.h"

#include "forms/camera_form.h"
#include "forms/operator_form.h"
#include "forms/page_items.h"
#include "forms/page_reading.h"
#include "forms/profile_defaults.h"
#include "forms/removable_media.h"
#include "forms/sender_email_form.h"
#include "forms/sending_problems.h"
#include "forms/store_page.h"
#include "profile/durable_copy.h"
#include "profile/profile_files.h"
#include "profile/record_text.h"
#include "profile/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace {

constexpr int kSmsSet = 2;
constexpr int kSendToPhone = 0;
constexpr int kSendToEmail = 1;

} // namespace

QString SavePathPickerTitle()
{
    return QCoreApplication::translate("Messages", "Please Select the Save Path");
}

QString DefaultAllCaption()
{
    return QCoreApplication::translate("Messages", "Default Setting");
}

QString DefaultAllQuestion()
{
    return QCoreApplication::translate("Messages", "You'll restore the default all setting,\r\nAre you sure?");
}

QString OpenSettingsCaption()
{
    return QCoreApplication::translate("Messages", "Open Settings");
}

QString OpenSettingsQuestion(const QString &path)
{
    return QCoreApplication::translate("Messages",
                                       "Open the settings in %1?\r\nThey replace the settings on the page and in the "
                                       "dialogs; nothing is written until you press \"OK\".")
        .arg(QDir::toNativeSeparators(path));
}

QString SaveCaption()
{
    return QCoreApplication::translate("Messages", "Save PROFILE");
}

QString CannotSendQuestion(const QStringList &problems)
{
    const QString gap = QStringLiteral("\r\n\r\n");
    return QCoreApplication::translate("Messages", "The camera cannot send with these settings:") + gap
           + problems.join(gap) + gap + QCoreApplication::translate("Messages", "Save PROFILE.BIN anyway?");
}

QString DiscardChangesCaption()
{
    return QCoreApplication::translate("Messages", "Unsaved Changes");
}

QString DiscardChangesQuestion()
{
    return QCoreApplication::translate("Messages", "Discard the changes?");
}

SettingsForm::SettingsForm(ProfileSession &session)
    : m_session(session)
    , m_operators(m_values, session.record, session.catalogue)
{
}

void SettingsForm::load()
{
    const ProfileRecord &record = m_session.record;
    m_values.default_sender = DefaultSender();

    for (PageSetting setting : kPageSettings)
        m_values.choice(setting) = PageSettingOf(setting).place().read(&record);
    // Only the two switch bits mean anything; a file written elsewhere may set others.
    m_values.choice(PageSetting::DailyReport) &= 1;
    m_values.instant_number = record.instant_number;
    m_values.daily_report_hour = record.daily_report_hour;
    m_values.daily_report_minute = record.daily_report_minute;

    m_operators.load();

    // Only a working copy written elsewhere holds another value: show "Email".
    m_values.send_to = record.send_to == kSendToPhone ? kSendToPhone : kSendToEmail;
    m_values.rename_text = LoadRecordText(record.rename_text);

    m_values.sms_start_hour = m_values.saved_sms_start_hour = record.sms_start_hour;
    m_values.sms_stop_hour = m_values.saved_sms_stop_hour = record.sms_stop_hour;
    refreshCommandPhone();

    for (int i = 0; i < kRecipientCount; ++i) {
        m_values.phone_number[std::size_t(i)] = LoadRecordText(PhoneNumberField(record, i));
        m_values.receive_email[std::size_t(i)] = LoadRecordText(ReceiveEmailField(record, i));
    }
}

std::optional<Message> SettingsForm::noting(std::optional<Message> failure, const PageFault &fault)
{
    m_fault.reset();
    if (failure)
        m_fault = fault;
    return failure;
}

std::optional<Message> SettingsForm::take(const PageControls &controls)
{
    PageFault fault;
    return noting(ReadPage(m_values, controls, fault), fault);
}

PageState SettingsForm::state() const
{
    PageState state;
    const int smsSwitch = m_values.choice(PageSetting::SmsSwitch);
    state.instant_number_enabled = m_values.choice(PageSetting::Instant) == 1;
    state.daily_report_time_enabled = m_values.choice(PageSetting::DailyReport) == 1;
    state.sms_work_time_enabled = smsSwitch == kSmsSet;
    state.rename_text_enabled = m_values.choice(PageSetting::Rename) == 1;
    state.command_phone = smsSwitch > 0;
    state.first_phone_label = state.command_phone ? PageItems::commandPhoneLabel() : PageItems::phoneNumberLabel(0);

    const bool phone = m_values.send_to == kSendToPhone;
    const bool email = m_values.send_to == kSendToEmail;
    state.phone_enabled.fill(phone);
    state.email_enabled.fill(email);
    // The command phone stays editable while the camera takes SMS commands.
    state.phone_enabled[0] = phone || state.command_phone;
    state.email_size_enabled = email;
    state.custom_enabled = m_operators.customEnabled();
    return state;
}

void SettingsForm::choiceChanged(PageSetting setting, int index)
{
    m_values.choice(setting) = index;
    if (setting == PageSetting::SmsSwitch)
        refreshCommandPhone();
}

void SettingsForm::refreshCommandPhone()
{
    if (m_values.choice(PageSetting::SmsSwitch) == kSmsSet) {
        m_values.sms_start_hour = m_values.saved_sms_start_hour;
        m_values.sms_stop_hour = m_values.saved_sms_stop_hour;
    } else {
        m_values.sms_start_hour = 0;
        m_values.sms_stop_hour = 0;
    }
}

void SettingsForm::smsStartChanged(int hour)
{
    m_values.sms_start_hour = hour;
    if (m_values.sms_stop_hour < hour)
        m_values.sms_stop_hour = hour;
    m_values.saved_sms_start_hour = m_values.sms_start_hour;
    m_values.saved_sms_stop_hour = m_values.sms_stop_hour;
}

void SettingsForm::smsStopChanged(int hour)
{
    m_values.sms_stop_hour = hour;
    // A stop of "00" may stand below any start; any other earlier stop clears the start.
    if (hour < m_values.sms_start_hour && hour != 0)
        m_values.sms_start_hour = 0;
    m_values.saved_sms_start_hour = m_values.sms_start_hour;
    m_values.saved_sms_stop_hour = m_values.sms_stop_hour;
}

std::optional<Message> SettingsForm::store(const PageControls &controls)
{
    PageFault fault;
    return noting(StorePage(controls, m_values, m_session, m_operators, fault), fault);
}

OkOutcome SettingsForm::save(const PageControls &controls, int headerConstant, const SaveAnyway &saveAnyway)
{
    m_session.record.header_value = std::uint16_t(headerConstant & 0xFFFF);
    if (auto failure = store(controls))
        return {{*failure}, std::nullopt};

    const QString saveCaption = SaveCaption();
    if (m_values.save_path.isEmpty()) {
        m_fault = PageFault{PageFault::Field::SavePath};
        return {{{saveCaption, QCoreApplication::translate("Messages", "Please choose path to SD card Drive.")}},
                std::nullopt};
    }

    const QString profilePath = QDir::toNativeSeparators(ProfileFilePath(m_values.save_path));
    const auto failed = [&](const FileError &error) {
        // Only a card that cannot be written is the folder's fault, not the temporary folder.
        if (error.path == profilePath)
            m_fault = PageFault{PageFault::Field::SavePath};
        return OkOutcome{{{QCoreApplication::applicationName(), error.message(), Message::Icon::Error}},
                         std::nullopt};
    };
    // Asked about sending only to learn then that the card is missing, the user
    // would have answered for nothing: the error the save would give comes first.
    if (!QFileInfo(m_values.save_path).isDir())
        return failed({FileError::Cause::BadPath, profilePath});

    const QStringList problems = SendingProblems(m_session.record);
    if (!problems.isEmpty() && !saveAnyway(problems))
        return {};

    if (const auto error = SaveProfile(m_values.save_path, m_session.record, m_session.custom))
        return failed(*error);
    markSaved(controls);
    OkOutcome outcome{{{saveCaption, QCoreApplication::translate("Messages", "PROFILE.BIN has been saved in %1")
                                         .arg(m_values.save_path)}},
                      m_values.save_path};
    // The card and the working copy are saved; only the next start after a reboot would miss this copy.
    if (const auto error = SaveDurableCopy(m_session.record, m_session.custom))
        outcome.messages.append({saveCaption,
                                 QCoreApplication::translate("Messages",
                                     "Your settings could not be kept beyond a restart of the computer:"
                                     "\r\n%1\r\nAfter a restart the tool may open with older settings "
                                     "or the defaults.")
                                     .arg(error->message()),
                                 Message::Icon::Warning});
    return outcome;
}

std::optional<Message> SettingsForm::openFile(const QString &path)
{
    const SettingsFileResult opened =
        OpenSettingsFile(path, m_session.record, m_session.custom, m_session.currentArea);
    if (const auto *refused = std::get_if<SettingsFileFault>(&opened))
        return Message{OpenSettingsCaption(),
                       QCoreApplication::translate("Messages", "%1\r\nNothing was changed.",
                                                   "after why a file is refused")
                           .arg(refused->message()),
                       Message::Icon::Error};

    if (std::get<SettingsFileKind>(opened) == SettingsFileKind::ProfileFile) {
        m_operators.takeCardOperator();
        // "OK" writes the edited settings back onto the same card.
        m_values.save_path = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    }
    load();
    return std::nullopt;
}

QString SettingsForm::pickerStart() const
{
    return PickerStartFolder(m_values.save_path, m_mediaFolders.value_or(RemovableMediaFolders()));
}

QStringList SettingsForm::pickerDrives() const
{
    return RemovableDrives(m_mediaFolders.value_or(RemovableMediaFolders()));
}

std::optional<Message> SettingsForm::folderChosen(const QUrl &folder)
{
    if (!folder.isLocalFile() || folder.toLocalFile().isEmpty())
        return Message{PageItems::savePathLabel(), QCoreApplication::translate("Messages", "Select the Path Error")};
    m_values.save_path = QDir::toNativeSeparators(folder.toLocalFile());
    return std::nullopt;
}

void SettingsForm::defaultAll()
{
    SetProfileDefaults(m_session.record, m_session.currentArea);
    reset();
}

void SettingsForm::reset()
{
    DeleteWorkingCopy();
    // A fresh page; the save path and the default account stay.
    const PageValues kept = std::exchange(m_values, PageValues{});
    m_values.save_path = kept.save_path;
    m_values.default_sender = kept.default_sender;
    m_operators.reset();
    m_session.record.sender_email = m_values.default_sender;
}

QByteArray SettingsForm::wouldStore(const PageControls &controls) const
{
    ProfileSession scratch;
    scratch.record = m_session.record;
    scratch.custom = m_session.custom;
    scratch.presets = m_session.presets;
    scratch.currentArea = m_session.currentArea;
    // Through each dialog's OK first: an OK without a change, which stores the
    // same settings in the dialog's own way (a window's switch bit), changes nothing.
    CameraForm camera(scratch.record);
    camera.load();
    camera.store();
    SenderEmailForm sender(scratch.presets);
    sender.load(scratch.record);
    sender.store(scratch.record);
    OperatorForm operatorForm;
    operatorForm.load(scratch.record.operator_);
    operatorForm.store(scratch.record.operator_);

    SettingsForm form(scratch);
    form.m_values = m_values;
    // A failed check leaves what the steps before it stored, as "OK" would.
    form.store(controls);
    // "OK" sets the header value itself, even when a check then fails.
    scratch.record.header_value = 0;
    QByteArray bytes(reinterpret_cast<const char *>(&scratch.record), sizeof scratch.record);
    bytes.append(reinterpret_cast<const char *>(&scratch.custom), sizeof scratch.custom);
    return bytes;
}

void SettingsForm::markSaved(const PageControls &controls)
{
    m_savedControls = controls;
    m_savedBytes = wouldStore(controls);
}

bool SettingsForm::hasUnsavedChanges(const PageControls &controls) const
{
    return controls != m_savedControls || wouldStore(controls) != m_savedBytes;
}
