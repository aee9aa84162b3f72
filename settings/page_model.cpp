#include "settings/page_model.h"

#include "settings/camera_model.h"
#include "settings/operator_model.h"
#include "settings/page_schema.h"
#include "settings/profile_defaults.h"
#include "settings/removable_media.h"
#include "settings/sender_model.h"
#include "settings/sending_problems.h"
#include "profile/profile_files.h"
#include "profile/settings_copies.h"
#include "profile/record_text.h"
#include "profile/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {

constexpr int kSmsSet = 2;
constexpr int kSendToPhone = 0;
constexpr int kSendToEmail = 1;
constexpr int kPhoneMinLength = 4;
constexpr int kPhoneMaxLength = 15;
constexpr int kEmailMaxLength = 47;

const PageKeys &pageKeys()
{
    return PageKey();
}

QString messageText(const char *text)
{
    return QCoreApplication::translate("Messages", text);
}

// `text` is marked with QT_TRANSLATE_NOOP in the context "Messages".
SettingFault refusal(const QString &key, const char *caption, const char *text)
{
    return {key, {messageText(caption), messageText(text), Message::Icon::Error}};
}

constexpr const char *kSaveCaption = QT_TRANSLATE_NOOP("Messages", "Save PROFILE");
constexpr const char *kOpenCaption = QT_TRANSLATE_NOOP("Messages", "Open Settings");

const SettingRow &pageRow(const QString &key)
{
    if (key == SavePathRow().key())
        return SavePathRow();
    for (const SettingGroup &group : PageGroups())
        for (const SettingRow &row : group.rows)
            if (row.key() == key)
                return row;
    qFatal("No page setting %s", qPrintable(key));
}

std::span<char> textField(ProfileRecord &record, const QString &key)
{
    const RecordPlace &place = pageRow(key).place();
    return {reinterpret_cast<char *>(&record) + place.offset, place.width};
}

// The number field's value, or nothing when its text is no integer.
std::optional<int> readInteger(const QString &text)
{
    bool isNumber = false;
    const int number = text.trimmed().toInt(&isNumber);
    return isNumber ? std::optional<int>(number) : std::nullopt;
}

bool isRenameCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z');
}

const SettingGroup &groupOf(const QString &key)
{
    for (const SettingGroup &group : PageGroups())
        if (group.key == key)
            return group;
    qFatal("No page group %s", qPrintable(key));
}

} // namespace

Message OpenSettingsQuestion(const QString &path)
{
    return {messageText(kOpenCaption),
            QCoreApplication::translate("Messages",
                                        "Open the settings in %1?\r\nThey replace the settings on the page and in the "
                                        "dialogs; nothing is written until you press \"OK\".")
                .arg(QDir::toNativeSeparators(path))};
}

PageModel::PageModel(ProfileSession &session)
    : m_session(session)
    , m_operators(m_country, m_operator, session.record, session.catalogue)
{
}

void PageModel::load()
{
    const ProfileRecord &record = m_session.record;
    m_defaultSender = DefaultSender();
    m_unreadable.clear();
    for (const SettingGroup &group : PageGroups()) {
        if (group.key == pageKeys().operatorGroup)
            continue;
        for (const SettingRow &row : group.rows) {
            const RecordPlace &place = row.place();
            if (row.kind == SettingKind::Text)
                m_values[row.key()] = LoadRecordText(std::span<const char>(
                    reinterpret_cast<const char *>(&record) + place.offset, place.width));
            else if (row.kind == SettingKind::Number)
                m_values[row.key()] = QString::number(place.read(&record));
            else
                m_values[row.key()] = place.read(&record);
        }
    }
    // Only the two switch bits mean anything; a file written elsewhere may set others.
    m_values[pageKeys().dailyReport] = number(pageKeys().dailyReport) & 1;
    // Only a working copy written elsewhere holds another value: show "Email".
    m_values[pageKeys().sendTo] = record.send_to == kSendToPhone ? kSendToPhone : kSendToEmail;
    m_values.insert(pageKeys().savePath, m_values.value(pageKeys().savePath, QString()));

    m_operators.load();
    m_shownCountry = m_country;
    m_shownOperator = m_operator;

    m_savedSmsStart = number(pageKeys().smsStart);
    m_savedSmsStop = number(pageKeys().smsStop);
    refreshSmsHours();
}

QVariant PageModel::value(const QString &key) const
{
    if (key == pageKeys().country)
        return m_country;
    if (key == pageKeys().operatorIndex)
        return m_operator;
    return m_values.value(key);
}

