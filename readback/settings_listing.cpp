#include "readback/settings_listing.h"

#include "settings/camera_schema.h"
#include "settings/clock.h"
#include "settings/operator_schema.h"
#include "settings/page_schema.h"
#include "settings/sender_schema.h"
#include "settings/two_digit_texts.h"
#include "settings/work_time_schema.h"
#include "presets/email_presets.h"
#include "presets/operator_catalogue.h"
#include "profile/record_text.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <span>
#include <vector>

namespace {

// The read-back's sections, in their order.
constexpr QLatin1StringView kCameraSection{"Camera"};
constexpr QLatin1StringView kSendingSection{"Sending and recipients"};
constexpr QLatin1StringView kOperatorSection{"Operator"};
constexpr QLatin1StringView kSenderSection{"Sender account"};
constexpr QLatin1StringView kCustomSection{"Custom operators"};

// Every file lists the same lines under the same groups, labels and keys:
// those are built once, from the windows' rows, and a file fills in only its values.
struct Shape {
    std::vector<LineShape> lines;
    qsizetype recordLines = 0; // the lines before the custom entries
    int groups = 0;            // numbered so far
};

// Appends lines under one group path.
class Group
{
public:
    Group(Shape &shape, QStringList groups)
        : m_shape(shape)
        , m_groups(std::move(groups))
    {
    }

    // The row's places lie in the layout at `outerOffset`, their keys under `outerKey`.
    void add(const SettingRow &row, const QString &outerKey = {}, qsizetype outerOffset = 0)
    {
        QString name;
        for (const QString &group : m_groups)
            name += group + QLatin1StringView(" / ");
        const QString label = row.label();
        // Lines under the same groups run on as one group, whichever added them.
        const bool runsOn = !m_shape.lines.empty() && m_shape.lines.back().groups == m_groups;
        const int number = runsOn ? m_shape.lines.back().group : ++m_shape.groups;
        LineShape line{m_groups, number, label, name + label, {}};
        for (qsizetype p = 0; p < row.places.size(); ++p) {
            const RecordPlace &place = row.places[p];
            FieldShape field;
            field.key = outerKey.isEmpty() ? place.key : outerKey + QLatin1Char('.') + place.key;
            field.offset = outerOffset + qsizetype(place.offset);
            field.size = qsizetype(place.width);
            field.text = row.isText();
            field.secret = row.kind == SettingKind::Secret;
            field.listed = row.kind == SettingKind::Choice || row.kind == SettingKind::SecureType ||
                           row.kind == SettingKind::Operator;
            field.row = &row;
            field.place = p;
            // The operators are the country's; a time is an hour and its minute.
            field.items = row.kind == SettingKind::Operator ? QStringList() : row.itemTexts();
            field.count = row.kind != SettingKind::Time ? row.count : p == 0 ? kHourCount : kMinuteCount;
            line.fields.append(field);
        }
        m_shape.lines.push_back(line);
    }

