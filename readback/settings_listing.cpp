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

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <span>
#include <vector>

namespace {

// Every file lists the same lines under the same groups, labels and keys:
// those are built once, from the forms' texts, and a file fills in only its
// values. A line's text is its first value as its combo shows it, unless:
enum class Shows { Value, TwoDigits, Time, Days, SecureType, Operator };

// How a field's stored bytes read: a text, or a number in a list or below a count.
struct Reading {
    QStringList items; // a listed number's
    int count = 0;     // an unlisted number's bound; 0 for a text
    int shift = 0;     // the bits of the bytes the number is made of
    int mask = 0xFFFF;
};

struct Row {
    Shows shows = Shows::Value;
    QString allDays; // Days: the text of a window on every day
    QVarLengthArray<Reading, 2> readings;
};

struct Shape {
    std::vector<LineShape> lines;
    std::vector<Row> rows;
    qsizetype recordLines = 0; // the lines before the custom entries
    int groups = 0;            // numbered so far
};

// A field and how it reads.
struct Field {
    FieldShape field;
    Reading reading;
};

// A field's name and bytes, relative to the layout it belongs to.
struct Slot {
    QString key;
    qsizetype offset;
    qsizetype size;

    Slot in(const Slot &outer) const { return {outer.key + QLatin1Char('.') + key, outer.offset + offset, size}; }