std::optional<SettingFault> PageModel::set(const QString &key, const QVariant &value)
{
    if (key == pageKeys().country) {
        m_shownCountry = value.toInt();
        return std::nullopt;
    }
    if (key == pageKeys().operatorIndex) {
        m_shownOperator = value.toInt();
        return std::nullopt;
    }
    m_unreadable.remove(key);
    std::optional<SettingFault> refused;
    if (key == pageKeys().instantNumber) {
        if (const auto read = readInteger(value.toString())) {
            m_values[key] = QString::number(*read);
            return std::nullopt;
        }
        // Kept as typed, for the user to mend; "OK" refuses it.
        refused = SettingFault{key, FieldExchangeMessage(messageText(QT_TRANSLATE_NOOP("Messages", "Enter an integer.")))};
        m_values[key] = value;
    } else if (key == pageKeys().savePath || key == pageKeys().renameText) {
        const int limit = pageRow(key).typing.limit;
        if (value.toString().size() > limit)
            refused = SettingFault{key, TooManyCharactersMessage(limit)};
        else
            m_values[key] = value;
    } else if (key == pageKeys().sendTo) {
        // Neither button checked keeps the choice.
        if (value.toInt() >= 0)
            m_values[key] = value;
    } else {
        m_values[key] = value;
    }
    if (refused)
        m_unreadable.insert(key, *refused);
    return refused;
}

std::optional<SettingFault> PageModel::changed(const QString &key)
{
    const int chosen = number(key);
    if (key == pageKeys().smsSwitch) {
        refreshSmsHours();
    } else if (key == pageKeys().smsStart) {
        if (number(pageKeys().smsStop) < chosen)
            m_values[pageKeys().smsStop] = chosen;
        m_savedSmsStart = number(pageKeys().smsStart);
        m_savedSmsStop = number(pageKeys().smsStop);
    } else if (key == pageKeys().smsStop) {
        // A stop of "00" may stand below any start; any other earlier stop clears the start.
        if (chosen < number(pageKeys().smsStart) && chosen != 0)
            m_values[pageKeys().smsStart] = 0;
        m_savedSmsStart = number(pageKeys().smsStart);
        m_savedSmsStop = number(pageKeys().smsStop);
    } else if (key == pageKeys().country) {
        m_operators.countryChanged(m_shownCountry);
    } else if (key == pageKeys().operatorIndex) {
        m_operators.operatorChanged(m_shownOperator);
    }
    return std::nullopt;
}

void PageModel::refreshSmsHours()
{
    const bool set = number(pageKeys().smsSwitch) == kSmsSet;
    m_values[pageKeys().smsStart] = set ? m_savedSmsStart : 0;
    m_values[pageKeys().smsStop] = set ? m_savedSmsStop : 0;
}

bool PageModel::commandPhone() const
{
    return number(pageKeys().smsSwitch) > 0;
}

ControlState PageModel::state(const QString &key) const
{
    const PageKeys &k = pageKeys();
    const bool phone = number(k.sendTo) == kSendToPhone;
    const bool email = number(k.sendTo) == kSendToEmail;
    bool enabled = true;
    if (key == k.instantNumber)
        enabled = number(k.instant) == 1;
    else if (key == k.dailyReportHour || key == k.dailyReportMinute)
        enabled = number(k.dailyReport) == 1;
    else if (key == k.smsStart || key == k.smsStop)
        enabled = number(k.smsSwitch) == kSmsSet;
    else if (key == k.renameText)
        enabled = number(k.rename) == 1;
    else if (key == k.emailSize || k.emails.contains(key))
        enabled = email;
    // The command phone stays editable while the camera takes SMS commands.
    else if (k.phones.contains(key))
        enabled = phone || (key == k.phones.first() && commandPhone());
    return {enabled, {}};
}

QStringList PageModel::items(const QString &key) const
{
    if (key == pageKeys().operatorIndex)
        return m_operators.operatorItems();
    if (key == pageKeys().country)
        return m_session.catalogue.countryNames();
    return {};
}

QString PageModel::enabler(const QString &key) const
{
    // A disabled field is still checked: the user is put on the control that enables it.
    const PageKeys &k = pageKeys();
    if (key == k.instantNumber)
        return k.instant;
    if (key == k.renameText)
        return k.rename;
    if (k.phones.contains(key) || k.emails.contains(key))
        return k.sendTo;
    return {};
}

