#include "readback/settings_document.h"

#include "profile/code_page.h"
#include "profile/profile_record.h"
#include "profile/record_text.h"
#include "readback/read_back.h"
#include "readback/report.h"
#include "readback/settings_listing.h"
#include "settings/camera_model.h"
#include "settings/camera_schema.h"
#include "settings/ipv4_octets.h"
#include "settings/operator_model.h"
#include "settings/operator_schema.h"
#include "settings/page_model.h"
#include "settings/page_schema.h"
#include "settings/profile_defaults.h"
#include "settings/sender_model.h"
#include "settings/sender_schema.h"
#include "settings/typed_text.h"
#include "settings/work_time_schema.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>
#include <functional>

namespace {

// The members `show --json` prints beside the settings.
constexpr std::array kReportMembers = {"format", "out_of_range"};

const QHash<QString, const FieldShape *> &fieldsByKey()
{
    static const QHash<QString, const FieldShape *> fields = [] {
        QHash<QString, const FieldShape *> made;
        for (const FieldShape *field : ListedFields())
            made.insert(field->key, field);
        return made;
    }();
    return fields;
}

// Each member's line, by its dotted path. The document is parsed for real
// elsewhere; this only finds where its keys stand.
QMap<QString, int> memberLines(const QByteArray &json)
{
    struct Frame {
        bool object;
        QString key;
    };
    QMap<QString, int> lines;
    QList<Frame> frames;
    bool expectKey = false;
    int line = 1;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (c == '\n') {
            ++line;
        } else if (c == '"') {
            QByteArray text;
            for (++i; i < json.size() && json.at(i) != '"'; ++i) {
                if (json.at(i) == '\\')
                    ++i;
                if (i < json.size())
                    text.append(json.at(i));
            }
            if (expectKey && !frames.isEmpty()) {
                frames.last().key = QString::fromUtf8(text);
                QStringList path;
                for (const Frame &frame : frames)
                    if (frame.object)
                        path.append(frame.key);
                lines.insert(path.join(u'.'), line);
                expectKey = false;
            }
        } else if (c == '{' || c == '[') {
            frames.append(Frame{c == '{', {}});
            expectKey = c == '{';
        } else if ((c == '}' || c == ']') && !frames.isEmpty()) {
            frames.removeLast();
        } else if (c == ',') {
            expectKey = !frames.isEmpty() && frames.last().object;
        }
    }
    return lines;
}

void flatten(const QJsonObject &object, const QString &prefix, SettingsDocument &document,
             QList<DocumentProblem> &problems)
{
    for (auto member = object.begin(); member != object.end(); ++member) {
        const QString key = prefix + member.key();
        if (prefix.isEmpty() && std::ranges::any_of(kReportMembers, [&](const char *name) {
                return member.key() == QLatin1StringView(name);
            }))
            continue;
        if (fieldsByKey().contains(key))
            document.values.insert(key, member.value());
        else if (member.value().isObject())
            flatten(member.value().toObject(), key + u'.', document, problems);
        else
            problems.append({key, document.lines.value(key),
                             QStringLiteral("no setting has this key")});
    }
}

bool isListed(const FieldShape &field)
{
    return field.listed;
}

// Kinds whose value is a plain number.
bool isNumber(const FieldShape &field)
{
    return !field.text && !field.listed;
}

std::optional<int> wholeNumber(const QJsonValue &json)
{
    if (!json.isDouble())
        return std::nullopt;
    const double number = json.toDouble();
    if (std::floor(number) != number || number < 0 || number > 65535)
        return std::nullopt;
    return int(number);
}

// Why a value is not one the setting's control takes.
struct Refusal {
    QString why;
};

