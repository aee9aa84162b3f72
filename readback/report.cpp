#include "readback/report.h"

#include "settings/sending_problems.h"
#include "profile/profile_files.h"
#include "readback/settings_listing.h"

#include <QHash>
#include <QJsonArray>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstring>
#include <map>
#include <utility>

namespace {

// Bytes from a file never reach the terminal as control characters.
void appendEscaped(QString &out, const QString &text)
{
    // A file's texts decode to the first 256 characters but a few: those are
    // looked up rather than asked of Qt one by one.
    static const std::array<bool, 256> firstPlain = [] {
        std::array<bool, 256> plain{};
        for (char16_t u = 0; u < plain.size(); ++u)
            plain[u] = u != u'\\' && QChar(u).isPrint();
        return plain;
    }();
    const auto plain = [](QChar c) { return c.unicode() < 256 ? firstPlain[c.unicode()] : c.isPrint(); };
    if (std::ranges::all_of(text, plain)) {
        out += text;
        return;
    }
    for (QChar c : text) {
        if (c == u'\\') {
            out += QLatin1StringView("\\\\");
        } else if (!plain(c)) {
            // Built in place: a file's texts may hold hundreds of them.
            char hex[4];
            const char *end = std::to_chars(hex, std::end(hex), c.unicode(), 16).ptr;
            out += QLatin1StringView(end - hex < 2 ? "\\x0" : "\\x");
            for (const char *digit = hex; digit != end; ++digit)
                out += QLatin1Char(char(std::toupper(*digit)));
        } else {
            out += c;
        }
    }
}

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    appendEscaped(out, text);
    return out;
}

bool masked(const SettingLine &line, const ReportOptions &options)
{
    return line.secret() && !options.showPasswords;
}

void appendDisplayText(QString &out, const SettingLine &line, const ReportOptions &options)
{
    if (line.text.isEmpty())
        out += kEmptyValue;
    else if (!masked(line, options))
        appendEscaped(out, line.text);
    else
        out += kMaskedPassword;
    if (line.marked)
        out += kOutOfRangeMark;
}

QString displayText(const SettingLine &line, const ReportOptions &options)
{
    QString out;
    appendDisplayText(out, line, options);
    return out;
}

void appendSpaces(QString &out, qsizetype count)
{
    if (count > 0)
        out.resize(out.size() + count, u' ');
}

QJsonValue storedValue(const SettingField &field)
{
    return field.isText() ? QJsonValue(field.text) : QJsonValue(field.number);
}

QJsonValue jsonValue(const SettingField &field, const ReportOptions &options)
{
    if (field.shape->listed) {
        // Filled from one shape: building the object member by member costs
        // many times the allocations.
        static const QJsonObject shape{{QStringLiteral("value"), 0}, {QStringLiteral("text"), QJsonValue()}};
        QJsonObject object = shape;
        object[QStringLiteral("value")] = storedValue(field);
        if (field.inRange)
            object[QStringLiteral("text")] = field.item;
        return object;
    }
    if (field.shape->secret && !options.showPasswords && !field.text.isEmpty())
        return QString(kMaskedPassword);
    return storedValue(field);
}

// The members nested as the dotted keys nest. Each object is assembled once
// at the end, rather than copied out and back in for every member below it.
struct JsonNode {
    QJsonValue leaf;
    std::map<QString, JsonNode, std::less<>> members;

    JsonNode &at(QStringView key)
    {
        auto it = members.find(key);
        if (it == members.end())
            it = members.emplace(key.toString(), JsonNode{}).first;
        return it->second;
    }

    void insert(QStringView dottedKey, const QJsonValue &value)
    {
        JsonNode *node = this;
        for (QStringView part : dottedKey.tokenize(u'.'))
            node = &node->at(part);
        node->leaf = value;
        node->members.clear();
    }

    QJsonValue toJson() const
    {
        if (members.empty())
            return leaf;
        QJsonObject object;
        for (const auto &[key, member] : members)
            object.insert(key, member.toJson());
        return object;
    }
};