void PageModel::storeGroup(const QString &group)
{
    ProfileRecord &record = m_session.record;
    // Rows that share a byte put their bits into it together: bits no row holds are cleared.
    std::map<std::size_t, std::pair<RecordPlace, int>> numbers;
    for (const SettingRow &row : groupOf(group).rows) {
        if (row.key() == pageKeys().country || row.key() == pageKeys().operatorIndex) {
            row.place().write(&record, row.key() == pageKeys().country ? m_country : m_operator);
            continue;
        }
        const QVariant held = m_values.value(row.key());
        const int stored = row.kind == SettingKind::Number ? readInteger(held.toString()).value_or(0) : held.toInt();
        auto &[place, bits] = numbers[row.place().offset];
        place = row.place();
        bits |= (stored & place.mask) << place.shift;
    }
    for (const auto &[offset, number] : numbers)
        number.first.write(&record, number.second);
}

std::optional<SettingFault> PageModel::store()
{
    const PageKeys &k = pageKeys();
    ProfileRecord &record = m_session.record;
    for (const QString &key : k.phones + k.emails)
        ClearRecordText(textField(record, key));

    // A value that cannot be read ends the store: saving what the field held
    // before would put settings on the card that the page does not show.
    for (const QString &key : {k.savePath, k.instantNumber, k.renameText})
        if (m_unreadable.contains(key))
            return m_unreadable.value(key);

    const int instantNumber = readInteger(m_values.value(k.instantNumber).toString()).value_or(0);
    if (instantNumber < 0 || instantNumber > 99)
        return refusal(k.instantNumber, QT_TRANSLATE_NOOP("Messages", "Send Mode Setting"),
                     QT_TRANSLATE_NOOP("Messages", "Instant number is out of the range(0-99)!"));
    storeGroup(k.sendModeGroup);
    storeGroup(k.sendToGroup);

    // A provider beyond the list comes only from a file written elsewhere: "Default".
    if (record.select_email >= EmailPresets::kProviderCount)
        record.select_email = EmailPresets::kDefaultPosition;
    if (record.select_email == EmailPresets::kDefaultPosition) {
        m_defaultSender = m_session.presets.defaultAccount(m_country);
        record.sender_email = m_defaultSender;
    }

    storeGroup(k.operatorGroup);
    m_operators.transfer();
    storeGroup(k.controlGroup);

    if (auto refused = storeRecipients())
        return refused;
    return storeRename();
}

std::optional<SettingFault> PageModel::storeRecipients()
{
    const PageKeys &k = pageKeys();
    ProfileRecord &record = m_session.record;
    const char *caption = QT_TRANSLATE_NOOP("Messages", "Recipients Setting");
    const bool smsCommands = commandPhone();
    bool phoneGiven = false;
    bool emailGiven = false;
    for (int i = 0; i < kRecipientCount; ++i) {
        const bool master = smsCommands && i == 0;
        const QString phone = m_values.value(k.phones.at(i)).toString();
        const auto phoneLength = phone.size();
        if (phoneLength != 0 && (phoneLength < kPhoneMinLength || phoneLength > kPhoneMaxLength))
            return refusal(k.phones.at(i), caption,
                         master ? QT_TRANSLATE_NOOP("Messages", "The master phone is out of the length(4-15) !")
                                : QT_TRANSLATE_NOOP("Messages", "The phone number is out of the length(4-15) !"));
        if (phoneLength >= kPhoneMinLength) {
            StoreRecordText(textField(record, k.phones.at(i)), phone);
            phoneGiven = true;
        }
        if (master && phoneLength == 0)
            return refusal(k.phones.at(i), caption,
                         QT_TRANSLATE_NOOP("Messages", "The master phone must not be null! length(4-15)"));

        const QString email = m_values.value(k.emails.at(i)).toString();
        const auto emailLength = email.size();
        if (emailLength > kEmailMaxLength)
            return refusal(k.emails.at(i), caption, QT_TRANSLATE_NOOP("Messages", "The Email is out of the max length 47 !"));
        if (emailLength >= 1 && (emailLength < 2 || email.indexOf(u'@', 1) < 0))
            return refusal(k.emails.at(i), caption, QT_TRANSLATE_NOOP("Messages", "The Email Format is error!"));
        if (emailLength > 2) {
            StoreRecordText(textField(record, k.emails.at(i)), email);
            emailGiven = true;
        }
    }

    const int sendTo = number(k.sendTo);
    if (sendTo == kSendToPhone && !phoneGiven)
        return refusal(k.phones.first(), caption,
                     QT_TRANSLATE_NOOP("Messages", "The phone number must not be null! length(4-15)"));
    if (sendTo == kSendToEmail && !emailGiven)
        return refusal(k.emails.first(), caption, QT_TRANSLATE_NOOP("Messages", "The Email must not be null!"));
    return std::nullopt;
}

