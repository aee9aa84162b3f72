#include "readback/report.h"

#include "forms/sending_problems.h"
#include "profile/profile_files.h"
#include "readback/settings_listing.h"

#include <QHash>
#include <QJsonArray>

#include <algorithm>
#include <cstring>

QString MaskedPasswordText()
{
    return QStringLiteral("********");
}

QString EmptyValueText()
{
    return QStringLiteral("(empty)");
}

namespace {

// Bytes from a file never reach the terminal as control characters.
QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (!c.isPrint())
            out += QStringLiteral("\\x") + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        else
            out += c;
    }
    return out;
}

bool masked(const SettingLine &line, const ReportOptions &options)
{
    return line.secret() && !options.showPasswords;
}

QString displayText(const SettingLine &line, const ReportOptions &options)
{
    if (line.text.isEmpty())
        return EmptyValueText();
    if (!masked(line, options))
        return escaped(line.text);
    const bool inRange = line.inRange();
    return inRange ? MaskedPasswordText() : OutOfRangeText(MaskedPasswordText());
}

QJsonValue jsonValue(const SettingField &field, const ReportOptions &options)
{
    if (field.listed) {
        return QJsonObject{{QStringLiteral("value"), field.value},
                           {QStringLiteral("text"), field.inRange ? QJsonValue(field.item) : QJsonValue()}};
    }
    if (field.secret && !options.showPasswords && !field.value.toString().isEmpty())
        return MaskedPasswordText();
    return field.value;
}

void insertAt(QJsonObject &object, const QStringList &path, qsizetype depth, const QJsonValue &value)
{
    const QString &key = path.at(depth);
    if (depth + 1 == path.size()) {
        object.insert(key, value);
        return;
    }
    QJsonObject child = object.value(key).toObject();
    insertAt(child, path, depth + 1, value);
    object.insert(key, child);
}

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
    return std::ranges::equal(a.fields, b.fields, [](const SettingField &x, const SettingField &y) {
        return x.value == y.value && x.key == y.key;
    });
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

    QStringList current;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const SettingLine &line = lines[i];
        if (line.groups != current) {
            qsizetype same = 0;
            while (same < current.size() && same < line.groups.size() && current[same] == line.groups[same])
                ++same;
            if (same == 0)
                out += QLatin1Char('\n');
            for (qsizetype level = same; level < line.groups.size(); ++level)
                out += QString(level * 2, u' ') + line.groups[level] + QLatin1Char('\n');
            current = line.groups;
        }
        // Values line up within a group.
        qsizetype width = 0;
        for (qsizetype j = i; j >= 0 && lines[j].groups == current; --j)
            width = std::max(width, lines[j].label.size());
        for (qsizetype j = i; j < lines.size() && lines[j].groups == current; ++j)
            width = std::max(width, lines[j].label.size());
        out += QString(current.size() * 2, u' ') + (line.label + QLatin1Char(':')).leftJustified(width + 2)
               + displayText(line, options) + QLatin1Char('\n');
    }
    return out;
}

QJsonObject ShowJson(const ReadBack &readBack, const QList<SettingLine> &lines, const ReportOptions &options)
{
    QJsonObject object{{QStringLiteral("format"), ReadBackKindName(readBack.kind)}};
    QJsonArray outOfRange;
    for (const SettingLine &line : lines) {
        for (const SettingField &field : line.fields) {
            insertAt(object, field.key.split(QLatin1Char('.')), 0, jsonValue(field, options));
            if (!field.inRange)
                outOfRange.append(field.key);
        }
    }
    object.insert(QStringLiteral("out_of_range"), outOfRange);
    return object;
}

QStringList DiffLines(const ReadBack &from, const ReadBack &to, const ReportOptions &options)
{
    const QList<SettingLine> fromLines = ListSettings(from);
    QHash<QString, SettingLine> toLines;
    for (const SettingLine &line : ListSettings(to))
        toLines.insert(line.name(), line);

    QStringList out;
    QList<SettingField> explained;
    for (const SettingLine &line : fromLines) {
        const auto other = toLines.constFind(line.name());
        if (other == toLines.cend() || sameValues(line, *other))
            continue;
        explained += line.fields;
        if (masked(line, options))
            out.append(QStringLiteral("%1: differs (hidden; --show-passwords shows it)").arg(line.name()));
        else
            out.append(QStringLiteral("%1: %2 -> %3")
                           .arg(line.name(), displayText(line, options), displayText(*other, options)));
    }

    // Only what reaches the camera, and the custom entries when both carry them.
    const bool withCustom = from.custom && to.custom;
    const QByteArray a = comparedBytes(from, withCustom);
    const QByteArray b = comparedBytes(to, withCustom);
    QList<qsizetype> unexplained;
    for (qsizetype offset = kCameraPartOffset; offset < a.size(); ++offset) {
        if (a[offset] == b[offset])
            continue;
        const bool isExplained = std::ranges::any_of(explained, [offset](const SettingField &field) {
            return offset >= field.offset && offset < field.offset + field.size;
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
        if (!line.inRange())
            out.append(QStringLiteral("%1: %2").arg(line.name(), displayText(line, options)));
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
