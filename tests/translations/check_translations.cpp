// Checks a .ts file as lupdate leaves it: every message translated and
// finished, with the source's placeholders and line breaks. Prints each fault
// and exits 1 on any.
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

#include <cstdio>
#include <map>

namespace {

struct Entry {
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty when finished
};

// How often each placeholder, "%1".."%99" and "%n", and each line break occurs.
std::map<QString, int> marks(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d{1,2}|n)"));
    std::map<QString, int> found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        ++found[match.captured()];
    found[QStringLiteral("\\n")] = int(text.count(u'\n'));
    found[QStringLiteral("\\r")] = int(text.count(u'\r'));
    return found;
}

QString describe(const std::map<QString, int> &marks)
{
    QStringList parts;
    for (const auto &[mark, count] : marks)
        parts.append(QStringLiteral("%1 x%2").arg(mark, QString::number(count)));
    return parts.join(QStringLiteral(", "));
}

// An element's text; lupdate writes a control character such as the CR of
// "\r\n" as <byte value="xd"/>.
QString readText(QXmlStreamReader &xml)
{
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement()) {
            ++depth;
            if (xml.name() == QLatin1String("byte")) {
                const QString value = xml.attributes().value(QLatin1String("value")).toString();
                text += QChar(value.mid(value.startsWith(u'x') ? 1 : 0).toUShort(nullptr, 16));
            }
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    return text;
}

QList<Entry> readEntries(QFile &file, QString &error)
{
    QList<Entry> entries;
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = Entry{context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            entry.source = readText(xml);
        } else if (name == QLatin1String("comment")) {
            entry.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = readText(xml);
            entries.append(entry);
        }
    }
    if (xml.hasError())
        error = xml.errorString();
    return entries;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: check_translations FILE.ts\n", stderr);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot be read\n", argv[1]);
        return 2;
    }
    QString error;
    const QList<Entry> entries = readEntries(file, error);
    QStringList faults;
    if (!error.isEmpty())
        faults.append(QStringLiteral("not a translation file: ") + error);
    if (entries.isEmpty())
        faults.append(QStringLiteral("no messages at all"));
    for (const Entry &entry : entries) {
        const QString where = QStringLiteral("%1 \"%2\"%3")
                                  .arg(entry.context, entry.source,
                                       entry.comment.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(entry.comment));
        if (!entry.type.isEmpty()) {
            faults.append(QStringLiteral("%1: %2").arg(where, entry.type));
            continue;
        }
        if (entry.translation.isEmpty() && !entry.source.isEmpty()) {
            faults.append(QStringLiteral("%1: empty").arg(where));
            continue;
        }
        const auto wanted = marks(entry.source);
        const auto given = marks(entry.translation);
        if (wanted != given)
            faults.append(QStringLiteral("%1: has %2, the source %3").arg(where, describe(given), describe(wanted)));
    }
    for (const QString &fault : faults)
        std::fprintf(stderr, "%s\n", qPrintable(fault));
    if (!faults.isEmpty()) {
        std::fprintf(stderr, "%s: %lld of %lld messages at fault\n", argv[1], qlonglong(faults.size()),
                     qlonglong(entries.size()));
        return 1;
    }
    std::printf("%s: %lld messages, all translated\n", argv[1], qlonglong(entries.size()));
    return 0;
}