QByteArray comparedBytes(const ReadBack &readBack, bool withCustom)
{
    const auto *record = reinterpret_cast<const char *>(&readBack.record);
    QByteArray bytes(record, qsizetype(sizeof readBack.record));
    if (withCustom) {
        for (const OperatorEntry &entry : readBack.custom->country_customers)
            bytes.append(reinterpret_cast<const char *>(&entry), sizeof entry);
        bytes.append(reinterpret_cast<const char *>(&readBack.custom->extra_customer), sizeof(OperatorEntry));
    }
    return bytes;
}

bool sameValues(const SettingLine &a, const SettingLine &b)
{
    return std::ranges::equal(a.fields, b.fields, &SettingField::sameValue);
}

// What tells apart two values that show alike, one for each side: the copy
// of the switch in a week's mask, else the stored numbers that differ.
std::pair<QString, QString> telling(const SettingLine &a, const SettingLine &b)
{
    constexpr int kSwitchBit = 0x80;
    QStringList left;
    QStringList right;
    for (qsizetype f = 0; f < a.fields.size() && f < b.fields.size(); ++f) {
        const SettingField &x = a.fields[f];
        const SettingField &y = b.fields[f];
        if (x.sameValue(y))
            continue;
        if (x.key().endsWith(u".week_mask") && ((x.number ^ y.number) & ~kSwitchBit) == 0) {
            const auto bit = [](int mask) {
                return QStringLiteral("switch bit %1").arg((mask & kSwitchBit) ? u"On" : u"Off");
            };
            left.append(bit(x.number));
            right.append(bit(y.number));
        } else {
            left.append(QStringLiteral("stored %1").arg(x.isText() ? escaped(x.text) : QString::number(x.number)));
            right.append(QStringLiteral("stored %1").arg(y.isText() ? escaped(y.text) : QString::number(y.number)));
        }
    }
    const auto joined = [](const QStringList &parts) {
        return QStringLiteral(" (%1)").arg(parts.join(QStringLiteral(", ")));
    };
    return {joined(left), joined(right)};
}

// "59, 106-109": runs of offsets joined.
QString offsetRuns(const QList<qsizetype> &offsets)
{
    QStringList runs;
    for (qsizetype i = 0; i < offsets.size();) {
        qsizetype j = i;
        while (j + 1 < offsets.size() && offsets[j + 1] == offsets[j] + 1)
            ++j;
        runs.append(i == j ? QString::number(offsets[i])
                           : QStringLiteral("%1-%2").arg(offsets[i]).arg(offsets[j]));
        i = j + 1;
    }
    return runs.join(QStringLiteral(", "));
}

} // namespace

QString ShowText(const ReadBack &readBack, const QList<SettingLine> &lines, const ReportOptions &options)
{
    const qsizetype size = readBack.kind == ReadBack::Kind::ProfileFile ? kProfileFileSize : kWorkingCopySize;
    QString out = QStringLiteral("%1 (%2 bytes)\n").arg(ReadBackKindName(readBack.kind)).arg(size);

    // Built in place: a report is rendered for every file, so no piece is a temporary.
    out.reserve(lines.size() * 64);
    const LineShape *current = nullptr;
    qsizetype width = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const SettingLine &line = lines[i];
        const QStringList &groups = line.groups();
        if (!current || line.shape->group != current->group) {
            qsizetype same = 0;
            if (current) {
                const QStringList &previous = current->groups;
                while (same < previous.size() && same < groups.size() && previous.at(same) == groups[same])
                    ++same;
            }
            if (same == 0)
                out += QLatin1Char('\n');
            for (qsizetype level = same; level < groups.size(); ++level) {
                appendSpaces(out, level * 2);
                out += groups[level];
                out += QLatin1Char('\n');
            }
            current = line.shape;
            // Values line up within a group.
            width = 0;
            for (qsizetype j = i; j < lines.size() && lines[j].shape->group == current->group; ++j)
                width = std::max(width, lines[j].label().size());
        }
        appendSpaces(out, groups.size() * 2);
        out += line.label();
        out += QLatin1Char(':');
        appendSpaces(out, width + 1 - line.label().size());
        appendDisplayText(out, line, options);
        out += QLatin1Char('\n');
    }
    return out;
}

