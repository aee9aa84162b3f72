#include "readback/settings_listing.h"

#include "forms/camera_items.h"
#include "forms/operator_form.h"
#include "forms/page_items.h"
#include "forms/page_settings.h"
#include "forms/sender_email_form.h"
#include "forms/two_digit_texts.h"
#include "forms/work_time_form.h"
#include "presets/email_presets.h"
#include "presets/operator_catalogue.h"
#include "profile/profile_files.h"
#include "profile/record_text.h"

#include <QHash>

#include <algorithm>
#include <cstddef>
#include <span>

namespace {

// A field's name and bytes, relative to the layout it belongs to.
struct Slot {
    QString key;
    qsizetype offset;
    qsizetype size;

    Slot in(const Slot &outer) const { return {nestedKey(outer.key, key), outer.offset + offset, size}; }

private:
    // The same few keys are joined for every file read back: join each once.
    static QString nestedKey(const QString &outer, const QString &inner)
    {
        thread_local QHash<std::pair<QString, QString>, QString> joined;
        const std::pair<QString, QString> parts{outer, inner};
        auto it = joined.constFind(parts);
        if (it == joined.cend())
            it = joined.insert(parts, outer + QLatin1Char('.') + inner);
        return *it;
    }
};

// The key is the member's own name, so JSON keys cannot drift from the layout.
#define TALMERIS_SLOT(Layout, member) \
    Slot{QStringLiteral(#member), qsizetype(offsetof(Layout, member)), qsizetype(sizeof(Layout::member))}
#define RECORD_SLOT(member) TALMERIS_SLOT(ProfileRecord, member)

SettingField fieldAt(const Slot &slot)
{
    SettingField field;
    field.key = slot.key;
    field.offset = slot.offset;
    field.size = slot.size;
    return field;
}

SettingField listed(const Slot &slot, int value, const QStringList &items)
{
    SettingField field = fieldAt(slot);
    field.value = value;
    field.listed = true;
    field.inRange = value >= 0 && value < items.size();
    if (field.inRange)
        field.item = items.at(value);
    return field;
}

// A number below `count`: an hour, a minute, a count of items.
SettingField number(const Slot &slot, int value, int count)
{
    SettingField field = fieldAt(slot);
    field.value = value;
    field.inRange = value >= 0 && value < count;
    return field;
}

SettingField text(const Slot &slot, std::span<const char> bytes, bool secret = false)
{
    SettingField field = fieldAt(slot);
    field.value = LoadRecordText(bytes);
    // Without its zero the camera would read on into the next field.
    field.inRange = std::ranges::find(bytes, '\0') != bytes.end();
    field.secret = secret;
    return field;
}

QString shown(const SettingField &field)
{
    QString base = field.listed           ? (field.inRange ? field.item : QString::number(field.value.toInt()))
                   : field.isText() ? field.value.toString()
                                            : QString::number(field.value.toInt());
    return field.inRange ? base : OutOfRangeText(base);
}

QString twoDigits(const SettingField &field)
{
    return field.inRange ? TwoDigitTexts().at(field.value.toInt()) : QString::number(field.value.toInt());
}

// An hour or a minute as its combo shows it.
QString shownTwoDigits(const SettingField &field)
{
    return field.inRange ? twoDigits(field) : shown(field);
}

// Appends lines under one group path.
class Group
{
public:
    explicit Group(QList<SettingLine> &lines, QStringList groups)
        : m_lines(lines)
        , m_groups(std::move(groups))
    {
    }

    void add(const QString &label, const SettingField &field) { add(label, shown(field), {field}); }
    void addTwoDigits(const QString &label, const SettingField &field) { add(label, shownTwoDigits(field), {field}); }

    void add(const QString &label, const QString &text, std::initializer_list<SettingField> fields)
    {
        m_lines.append(SettingLine{m_groups, label, text, fields});
    }

    // "08:30", or the raw numbers when either is out of range.
    void addTime(const QString &label, const SettingField &hour, const SettingField &minute)
    {
        const QString time = twoDigits(hour) + QLatin1Char(':') + twoDigits(minute);
        add(label, hour.inRange && minute.inRange ? time : OutOfRangeText(time), {hour, minute});
    }

private:
    QList<SettingLine> &m_lines;
    QStringList m_groups;
};

QString weekDaysText(std::uint8_t mask, int window)
{
    QStringList days;
    for (int day = 0; day < WorkTimeValues::kDayCount; ++day) {
        if (mask & (1 << day))
            days.append(WeekDayNames().at(day));
    }
    if (days.size() == WorkTimeValues::kDayCount)
        return WorkTimeAllText(window);
    return days.isEmpty() ? QStringLiteral("none") : days.join(QLatin1Char(' '));
}

void addCamera(QList<SettingLine> &lines, const ProfileRecord &record)
{
    const auto addSettings = [&](const QString &title, const QList<CameraSetting> &settings) {
        Group group(lines, {CameraSectionTitle(), title});
        for (CameraSetting setting : settings) {
            const std::uint8_t value = record.*CameraSettingField(setting);
            const auto field = reinterpret_cast<const std::uint8_t *>(&(record.*CameraSettingField(setting)));
            const Slot slot{CameraSettingKey(setting), field - reinterpret_cast<const std::uint8_t *>(&record), 1};
            group.add(CameraSettingLabel(setting), listed(slot, value, CameraSettingItems(setting)));
        }
    };
    for (const CameraGroup &group : CameraGroups())
        addSettings(group.title, group.settings);
    addSettings(QStringLiteral("Hidden"), HiddenCameraSettings());

    const std::array windows = {
        std::pair{RECORD_SLOT(work_time_1), record.work_time_1},
        std::pair{RECORD_SLOT(work_time_2), record.work_time_2},
        std::pair{RECORD_SLOT(work_time_3), record.work_time_3},
        std::pair{RECORD_SLOT(work_time_4), record.work_time_4},
    };
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const Slot &outer = windows[i].first;
        const WorkTimeWindow &window = windows[i].second;
        const int windowNumber = int(i) + 1;
        Group group(lines, {CameraSectionTitle(), WorkTimeTitle(windowNumber)});
        const auto at = [&outer](const Slot &slot) { return slot.in(outer); };
        Slot switchSlot = TALMERIS_SLOT(WorkTimeWindow, switch_);
        switchSlot.key = QStringLiteral("switch");
        group.add(WorkTimeSwitchLabel(), listed(at(switchSlot), window.switch_, WorkTimeSwitchItems()));
        group.addTime(WorkTimeStartLabel(),
                      number(at(TALMERIS_SLOT(WorkTimeWindow, start_hour)), window.start_hour,
                             kHourCount),
                      number(at(TALMERIS_SLOT(WorkTimeWindow, start_minute)), window.start_minute,
                             kMinuteCount));
        group.addTime(WorkTimeStopLabel(),
                      number(at(TALMERIS_SLOT(WorkTimeWindow, stop_hour)), window.stop_hour, kHourCount),
                      number(at(TALMERIS_SLOT(WorkTimeWindow, stop_minute)), window.stop_minute,
                             kMinuteCount));
        // Bit 7 repeats the switch; the days are bits 0..6, and every mask is valid.
        group.add(QStringLiteral("Days"), weekDaysText(window.week_mask, windowNumber),
                  {number(at(TALMERIS_SLOT(WorkTimeWindow, week_mask)), window.week_mask, 256)});
    }
}

void addSending(QList<SettingLine> &lines, const ProfileRecord &record)
{
    using namespace PageItems;
    const QString section = SendingSectionTitle();

    Group sendMode(lines, {section, sendModeTitle()});
    Slot instant = RECORD_SLOT(send_mode);
    instant.key += QStringLiteral(".instant");
    Slot dailyReport = RECORD_SLOT(send_mode);
    dailyReport.key += QStringLiteral(".daily_report");
    sendMode.add(instantLabel(), listed(instant, record.send_mode & 1, OffOnItems()));
    sendMode.add(instantNumberName(),
                 number(RECORD_SLOT(instant_number), record.instant_number, kInstantNumberMax + 1));
    // Bits above the two switches have no meaning: they put DailyReport out of range.
    sendMode.add(dailyReportLabel(), listed(dailyReport, record.send_mode >> 1, OffOnItems()));
    sendMode.addTwoDigits(dailyReportHourName(),
                          number(RECORD_SLOT(daily_report_hour), record.daily_report_hour, kHourCount));
    sendMode.addTwoDigits(dailyReportMinuteName(),
                          number(RECORD_SLOT(daily_report_minute), record.daily_report_minute, kMinuteCount));

    Group sendTo(lines, {section, sendToTitle()});
    sendTo.add(sendToTitle(), listed(RECORD_SLOT(send_to), record.send_to, sendToItems()));
    const auto addSetting = [&record](Group &group, PageSetting setting) {
        const PageSettingData &data = PageSettingOf(setting);
        const Slot slot{data.key, qsizetype(data.offset), qsizetype(data.width)};
        group.add(data.label, listed(slot, LoadPageSetting(record, setting), data.items));
    };
    addSetting(sendTo, PageSetting::EmailSize);

    Group gpsSms(lines, {section, gpsSmsTitle()});
    addSetting(gpsSms, PageSetting::Gps);
    gpsSms.add(smsSwitchLabel(), listed(RECORD_SLOT(sms_switch), record.sms_switch, smsSwitchItems()));
    gpsSms.addTwoDigits(smsStartName(), number(RECORD_SLOT(sms_start_hour), record.sms_start_hour, kHourCount));
    gpsSms.addTwoDigits(smsStopName(), number(RECORD_SLOT(sms_stop_hour), record.sms_stop_hour, kHourCount));

    Group recipients(lines, {section, recipientsTitle()});
    const std::array phones = {RECORD_SLOT(phone_number_1), RECORD_SLOT(phone_number_2), RECORD_SLOT(phone_number_3),
                               RECORD_SLOT(phone_number_4)};
    const std::array emails = {RECORD_SLOT(receive_email_1), RECORD_SLOT(receive_email_2),
                               RECORD_SLOT(receive_email_3), RECORD_SLOT(receive_email_4)};
    for (int i = 0; i < kRecipientCount; ++i)
        recipients.add(phoneNumberLabel(i), text(phones[std::size_t(i)], PhoneNumberField(record, i)));
    for (int i = 0; i < kRecipientCount; ++i)
        recipients.add(receiveEmailLabel(i), text(emails[std::size_t(i)], ReceiveEmailField(record, i)));

    Group rename(lines, {section});
    rename.add(renameLabel(), listed(RECORD_SLOT(rename), record.rename, OffOnItems()));
    rename.add(renameTextName(), text(RECORD_SLOT(rename_text), record.rename_text));
}

// One operator entry: its name under `nameGroups`, its MMS and GPRS groups under `groups`.
void addOperatorEntry(QList<SettingLine> &lines, const QStringList &nameGroups, const QStringList &groups,
                      const Slot &outer, const OperatorEntry &entry)
{
    using Field = OperatorForm::Field;
    const auto at = [&outer](const Slot &slot) { return slot.in(outer); };

    Group(lines, nameGroups).add(QStringLiteral("Name"), text(at(TALMERIS_SLOT(OperatorEntry, name)), entry.name));

    Group mms(lines, QStringList(groups) << OperatorForm::mmsTitle());
    mms.add(OperatorForm::label(Field::Url), text(at(TALMERIS_SLOT(OperatorEntry, mms_url)), entry.mms_url));
    mms.add(OperatorForm::label(Field::Gateway),
            text(at(TALMERIS_SLOT(OperatorEntry, mms_gateway)), entry.mms_gateway));
    mms.add(OperatorForm::label(Field::MmsApn), text(at(TALMERIS_SLOT(OperatorEntry, mms_apn)), entry.mms_apn));
    mms.add(OperatorForm::label(Field::MmsPort), text(at(TALMERIS_SLOT(OperatorEntry, mms_port)), entry.mms_port));
    mms.add(OperatorForm::label(Field::MmsAccount),
            text(at(TALMERIS_SLOT(OperatorEntry, mms_account)), entry.mms_account));
    mms.add(OperatorForm::label(Field::MmsPassword),
            text(at(TALMERIS_SLOT(OperatorEntry, mms_password)), entry.mms_password, true));

    Group gprs(lines, QStringList(groups) << OperatorForm::gprsTitle());
    gprs.add(OperatorForm::label(Field::GprsApn), text(at(TALMERIS_SLOT(OperatorEntry, gprs_apn)), entry.gprs_apn));
    gprs.add(OperatorForm::label(Field::GprsAccount),
             text(at(TALMERIS_SLOT(OperatorEntry, gprs_account)), entry.gprs_account));
    gprs.add(OperatorForm::label(Field::GprsPassword),
             text(at(TALMERIS_SLOT(OperatorEntry, gprs_password)), entry.gprs_password, true));
}

Slot recordOperatorSlot()
{
    Slot slot = RECORD_SLOT(operator_);
    slot.key = QStringLiteral("operator");
    return slot;
}

void addOperator(QList<SettingLine> &lines, const ProfileRecord &record, CustomOperators custom)
{
    using namespace PageItems;
    const QStringList groups = {OperatorSectionTitle(), operatorParameterTitle()};
    const OperatorCatalogue catalogue(custom);
    const int country = record.country_index;
    const bool knownCountry = country < catalogue.countryCount();

    Group choice(lines, groups);
    choice.add(countryLabel(), listed(RECORD_SLOT(country_index), country, catalogue.countryNames()));
    choice.add(operatorLabel(), listed(RECORD_SLOT(operator_index), record.operator_index,
                                       knownCountry ? catalogue.operatorItems(country) : QStringList()));
    addOperatorEntry(lines, groups, {OperatorSectionTitle()}, recordOperatorSlot(), record.operator_);
}

void addSender(QList<SettingLine> &lines, const ProfileRecord &record)
{
    using Field = SenderEmailForm::Field;
    Slot outer = RECORD_SLOT(sender_email);
    const auto at = [&outer](const Slot &slot) { return slot.in(outer); };
    const EmailEntry &entry = record.sender_email;

    Group sender(lines, {SenderSectionTitle()});
    sender.add(SenderEmailForm::selectEmailLabel(),
               listed(RECORD_SLOT(select_email), record.select_email, ProviderNames()));
    // The local part is made from the address: it changes with it.
    const SettingField email = text(at(TALMERIS_SLOT(EmailEntry, email)), entry.email);
    sender.add(SenderEmailForm::label(Field::Email), shown(email),
               {email, text(at(TALMERIS_SLOT(EmailEntry, email_local_part)), entry.email_local_part)});
    sender.add(SenderEmailForm::label(Field::Account), text(at(TALMERIS_SLOT(EmailEntry, account)), entry.account));
    sender.add(SenderEmailForm::label(Field::Password),
               text(at(TALMERIS_SLOT(EmailEntry, password)), entry.password, true));
    sender.add(SenderEmailForm::label(Field::SmtpServer),
               text(at(TALMERIS_SLOT(EmailEntry, smtp_server)), entry.smtp_server));
    // The stored byte is 0x40 plus the item: any other high half is not one the tool writes.
    SettingField secureType = listed(at(TALMERIS_SLOT(EmailEntry, secure_type)), SecureType::index(entry.secure_type),
                                     SenderEmailForm::secureTypeNames());
    secureType.value = entry.secure_type;
    if ((entry.secure_type & 0xF0) != SecureType::kBase) {
        secureType.inRange = false;
        secureType.item.clear();
    }
    sender.add(SenderEmailForm::secureTypeLabel(), secureType);
    sender.add(SenderEmailForm::label(Field::SmtpPort),
               text(at(TALMERIS_SLOT(EmailEntry, smtp_port)), entry.smtp_port));
}

void addCustom(QList<SettingLine> &lines, const CustomOperators &custom)
{
    // Named by their built-in names, which no dialog changes.
    const CustomOperators builtIn = CustomOperators::BuiltIn();
    const QString section = CustomSectionTitle();
    const auto entrySlot = [](const OperatorEntry &named, qsizetype offset) {
        return Slot{QStringLiteral("custom_operators.") + EntryName(named), offset, qsizetype(sizeof(OperatorEntry))};
    };
    qsizetype offset = kProfileRecordSize;
    for (std::size_t i = 0; i < custom.country_customers.size(); ++i, offset += qsizetype(sizeof(OperatorEntry))) {
        const OperatorEntry &named = builtIn.country_customers[i];
        const QStringList groups = {section, EntryName(named)};
        addOperatorEntry(lines, groups, groups, entrySlot(named, offset), custom.country_customers[i]);
    }
    const QStringList groups = {section, EntryName(builtIn.extra_customer)};
    addOperatorEntry(lines, groups, groups, entrySlot(builtIn.extra_customer, offset), custom.extra_customer);
}

#undef RECORD_SLOT
#undef TALMERIS_SLOT

} // namespace

QString CameraSectionTitle() { return QStringLiteral("Camera"); }
QString SendingSectionTitle() { return QStringLiteral("Sending and recipients"); }
QString OperatorSectionTitle() { return QStringLiteral("Operator"); }
QString SenderSectionTitle() { return QStringLiteral("Sender account"); }
QString CustomSectionTitle() { return QStringLiteral("Custom operators"); }

QList<SettingLine> ListSettings(const ReadBack &readBack)
{
    QList<SettingLine> lines;
    lines.reserve(256);
    addCamera(lines, readBack.record);
    addSending(lines, readBack.record);
    addOperator(lines, readBack.record, readBack.custom.value_or(CustomOperators::BuiltIn()));
    addSender(lines, readBack.record);
    if (readBack.custom)
        addCustom(lines, *readBack.custom);
    return lines;
}