// The value a control would hold for the document's value, or why there is none.
std::variant<QVariant, Refusal> controlValue(const FieldShape &field, const QJsonValue &json,
                                             const QStringList &items)
{
    const SettingKind kind = field.row->kind;
    if (isListed(field)) {
        const bool secure = kind == SettingKind::SecureType;
        std::optional<int> position;
        if (json.isString()) {
            position = int(items.indexOf(json.toString()));
            if (*position < 0)
                return Refusal{QStringLiteral("\"%1\" is not one of its items: %2")
                    .arg(json.toString(), items.join(QLatin1StringView(", ")))};
        } else {
            const QJsonValue stored = json.isObject() ? json.toObject().value(u"value") : json;
            const std::optional<int> number = wholeNumber(stored);
            if (!number)
                return Refusal{QStringLiteral("takes an item of its list, by its text or as {\"value\": N}")};
            const bool valid = secure ? (*number & 0xF0) == SecureType::kBase : true;
            position = secure ? SecureType::index(std::uint8_t(*number)) : *number;
            if (!valid || *position >= items.size())
                return Refusal{QStringLiteral("%1 is not the value of an item of its list").arg(*number)};
            const QJsonValue text = json.toObject().value(u"text");
            if (json.isObject() && !text.isUndefined() && !text.isNull() && text.toString() != items.at(*position))
                return Refusal{QStringLiteral("the value %1 is \"%2\", not \"%3\"")
                    .arg(*number)
                    .arg(items.at(*position), text.toString())};
        }
        return QVariant(*position);
    }
    if (isNumber(field)) {
        const std::optional<int> number = wholeNumber(json);
        const int bound = kind == SettingKind::Number || kind == SettingKind::Days ? 256 : field.count;
        if (!number)
            return Refusal{QStringLiteral("takes a whole number")};
        if (*number >= bound)
            return Refusal{QStringLiteral("%1 is out of its range, 0 to %2").arg(*number).arg(bound - 1)};
        if (kind == SettingKind::Number)
            return QVariant(QString::number(*number));
        return QVariant(*number);
    }
    if (!json.isString())
        return Refusal{QStringLiteral("takes a text")};
    const QString text = json.toString();
    if (field.secret && text == kMaskedPassword)
        return Refusal{QStringLiteral("is masked: read the settings with --show-passwords")};
    if (text.size() >= field.size)
        return Refusal{QStringLiteral("takes at most %1 characters").arg(field.size - 1)};
    if (!CodePage::holdsAll(text))
        return Refusal{QStringLiteral("holds characters the card cannot store")};
    if (kind == SettingKind::Address) {
        if (!text.isEmpty() && !ReadDottedQuad(text))
            return Refusal{QStringLiteral("takes an address of four numbers, such as 10.0.0.1")};
        return QVariant(text);
    }
    // What its field would not take as typed, the field's own note says.
    const TypedText typed = TakeTyped(text, int(text.size()), field.row->typing);
    if (typed.refused || !typed.note.isEmpty())
        return Refusal{typed.note.simplified()};
    return QVariant(text);
}

// Who takes a field's value.
enum class Owner { Page, Camera, Sender, RecordOperator, Custom, Derived };

Owner ownerOf(const FieldShape &field)
{
    static const QSet<const SettingRow *> camera = [] {
        QSet<const SettingRow *> rows;
        for (const QList<SettingGroup> *groups : {&CameraGroups(), &WorkTimeGroups()})
            for (const SettingGroup &group : *groups)
                for (const SettingRow &row : group.rows)
                    rows.insert(&row);
        return rows;
    }();
    // An address's local part is made from it; a time's minute goes with its hour.
    if (field.place > 0 && field.row->kind != SettingKind::Time)
        return Owner::Derived;
    if (field.key.startsWith(u"custom_operators."))
        return Owner::Custom;
    if (field.key.startsWith(u"operator."))
        return field.row == &OperatorNameRow() ? Owner::Derived : Owner::RecordOperator;
    if (camera.contains(field.row))
        return Owner::Camera;
    for (const SettingRow &row : SenderRows())
        if (&row == field.row)
            return Owner::Sender;
    return Owner::Page;
}