std::optional<SettingFault> PageModel::storeRename()
{
    const PageKeys &k = pageKeys();
    ProfileRecord &record = m_session.record;
    const char *caption = QT_TRANSLATE_NOOP("Messages", "Rename Setting");
    const std::span<char> field = textField(record, k.renameText);
    ClearRecordText(field);
    pageRow(k.rename).place().write(&record, number(k.rename));
    // Character by character, so that no letter turns into two.
    QString renameText;
    for (QChar c : m_values.value(k.renameText).toString())
        renameText.append(c.toUpper());
    if (!std::all_of(renameText.begin(), renameText.end(), isRenameCharacter))
        return refusal(k.renameText, caption,
                     QT_TRANSLATE_NOOP("Messages", "The letters or/and digits are allowed for rename!"));
    if (!renameText.isEmpty())
        StoreRecordText(field, renameText);
    if (number(k.rename) == 1 && renameText.isEmpty())
        return refusal(k.renameText, caption, QT_TRANSLATE_NOOP("Messages", "The rename must not be null!"));
    return std::nullopt;
}

void PageModel::copyInto(ProfileSession &scratch, PageModel &page) const
{
    scratch.record = m_session.record;
    scratch.custom = m_session.custom;
    scratch.presets = m_session.presets;
    scratch.currentArea = m_session.currentArea;
    page.m_values = m_values;
    page.m_unreadable = m_unreadable;
    page.m_country = m_country;
    page.m_operator = m_operator;
    page.m_defaultSender = m_defaultSender;
}

std::optional<SettingFault> PageModel::check() const
{
    ProfileSession scratch;
    PageModel page(scratch);
    copyInto(scratch, page);
    return page.store();
}

OkOutcome PageModel::save(const Ask &saveAnyway)
{
    const QString savePath = m_values.value(pageKeys().savePath).toString();
    m_session.record.header_value = kSavedHeaderValue;
    if (auto refused = store())
        return {{*refused}, std::nullopt};

    if (savePath.isEmpty())
        return {{{pageKeys().savePath,
                  {messageText(kSaveCaption), messageText(QT_TRANSLATE_NOOP("Messages", "Please choose path to SD card Drive."))}}},
                std::nullopt};

    const QString profilePath = QDir::toNativeSeparators(ProfileFilePath(savePath));
    const auto failed = [&](const FileError &error) {
        // Only a card that cannot be written is the folder's fault, not the temporary folder.
        const QString key = error.path == profilePath ? pageKeys().savePath : QString();
        return OkOutcome{{{key, {QCoreApplication::applicationName(), error.message(), Message::Icon::Error}}},
                         std::nullopt};
    };
    // Asked about sending only to learn then that the card is missing, the user
    // would have answered for nothing: the error the save would give comes first.
    if (!QFileInfo(savePath).isDir())
        return failed({FileError::Cause::BadPath, profilePath});

    const QStringList problems = SendingProblems(m_session.record);
    if (!problems.isEmpty()) {
        const QString gap = QStringLiteral("\r\n\r\n");
        const QString question = messageText(QT_TRANSLATE_NOOP("Messages", "The camera cannot send with these settings:")) +
                                 gap + problems.join(gap) + gap +
                                 messageText(QT_TRANSLATE_NOOP("Messages", "Save PROFILE.BIN anyway?"));
        if (!saveAnyway({messageText(kSaveCaption), question}))
            return {};
    }

    if (const auto error = SaveProfile(savePath, m_session.record, m_session.custom))
        return failed(*error);
    markSaved();
    OkOutcome outcome{
        {{{}, {messageText(kSaveCaption), messageText(QT_TRANSLATE_NOOP("Messages", "PROFILE.BIN has been saved in %1")).arg(savePath)}}},
        savePath};
    // The card and the working copy are saved; only the next start after a reboot would miss this copy.
    if (const auto error = SaveDurableCopy(m_session.record, m_session.custom))
        outcome.messages.append({{},
                                 {messageText(kSaveCaption),
                                  QCoreApplication::translate("Messages",
                                      "Your settings could not be kept beyond a restart of the computer:"
                                      "\r\n%1\r\nAfter a restart the tool may open with older settings "
                                      "or the defaults.")
                                      .arg(error->message()),
                                  Message::Icon::Warning}});
    return outcome;
}