    // A number below `count`: an hour, a minute, a count of items; or a text.
    Field number(int count, bool secret = false) const
    {
        Field f{{}, {{}, count}};
        f.field.key = key;
        f.field.offset = offset;
        f.field.size = size;
        f.field.secret = secret;
        return f;
    }
    Field text(bool secret = false) const
    {
        Field f = number(0, secret);
        f.field.text = true;
        return f;
    }
    Field listed(const QStringList &items, int shift = 0, int mask = 0xFFFF) const
    {
        Field f{number(0).field, {items, 0, shift, mask}};
        f.field.listed = true;
        return f;
    }
};

// The key is the member's own name, so JSON keys cannot drift from the layout.
#define TALMERIS_SLOT(Layout, member) \
    Slot{QStringLiteral(#member), qsizetype(offsetof(Layout, member)), qsizetype(sizeof(Layout::member))}
#define RECORD_SLOT(member) TALMERIS_SLOT(ProfileRecord, member)

// Appends lines under one group path.
class Group
{
public:
    Group(Shape &shape, QStringList groups)
        : m_shape(shape)
        , m_groups(std::move(groups))
    {
    }

    void add(const QString &label, std::initializer_list<Field> fields, Shows shows = Shows::Value,
             const QString &allDays = {})
    {
        QString name;
        for (const QString &group : m_groups)
            name += group + QLatin1StringView(" / ");
        // Lines under the same groups run on as one group, whichever added them.
        const bool runsOn = !m_shape.lines.empty() && m_shape.lines.back().groups == m_groups;
        const int number = runsOn ? m_shape.lines.back().group : ++m_shape.groups;
        LineShape line{m_groups, number, label, name + label, {}};
        Row row{shows, allDays, {}};
        for (const Field &f : fields) {
            line.fields.append(f.field);
            row.readings.append(f.reading);
        }
        m_shape.lines.push_back(line);
        m_shape.rows.push_back(row);
    }

private:
    Shape &m_shape;
    QStringList m_groups;
};

void addCamera(Shape &shape)
{
    const ProfileRecord record{};
    const auto addSettings = [&](const QString &title, const QList<CameraSetting> &settings) {
        Group group(shape, {CameraSectionTitle(), title});
        for (CameraSetting setting : settings) {
            const auto field = reinterpret_cast<const std::uint8_t *>(&(record.*CameraSettingField(setting)));
            const Slot slot{CameraSettingKey(setting), field - reinterpret_cast<const std::uint8_t *>(&record), 1};
            group.add(CameraSettingLabel(setting), {slot.listed(CameraSettingItems(setting))});
        }
    };
    for (const CameraGroup &group : CameraGroups())
        addSettings(group.title, group.settings);
    addSettings(QStringLiteral("Hidden"), HiddenCameraSettings());

    const std::array windows = {RECORD_SLOT(work_time_1), RECORD_SLOT(work_time_2), RECORD_SLOT(work_time_3),
                                RECORD_SLOT(work_time_4)};
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const int windowNumber = int(i) + 1;
        Group group(shape, {CameraSectionTitle(), WorkTimeTitle(windowNumber)});
        const auto at = [&](const Slot &slot) { return slot.in(windows[i]); };
        Slot switchSlot = TALMERIS_SLOT(WorkTimeWindow, switch_);
        switchSlot.key = QStringLiteral("switch");
        group.add(WorkTimeSwitchLabel(), {at(switchSlot).listed(WorkTimeSwitchItems())});
        group.add(WorkTimeStartLabel(),
                  {at(TALMERIS_SLOT(WorkTimeWindow, start_hour)).number(kHourCount),
                   at(TALMERIS_SLOT(WorkTimeWindow, start_minute)).number(kMinuteCount)},
                  Shows::Time);
        group.add(WorkTimeStopLabel(),
                  {at(TALMERIS_SLOT(WorkTimeWindow, stop_hour)).number(kHourCount),
                   at(TALMERIS_SLOT(WorkTimeWindow, stop_minute)).number(kMinuteCount)},
                  Shows::Time);
        // Bit 7 repeats the switch; the days are bits 0..6, and every mask is valid.
        group.add(QStringLiteral("Days"), {at(TALMERIS_SLOT(WorkTimeWindow, week_mask)).number(256)}, Shows::Days,
                  WorkTimeAllText(windowNumber));
    }
}

void addSending(Shape &shape)
{
    using namespace PageItems;
    const QString section = SendingSectionTitle();

    Group sendMode(shape, {section, sendModeTitle()});
    Slot instant = RECORD_SLOT(send_mode);
    instant.key += QStringLiteral(".instant");
    Slot dailyReport = RECORD_SLOT(send_mode);
    dailyReport.key += QStringLiteral(".daily_report");
    sendMode.add(instantLabel(), {instant.listed(OffOnItems(), 0, 1)});
    sendMode.add(instantNumberName(), {RECORD_SLOT(instant_number).number(kInstantNumberMax + 1)});
    // Bits above the two switches have no meaning: they put DailyReport out of range.
    sendMode.add(dailyReportLabel(), {dailyReport.listed(OffOnItems(), 1)});
    sendMode.add(dailyReportHourName(), {RECORD_SLOT(daily_report_hour).number(kHourCount)}, Shows::TwoDigits);
    sendMode.add(dailyReportMinuteName(), {RECORD_SLOT(daily_report_minute).number(kMinuteCount)}, Shows::TwoDigits);

    Group sendTo(shape, {section, sendToTitle()});
    sendTo.add(sendToTitle(), {RECORD_SLOT(send_to).listed(sendToItems())});
    const auto addSetting = [](Group &group, PageSetting setting) {
        const PageSettingData &data = PageSettingOf(setting);
        group.add(data.label, {Slot{data.key, qsizetype(data.offset), qsizetype(data.width)}.listed(data.items)});
    };
    addSetting(sendTo, PageSetting::EmailSize);

    Group gpsSms(shape, {section, gpsSmsTitle()});
    addSetting(gpsSms, PageSetting::Gps);
    gpsSms.add(smsSwitchLabel(), {RECORD_SLOT(sms_switch).listed(smsSwitchItems())});
    gpsSms.add(smsStartName(), {RECORD_SLOT(sms_start_hour).number(kHourCount)}, Shows::TwoDigits);
    gpsSms.add(smsStopName(), {RECORD_SLOT(sms_stop_hour).number(kHourCount)}, Shows::TwoDigits);

    Group recipients(shape, {section, recipientsTitle()});
    const std::array phones = {RECORD_SLOT(phone_number_1), RECORD_SLOT(phone_number_2), RECORD_SLOT(phone_number_3),
                               RECORD_SLOT(phone_number_4)};
    const std::array emails = {RECORD_SLOT(receive_email_1), RECORD_SLOT(receive_email_2),
                               RECORD_SLOT(receive_email_3), RECORD_SLOT(receive_email_4)};
    for (int i = 0; i < kRecipientCount; ++i)
        recipients.add(phoneNumberLabel(i), {phones[std::size_t(i)].text()});
    for (int i = 0; i < kRecipientCount; ++i)
        recipients.add(receiveEmailLabel(i), {emails[std::size_t(i)].text()});

    Group rename(shape, {section});
    rename.add(renameLabel(), {RECORD_SLOT(rename).listed(OffOnItems())});
    rename.add(renameTextName(), {RECORD_SLOT(rename_text).text()});
}

// One operator entry: its name under `nameGroups`, its MMS and GPRS groups under `groups`.
void addOperatorEntry(Shape &shape, const QStringList &nameGroups, const QStringList &groups, const Slot &outer)
{
    using F = OperatorForm::Field;
    const auto at = [&outer](const Slot &slot) { return slot.in(outer); };

    Group(shape, nameGroups).add(QStringLiteral("Name"), {at(TALMERIS_SLOT(OperatorEntry, name)).text()});

    Group mms(shape, QStringList(groups) << OperatorForm::mmsTitle());
    mms.add(OperatorForm::label(F::Url), {at(TALMERIS_SLOT(OperatorEntry, mms_url)).text()});
    mms.add(OperatorForm::label(F::Gateway), {at(TALMERIS_SLOT(OperatorEntry, mms_gateway)).text()});
    mms.add(OperatorForm::label(F::MmsApn), {at(TALMERIS_SLOT(OperatorEntry, mms_apn)).text()});
    mms.add(OperatorForm::label(F::MmsPort), {at(TALMERIS_SLOT(OperatorEntry, mms_port)).text()});
    mms.add(OperatorForm::label(F::MmsAccount), {at(TALMERIS_SLOT(OperatorEntry, mms_account)).text()});
    mms.add(OperatorForm::label(F::MmsPassword), {at(TALMERIS_SLOT(OperatorEntry, mms_password)).text(true)});

    Group gprs(shape, QStringList(groups) << OperatorForm::gprsTitle());
    gprs.add(OperatorForm::label(F::GprsApn), {at(TALMERIS_SLOT(OperatorEntry, gprs_apn)).text()});
    gprs.add(OperatorForm::label(F::GprsAccount), {at(TALMERIS_SLOT(OperatorEntry, gprs_account)).text()});
    gprs.add(OperatorForm::label(F::GprsPassword), {at(TALMERIS_SLOT(OperatorEntry, gprs_password)).text(true)});
}

const CustomOperators &builtIn()
{
    static const CustomOperators entries = CustomOperators::BuiltIn();
    return entries;
}

void addOperator(Shape &shape)
{
    using namespace PageItems;
    const QStringList groups = {OperatorSectionTitle(), operatorParameterTitle()};
    CustomOperators custom = builtIn();

    Group choice(shape, groups);
    choice.add(countryLabel(), {RECORD_SLOT(country_index).listed(OperatorCatalogue(custom).countryNames())});
    // Its items are the file's own: the custom entries' names are among them.
    choice.add(operatorLabel(), {RECORD_SLOT(operator_index).listed({})}, Shows::Operator);
    Slot entry = RECORD_SLOT(operator_);
    entry.key = QStringLiteral("operator");
    addOperatorEntry(shape, groups, {OperatorSectionTitle()}, entry);
}

void addSender(Shape &shape)
{
    using F = SenderEmailForm::Field;
    const Slot outer = RECORD_SLOT(sender_email);
    const auto at = [&outer](const Slot &slot) { return slot.in(outer); };

    Group sender(shape, {SenderSectionTitle()});
    sender.add(SenderEmailForm::selectEmailLabel(), {RECORD_SLOT(select_email).listed(ProviderNames())});
    // The local part is made from the address: it changes with it.
    sender.add(SenderEmailForm::label(F::Email), {at(TALMERIS_SLOT(EmailEntry, email)).text(),
                                                  at(TALMERIS_SLOT(EmailEntry, email_local_part)).text()});
    sender.add(SenderEmailForm::label(F::Account), {at(TALMERIS_SLOT(EmailEntry, account)).text()});
    sender.add(SenderEmailForm::label(F::Password), {at(TALMERIS_SLOT(EmailEntry, password)).text(true)});
    sender.add(SenderEmailForm::label(F::SmtpServer), {at(TALMERIS_SLOT(EmailEntry, smtp_server)).text()});
    sender.add(SenderEmailForm::secureTypeLabel(),
               {at(TALMERIS_SLOT(EmailEntry, secure_type)).listed(SenderEmailForm::secureTypeNames())},
               Shows::SecureType);
    sender.add(SenderEmailForm::label(F::SmtpPort), {at(TALMERIS_SLOT(EmailEntry, smtp_port)).text()});
}

// Named by their built-in names, which no dialog changes; they lie after the
// record, at their working copy offsets.
void addCustom(Shape &shape)
{
    qsizetype offset = kProfileRecordSize;
    const auto add = [&](const OperatorEntry &named) {
        const QStringList groups = {CustomSectionTitle(), EntryName(named)};
        const Slot slot{QStringLiteral("custom_operators.") + EntryName(named), offset, sizeof(OperatorEntry)};
        addOperatorEntry(shape, groups, groups, slot);
        offset += qsizetype(sizeof(OperatorEntry));
    };
    for (const OperatorEntry &named : builtIn().country_customers)
        add(named);
    add(builtIn().extra_customer);
}

#undef RECORD_SLOT
#undef TALMERIS_SLOT

const Shape &listingShape()
{
    static const Shape shape = [] {
        Shape s;
        addCamera(s);
        addSending(s);
        addOperator(s);
        addSender(s);
        s.recordLines = qsizetype(s.lines.size());
        addCustom(s);
        return s;
    }();
    return shape;
}

void read(SettingField &field, const Reading &reading, const char *bytes)
{
    const FieldShape &shape = *field.shape;
    if (shape.text) {
        field.text = LoadRecordText(std::span<const char>(bytes, std::size_t(shape.size)));
        // Cut at its zero; without one the camera would read on into the next field.
        field.inRange = field.text.size() < shape.size;
        return;
    }
    std::uint16_t stored = std::uint8_t(bytes[0]);
    if (shape.size == 2)
        std::memcpy(&stored, bytes, sizeof stored);
    const int value = (stored >> reading.shift) & reading.mask;
    field.number = value;
    field.inRange = value < (shape.listed ? reading.items.size() : reading.count);
    if (shape.listed && field.inRange)
        field.item = reading.items.at(value);
}

// The item a file's operator index picks: the country's operators, then,
// but in "Auto" and "Customer", the shared custom entry.
void readOperator(SettingField &field, const ReadBack &readBack)
{
    CustomOperators custom = readBack.custom.value_or(builtIn());
    const OperatorCatalogue catalogue(custom);
    const int country = readBack.record.country_index;
    const int index = field.number;
    if (country >= catalogue.countryCount()) {
        field.inRange = false;
        return;
    }
    const int count = catalogue.operatorCount(country);
    const bool extra = country != OperatorCatalogue::kAutoRow && country != OperatorCatalogue::kCustomerRow;
    field.inRange = index < count + int(extra);
    if (field.inRange)
        field.item = EntryName(index < count ? catalogue.operatorEntry(country, index) : custom.extra_customer);
}

// The stored byte is 0x40 plus the item: any other high half is not one the tool writes.
void readSecureType(SettingField &field, const Reading &reading)
{
    const int stored = field.number;
    field.inRange = (stored & 0xF0) == SecureType::kBase && SecureType::index(stored) < reading.items.size();
    field.item = field.inRange ? reading.items.at(SecureType::index(stored)) : QString();
}

// Most numbers are single bytes, whose texts are built once.
QString numberText(int value)
{
    static const QStringList bytes = [] {
        QStringList texts;
        for (int byte = 0; byte < 256; ++byte)
            texts.append(QString::number(byte));
        return texts;
    }();
    return value < 256 ? bytes.at(value) : QString::number(value);
}

QString shown(const SettingField &field)
{
    if (field.isText())
        return field.text;
    return field.shape->listed && field.inRange ? field.item : numberText(field.number);
}

QString twoDigits(const SettingField &field)
{
    return field.inRange ? TwoDigitTexts().at(field.number) : numberText(field.number);
}

// "08:30", or the raw numbers when either is out of range.
QString time(const SettingField &hour, const SettingField &minute)
{
    static const QStringList times = [] {
        QStringList all;
        for (int h = 0; h < kHourCount; ++h) {
            for (int m = 0; m < kMinuteCount; ++m)
                all.append(TwoDigitTexts().at(h) + QLatin1Char(':') + TwoDigitTexts().at(m));
        }
        return all;
    }();
    if (hour.inRange && minute.inRange)
        return times.at(hour.number * kMinuteCount + minute.number);
    return twoDigits(hour) + QLatin1Char(':') + twoDigits(minute);
}

// "Mon Wed", for each of the 128 sets of days.
QString weekDays(int mask, const QString &allDays)
{
    static const QStringList texts = [] {
        QStringList all;
        for (int set = 0; set < 128; ++set) {
            QStringList days;
            for (int day = 0; day < WorkTimeValues::kDayCount; ++day) {
                if (set & (1 << day))
                    days.append(WeekDayNames().at(day));
            }
            all.append(days.isEmpty() ? QStringLiteral("none") : days.join(QLatin1Char(' ')));
        }
        return all;
    }();
    return (mask & 0x7F) == 0x7F ? allDays : texts.at(mask & 0x7F);
}

// The text, and whether what it shows is out of range; the mark is added as
// the text is shown, so that most files' many such values cost no copy.
void showLine(SettingLine &line, const Row &row)
{
    const SettingField &field = line.fields.first();
    line.marked = !field.inRange;
    switch (row.shows) {
    case Shows::TwoDigits: line.text = twoDigits(field); break;
    case Shows::Time:
        line.text = time(field, line.fields.at(1));
        line.marked = !line.inRange();
        break;
    case Shows::Days: line.text = weekDays(field.number, row.allDays); break;
    default: line.text = shown(field);
    }
}

} // namespace

QString CameraSectionTitle() { return QStringLiteral("Camera"); }
QString SendingSectionTitle() { return QStringLiteral("Sending and recipients"); }
QString OperatorSectionTitle() { return QStringLiteral("Operator"); }
QString SenderSectionTitle() { return QStringLiteral("Sender account"); }
QString CustomSectionTitle() { return QStringLiteral("Custom operators"); }

QList<SettingLine> ListSettings(const ReadBack &readBack)
{
    static_assert(sizeof(CustomOperators) == 4 * sizeof(OperatorEntry), "the custom entries lie end to end");
    const Shape &shape = listingShape();
    const std::size_t count = readBack.custom ? shape.lines.size() : std::size_t(shape.recordLines);
    const auto *record = reinterpret_cast<const char *>(&readBack.record);
    const auto *custom = reinterpret_cast<const char *>(readBack.custom ? &*readBack.custom : nullptr);
    QList<SettingLine> lines;
    lines.reserve(qsizetype(count));
    for (std::size_t i = 0; i < count; ++i) {
        SettingLine &line = lines.emplace_back();
        line.shape = &shape.lines[i];
        const Row &row = shape.rows[i];
        for (qsizetype f = 0; f < line.shape->fields.size(); ++f) {
            SettingField &field = line.fields.emplace_back();
            field.shape = &line.shape->fields[f];
            const auto offset = std::size_t(field.shape->offset);
            read(field, row.readings[f],
                 offset < kProfileRecordSize ? record + offset : custom + (offset - kProfileRecordSize));
        }
        if (row.shows == Shows::Operator)
            readOperator(line.fields.first(), readBack);
        if (row.shows == Shows::SecureType)
            readSecureType(line.fields.first(), row.readings.first());
        showLine(line, row);
    }
    return lines;
}