DocumentProblem refusal(const SettingFault &fault)
{
    return {fault.key, 0, fault.message.caption + QStringLiteral(": ") + fault.message.text};
}

class Builder
{
public:
    Builder(const SettingsDocument &document, ProfileSession &session)
        : m_document(document)
        , m_session(session)
    {
    }

    QList<DocumentProblem> build()
    {
        SetProfileDefaults(m_session.record, m_session.currentArea);
        // The document's bytes first, so that a window the document leaves as
        // it found it keeps them, as a dialog never opened does.
        if (!putBytes())
            return m_problems;

        PageModel page(m_session);
        page.load();
        QList<std::pair<QString, OperatorEntry *>> entries;
        for (OperatorEntry &entry : m_session.custom.country_customers)
            entries.append({QStringLiteral("custom_operators.") + EntryName(entry) + u'.', &entry});
        entries.append({QStringLiteral("custom_operators.") + EntryName(m_session.custom.extra_customer) + u'.',
                        &m_session.custom.extra_customer});
        for (const auto &[prefix, entry] : entries) {
            OperatorModel custom(*entry);
            if (!confirm(custom, Owner::Custom, prefix, {}))
                return m_problems;
        }
        // The camera corrects a choice as its dialog does when it is made; the
        // provider comes first, and choosing it shows its own preset.
        CameraModel camera(m_session.record);
        if (!confirm(camera, Owner::Camera, {}, [](const QString &) { return true; }))
            return m_problems;
        SenderModel sender(m_session.record, m_session.presets);
        if (!confirm(sender, Owner::Sender, {}, [](const QString &key) { return !key.contains(u"account"); }))
            return m_problems;

        // A country and an operator are chosen as in their lists, each in its turn.
        const PageKeys &keys = PageKey();
        apply(page, Owner::Page, {}, [&keys](const QString &key) {
            return key == keys.country || key == keys.operatorIndex || key == keys.smsSwitch;
        });
        if (!m_problems.isEmpty())
            return m_problems;
        // The operator dialog edits the entry a custom operator put into the
        // record; any other operator's entry is the catalogue's.
        if (page.customEnabled()) {
            OperatorModel operatorEntry(m_session.record.operator_);
            if (!confirm(operatorEntry, Owner::RecordOperator, QStringLiteral("operator."), {}))
                return m_problems;
        }
        m_session.record.header_value = kSavedHeaderValue;
        if (const auto fault = page.store())
            return {refusal(*fault)};
        if (!page.customEnabled())
            refuseLostOperator();
        return m_problems;
    }

private:
    // A catalogue operator brings its own parameters; the document's others would be lost.
    void refuseLostOperator()
    {
        for (const FieldShape *field : ListedFields()) {
            const auto given = m_document.values.constFind(field->key);
            if (ownerOf(*field) != Owner::RecordOperator || given == m_document.values.cend())
                continue;
            const QString stored = LoadRecordText(
                std::span<const char>(layoutOf(*field) + field->offset, std::size_t(field->size)));
            if (given->toString() != stored)
                m_problems.append({field->key, m_document.lines.value(field->key),
                                   QStringLiteral("the operator \"%1\" brings its own parameters; choose a "
                                                  "\"Customer\" operator to set yours")
                                       .arg(EntryName(m_session.record.operator_))});
        }
    }

    // The layout a field's offset counts in: the record, then the custom entries.
    char *layoutOf(const FieldShape &field)
    {
        if (field.offset < qsizetype(kProfileRecordSize))
            return reinterpret_cast<char *>(&m_session.record);
        return reinterpret_cast<char *>(&m_session.custom) - kProfileRecordSize;
    }