std::optional<Message> PageModel::openFile(const QString &path)
{
    const SettingsFileResult opened =
        OpenSettingsFile(path, m_session.record, m_session.custom, m_session.currentArea);
    if (const auto *refused = std::get_if<SettingsFileFault>(&opened))
        return Message{messageText(kOpenCaption),
                       QCoreApplication::translate("Messages", "%1\r\nNothing was changed.",
                                                   "after why a file is refused")
                           .arg(refused->message()),
                       Message::Icon::Error};

    if (std::get<SettingsFileKind>(opened) == SettingsFileKind::ProfileFile) {
        m_operators.takeCardOperator();
        // "OK" writes the edited settings back onto the same card.
        m_values[pageKeys().savePath] = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    }
    load();
    return std::nullopt;
}

QString PageModel::pickerStart() const
{
    return PickerStartFolder(m_values.value(pageKeys().savePath).toString(),
                             m_mediaFolders.value_or(RemovableMediaFolders()));
}

QStringList PageModel::pickerDrives() const
{
    return RemovableDrives(m_mediaFolders.value_or(RemovableMediaFolders()));
}

std::optional<Message> PageModel::folderChosen(const QUrl &folder)
{
    if (!folder.isLocalFile() || folder.toLocalFile().isEmpty())
        return Message{SavePathRow().label(), messageText(QT_TRANSLATE_NOOP("Messages", "Select the Path Error"))};
    m_values[pageKeys().savePath] = QDir::toNativeSeparators(folder.toLocalFile());
    m_unreadable.remove(pageKeys().savePath);
    return std::nullopt;
}

bool PageModel::defaultAll(const Ask &ask)
{
    if (!ask({messageText(QT_TRANSLATE_NOOP("Messages", "Default Setting")),
              messageText(QT_TRANSLATE_NOOP("Messages", "You'll restore the default all setting,\r\nAre you sure?"))}))
        return false;
    SetProfileDefaults(m_session.record, m_session.currentArea);
    reset();
    return true;
}

void PageModel::reset()
{
    DeleteWorkingCopy();
    // A fresh page: every row's default; the save path and the default account stay.
    const QVariant savePath = m_values.value(pageKeys().savePath);
    m_values.clear();
    m_unreadable.clear();
    for (const SettingGroup &group : PageGroups())
        for (const SettingRow &row : group.rows)
            m_values[row.key()] = row.isText()                     ? QVariant(QString())
                                  : row.kind == SettingKind::Number ? QVariant(QString::number(row.defaultValue))
                                                                    : QVariant(row.defaultValue);
    m_values[pageKeys().savePath] = savePath;
    m_savedSmsStart = m_savedSmsStop = 0;
    m_operators.reset();
    m_shownCountry = m_country;
    m_shownOperator = m_operator;
    m_session.record.sender_email = m_defaultSender;
}

QByteArray PageModel::wouldStore() const
{
    ProfileSession scratch;
    PageModel page(scratch);
    copyInto(scratch, page);
    // Through each dialog's OK first: an OK without a change, which stores the
    // same settings in the dialog's own way (a window's switch bit), changes nothing.
    CameraModel camera(scratch.record);
    camera.load();
    camera.store();
    SenderModel sender(scratch.record, scratch.presets);
    sender.load();
    sender.store();
    OperatorModel operatorForm(scratch.record.operator_);
    operatorForm.load();
    operatorForm.store();

    // A failed check leaves what the steps before it stored, as "OK" would.
    page.store();
    // "OK" sets the header value itself, even when a check then fails.
    scratch.record.header_value = 0;
    QByteArray bytes(reinterpret_cast<const char *>(&scratch.record), sizeof scratch.record);
    bytes.append(reinterpret_cast<const char *>(&scratch.custom), sizeof scratch.custom);
    return bytes;
}

void PageModel::markSaved()
{
    m_savedValues = m_values;
    m_savedValues.insert(pageKeys().country, m_country);
    m_savedValues.insert(pageKeys().operatorIndex, m_operator);
    m_savedBytes = wouldStore();
}

bool PageModel::hasUnsavedChanges() const
{
    QHash<QString, QVariant> now = m_values;
    now.insert(pageKeys().country, m_country);
    now.insert(pageKeys().operatorIndex, m_operator);
    return now != m_savedValues || wouldStore() != m_savedBytes;
}

bool PageModel::mayClose(const Ask &ask) const
{
    if (!hasUnsavedChanges())
        return true;
    return ask({messageText(QT_TRANSLATE_NOOP("Messages", "Unsaved Changes")),
                messageText(QT_TRANSLATE_NOOP("Messages", "Discard the changes?"))});
}