    void add(const QList<SettingRow> &rows, const QString &outerKey = {}, qsizetype outerOffset = 0)
    {
        for (const SettingRow &row : rows)
            add(row, outerKey, outerOffset);
    }

private:
    Shape &m_shape;
    QStringList m_groups;
};

QStringList groupPath(const QString &section, const SettingGroup &group)
{
    const QString title = group.title ? group.title() : QString();
    return title.isEmpty() ? QStringList{section} : QStringList{section, title};
}

void addCamera(Shape &shape)
{
    for (const SettingGroup &group : CameraGroups())
        Group(shape, {QString(kCameraSection), group.title()}).add(group.rows);
    for (int window = 0; window < WorkTimeGroups().size(); ++window) {
        const RecordPlace place = WorkTimePlace(window);
        const SettingGroup &group = WorkTimeGroups().at(window);
        Group(shape, {QString(kCameraSection), group.title()}).add(group.rows, place.key, qsizetype(place.offset));
    }
}

// The page's groups but the operator's, which lead its own section.
void addSending(Shape &shape)
{
    for (const SettingGroup &group : PageGroups().sliced(0, PageGroups().size() - 1))
        Group(shape, groupPath(QString(kSendingSection), group)).add(group.rows);
}

// One operator entry: its name under `nameGroups`, its MMS and GPRS groups under `groups`.
void addOperatorEntry(Shape &shape, const QStringList &nameGroups, const QStringList &groups, const QString &key,
                      qsizetype offset)
{
    Group(shape, nameGroups).add(OperatorNameRow(), key, offset);
    for (const SettingGroup &group : OperatorGroups())
        Group(shape, QStringList(groups) << group.title()).add(group.rows, key, offset);
}

const CustomOperators &builtIn()
{
    static const CustomOperators entries = CustomOperators::BuiltIn();
    return entries;
}

void addOperator(Shape &shape)
{
    const SettingGroup &choice = PageGroups().last();
    const QStringList groups = groupPath(QString(kOperatorSection), choice);
    Group(shape, groups).add(choice.rows);
    addOperatorEntry(shape, groups, {QString(kOperatorSection)}, QStringLiteral("operator"),
                     qsizetype(offsetof(ProfileRecord, operator_)));
}

void addSender(Shape &shape)
{
    Group(shape, {QString(kSenderSection)}).add(SenderRows());
}

// Named by their built-in names, which no dialog changes; they lie after the
// record, at their working copy offsets.
void addCustom(Shape &shape)
{
    qsizetype offset = kProfileRecordSize;
    const auto add = [&](const OperatorEntry &named) {
        const QStringList groups = {QString(kCustomSection), EntryName(named)};
        addOperatorEntry(shape, groups, groups, QStringLiteral("custom_operators.") + EntryName(named), offset);
        offset += qsizetype(sizeof(OperatorEntry));
    };
    for (const OperatorEntry &named : builtIn().country_customers)
        add(named);
    add(builtIn().extra_customer);
}

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

void read(SettingField &field, const char *bytes)
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
    const RecordPlace &place = shape.row->places[shape.place];
    const int value = (stored >> place.shift) & place.mask;
    field.number = value;
    field.inRange = value < (shape.listed ? shape.items.size() : shape.count);
    if (shape.listed && field.inRange)
        field.item = shape.items.at(value);
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
void readSecureType(SettingField &field)
{
    const int stored = field.number;
    const QStringList &items = field.shape->items;
    field.inRange = (stored & 0xF0) == SecureType::kBase && SecureType::index(stored) < items.size();
    field.item = field.inRange ? items.at(SecureType::index(stored)) : QString();
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

// "Mon Wed", for each of the 128 sets of days; every day is the "ALL" box's
// text, the first of the boxes' (the same days in every window).
QString weekDays(int mask, const QStringList &boxes)
{
    static const QStringList texts = [&boxes] {
        QStringList all;
        for (int set = 0; set < 128; ++set) {
            QStringList days;
            for (int day = 0; day < 7; ++day) {
                if (set & (1 << day))
                    days.append(boxes.at(day + 1));
            }
            all.append(days.isEmpty() ? QStringLiteral("none") : days.join(QLatin1Char(' ')));
        }
        return all;
    }();
    return (mask & 0x7F) == 0x7F ? boxes.first() : texts.at(mask & 0x7F);
}

// The text, and whether what it shows is out of range; the mark is added as
// the text is shown, so that most files' many such values cost no copy.
void showLine(SettingLine &line)
{
    const SettingField &field = line.fields.first();
    line.marked = !field.inRange;
    switch (field.shape->row->kind) {
    case SettingKind::TwoDigits: line.text = twoDigits(field); break;
    case SettingKind::Time:
        line.text = time(field, line.fields.at(1));
        line.marked = !line.inRange();
        break;
    case SettingKind::Days: line.text = weekDays(field.number, field.shape->items); break;
    default: line.text = shown(field);
    }
}

} // namespace


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
        for (const FieldShape &fieldShape : line.shape->fields) {
            SettingField &field = line.fields.emplace_back();
            field.shape = &fieldShape;
            const auto offset = std::size_t(fieldShape.offset);
            read(field, offset < kProfileRecordSize ? record + offset : custom + (offset - kProfileRecordSize));
        }
        const SettingKind kind = line.shape->fields.first().row->kind;
        if (kind == SettingKind::Operator)
            readOperator(line.fields.first(), readBack);
        if (kind == SettingKind::SecureType)
            readSecureType(line.fields.first());
        showLine(line);
    }
    return lines;
}

QList<const FieldShape *> ListedFields()
{
    QList<const FieldShape *> fields;
    for (const LineShape &line : listingShape().lines)
        for (const FieldShape &field : line.fields)
            fields.append(&field);
    return fields;
}