    // Every value of the document as its bytes; a value no control takes is a problem.
    bool putBytes()
    {
        for (const FieldShape *field : ListedFields()) {
            const auto given = m_document.values.constFind(field->key);
            if (given == m_document.values.cend())
                continue;
            // Choosing a provider brings its preset: it is chosen in the dialog, not put as a byte.
            if (field->row == &SenderRows().first())
                continue;
            if (field->key.startsWith(u"custom_operators.") && field->row == &OperatorNameRow()) {
                const QString name = field->key.section(u'.', 1, 1);
                if (given->toString() != name)
                    m_problems.append({field->key, m_document.lines.value(field->key),
                                       QStringLiteral("a custom operator keeps its name, \"%1\"").arg(name)});
                continue;
            }
            const QStringList items = field->row->kind == SettingKind::Operator ? operatorItems() : field->items;
            const auto value = controlValue(*field, *given, items);
            if (const auto *refused = std::get_if<Refusal>(&value)) {
                m_problems.append({field->key, m_document.lines.value(field->key), refused->why});
                continue;
            }
            char *bytes = layoutOf(*field) + field->offset;
            const QVariant shown = std::get<QVariant>(value);
            if (field->text) {
                const std::span<char> room(bytes, std::size_t(field->size));
                ClearRecordText(room);
                StoreRecordText(room, shown.toString());
                continue;
            }
            const int stored = field->row->kind == SettingKind::SecureType ? SecureType::fromIndex(shown.toInt())
                               : field->row->kind == SettingKind::Number    ? shown.toString().toInt()
                                                                            : shown.toInt();
            const RecordPlace &place = field->row->places[field->place];
            RecordPlace at = place;
            at.offset = 0;
            at.shift = 0;
            at.mask = 0xFFFF;
            const int others = at.read(bytes) & ~(place.mask << place.shift);
            at.write(bytes, others | ((stored & place.mask) << place.shift));
        }
        return m_problems.isEmpty();
    }

    QStringList operatorItems() const
    {
        const QJsonValue country = m_document.values.value(PageKey().country);
        const int row = country.isObject() ? country.toObject().value(u"value").toInt()
                        : country.isString() ? int(m_session.catalogue.countryNames().indexOf(country.toString()))
                                             : m_session.record.country_index;
        return row >= 0 && row < m_session.catalogue.countryCount() ? m_session.catalogue.operatorItems(row)
                                                                    : QStringList();
    }

    // A dialog opened on the record: the document's values are typed in, its
    // check runs, and its OK stores only when that changed something.
    bool confirm(WindowModel &model, Owner owner, const QString &prefix,
                 const std::function<bool(const QString &)> &chosen)
    {
        model.load();
        const QList<QVariant> before = values(model, owner, prefix);
        apply(model, owner, prefix, chosen);
        if (!m_problems.isEmpty())
            return false;
        std::optional<SettingFault> fault = model.check();
        if (!fault && values(model, owner, prefix) != before)
            fault = model.store();
        if (fault)
            m_problems.append(refusal({prefix + fault->key, fault->message}));
        return !fault;
    }

    QList<QVariant> values(const WindowModel &model, Owner owner, const QString &prefix) const
    {
        QList<QVariant> all;
        for (const FieldShape *field : ListedFields())
            if (ownerOf(*field) == owner && field->key.startsWith(prefix))
                all.append(model.value(modelKey(*field, prefix)));
        return all;
    }

    // A time's hour and minute are one control, keyed by the hour.
    static QString modelKey(const FieldShape &field, const QString &prefix)
    {
        const QString placeKey = field.row->places[field.place].key;
        return field.key.mid(prefix.size()).chopped(placeKey.size()) + field.row->key();
    }