QJsonObject ShowJson(const ReadBack &readBack, const QList<SettingLine> &lines, const ReportOptions &options)
{
    JsonNode root;
    root.insert(u"format", ReadBackKindName(readBack.kind));
    QJsonArray outOfRange;
    for (const SettingLine &line : lines) {
        for (const SettingField &field : line.fields) {
            root.insert(field.key(), jsonValue(field, options));
            if (!field.inRange)
                outOfRange.append(field.key());
        }
    }
    root.insert(u"out_of_range", outOfRange);
    return root.toJson().toObject();
}

QStringList DiffLines(const ReadBack &from, const ReadBack &to, const ReportOptions &options)
{
    const QList<SettingLine> fromLines = ListSettings(from);
    const QList<SettingLine> toLines = ListSettings(to);
    // Both files list their lines in one order, so a line's match is nearly
    // always at its own index; names are looked up only where the lists part.
    QHash<QString, qsizetype> toIndex;
    const auto counterpart = [&](qsizetype i) -> const SettingLine * {
        const SettingLine &line = fromLines[i];
        if (i < toLines.size() && toLines[i].shape == line.shape)
            return &toLines[i];
        if (toIndex.isEmpty()) {
            for (qsizetype j = 0; j < toLines.size(); ++j)
                toIndex.insert(toLines[j].name(), j);
        }
        const auto found = toIndex.constFind(line.name());
        return found == toIndex.cend() ? nullptr : &toLines[*found];
    };

    QStringList out;
    QList<const FieldShape *> explained;
    for (qsizetype i = 0; i < fromLines.size(); ++i) {
        const SettingLine &line = fromLines[i];
        const SettingLine *other = counterpart(i);
        if (!other || sameValues(line, *other))
            continue;
        for (const SettingField &field : line.fields)
            explained.append(field.shape);
        if (masked(line, options)) {
            out.append(QStringLiteral("%1: differs (hidden; --show-passwords shows it)").arg(line.name()));
            continue;
        }
        QString before = displayText(line, options);
        QString after = displayText(*other, options);
        // A line that read the same on both sides would hide what differs.
        if (before == after) {
            const auto [left, right] = telling(line, *other);
            before += left;
            after += right;
        }
        out.append(QStringLiteral("%1: %2 -> %3").arg(line.name(), before, after));
    }

    // Only what reaches the camera, and the custom entries when both carry them.
    const bool withCustom = from.custom && to.custom;
    const QByteArray a = comparedBytes(from, withCustom);
    const QByteArray b = comparedBytes(to, withCustom);
    QList<qsizetype> unexplained;
    for (qsizetype offset = kCameraPartOffset; offset < a.size(); ++offset) {
        if (a.constData()[offset] == b.constData()[offset])
            continue;
        const bool isExplained = std::ranges::any_of(explained, [offset](const FieldShape *field) {
            return offset >= field->offset && offset < field->offset + field->size;
        });
        if (!isExplained)
            unexplained.append(offset);
    }
    if (!unexplained.isEmpty())
        out.append(QStringLiteral("Bytes outside the settings differ at offsets %1").arg(offsetRuns(unexplained)));
    return out;
}

QStringList CheckLines(const QList<SettingLine> &lines, const ReportOptions &options)
{
    QStringList out;
    for (const SettingLine &line : lines) {
        if (!line.inRange()) {
            // Room for the value, so that a line costs one allocation.
            QString text;
            text.reserve(line.name().size() + 96);
            text += line.name();
            text += QLatin1StringView(": ");
            appendDisplayText(text, line, options);
            out.append(text);
        }
    }
    return out;
}

QStringList SendingLines(const ReadBack &readBack)
{
    QStringList out;
    // The texts name the file's operator, which may hold any bytes.
    for (const QString &problem : SendingProblems(readBack.record))
        out.append(escaped(problem));
    return out;
}