    // Sets the document's values of one owner into its model, in the window's
    // order, as its controls would hold them; where `chosen` says so, as the
    // user's choice, so that its rule runs. The model's keys lack `prefix`.
    void apply(WindowModel &model, Owner owner, const QString &prefix,
               const std::function<bool(const QString &)> &chosen)
    {
        for (const FieldShape *field : ListedFields()) {
            const auto given = m_document.values.constFind(field->key);
            if (ownerOf(*field) != owner || !field->key.startsWith(prefix) || field->row == &OperatorNameRow()
                || given == m_document.values.cend())
                continue;
            const QString key = modelKey(*field, prefix);
            const QStringList items = field->row->kind == SettingKind::Operator ? model.items(key) : field->items;
            const auto value = controlValue(*field, *given, items);
            if (const auto *refused = std::get_if<Refusal>(&value)) {
                m_problems.append({field->key, m_document.lines.value(field->key), refused->why});
                continue;
            }
            QVariant shown = std::get<QVariant>(value);
            // The days' boxes: the stored days, and "ALL" when they are every day.
            if (field->row->kind == SettingKind::Days)
                shown = (shown.toInt() & 0x7F) | ((shown.toInt() & 0x7F) == 0x7F ? 0x80 : 0);
            if (field->row->kind == SettingKind::Time) {
                QVariantList halves = model.value(key).toList();
                halves.resize(2);
                halves[field->place] = shown;
                shown = halves;
            }
            // A choice made again runs its rule again, as the user's would.
            if (model.value(key) == shown) {
                if (chosen && chosen(key))
                    model.changed(key);
                continue;
            }
            // The sender's greyed fields are not its own: they would be lost.
            if (owner == Owner::Sender && field->text && !model.state(key).enabled) {
                m_problems.append({field->key, m_document.lines.value(field->key),
                                   QStringLiteral("is not the sender's own with this \"%1\": its field is greyed "
                                                  "out and the value would be lost")
                                       .arg(SenderRows().first().label())});
                continue;
            }
            model.set(key, shown);
            if (chosen && chosen(key))
                model.changed(key);
        }
    }

    const SettingsDocument &m_document;
    ProfileSession &m_session;
    QList<DocumentProblem> m_problems;
};

} // namespace

QString DocumentProblem::message() const
{
    QString where = key;
    if (line > 0)
        where += where.isEmpty() ? QStringLiteral("line %1").arg(line) : QStringLiteral(" (line %1)").arg(line);
    return where.isEmpty() ? text : where + QStringLiteral(": ") + text;
}

std::variant<SettingsDocument, QList<DocumentProblem>> ReadSettingsDocument(const QByteArray &bytes)
{
    SettingsDocument document;
    QList<DocumentProblem> problems;
    QJsonObject object;
    if (bytes.trimmed().startsWith('{')) {
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
        if (error.error != QJsonParseError::NoError)
            return QList<DocumentProblem>{
                {{}, int(bytes.left(error.offset).count('\n')) + 1, error.errorString()}};
        object = json.object();
        document.lines = memberLines(bytes);
    } else {
        const ReadBackResult read = DecodeReadBack(bytes);
        if (const auto *error = std::get_if<ReadBackError>(&read))
            return QList<DocumentProblem>{{{}, 0, error->message()}};
        const ReadBack &file = std::get<ReadBack>(read);
        object = ShowJson(file, ListSettings(file), {.showPasswords = true});
    }
    flatten(object, {}, document, problems);
    if (!problems.isEmpty())
        return problems;
    return document;
}

std::optional<DocumentProblem> SetInDocument(SettingsDocument &document, const QString &assignment)
{
    const qsizetype equals = assignment.indexOf(u'=');
    const QString key = assignment.left(equals);
    const FieldShape *field = fieldsByKey().value(key);
    if (equals < 0)
        return DocumentProblem{key, 0, QStringLiteral("--set takes KEY=VALUE")};
    if (!field)
        return DocumentProblem{key, 0, QStringLiteral("no setting has this key")};
    const QString raw = assignment.mid(equals + 1);
    bool isNumber = false;
    const int number = raw.toInt(&isNumber);
    QJsonValue value = raw;
    if (!field->text && isNumber)
        value = field->listed ? QJsonValue(QJsonObject{{QStringLiteral("value"), number}}) : QJsonValue(number);
    document.values.insert(key, value);
    document.lines.remove(key);
    return std::nullopt;
}

QList<DocumentProblem> BuildSettings(const SettingsDocument &document, ProfileSession &session)
{
    return Builder(document, session).build();
}
