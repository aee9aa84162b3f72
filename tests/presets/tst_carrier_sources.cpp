// The carriers' parameters against the APN database they were taken from,
// by way of the source table that names each one's entries.
#include "presets/operator_catalogue.h"
#include "profile/record_text.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <optional>

namespace {

using Attributes = QHash<QString, QString>;

const QString kFolder = QStringLiteral(TALMERIS_THIRD_PARTY_DIR "/android-apns");

QList<Attributes> readApns()
{
    QFile file(kFolder + "/apns-conf-europe.xml");
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QList<Attributes> apns;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("apn"))
            continue;
        Attributes attributes;
        for (const QXmlStreamAttribute &attribute : xml.attributes())
            attributes.insert(attribute.name().toString(), attribute.value().toString());
        apns.append(attributes);
    }
    if (xml.hasError())
        qFatal("%s", qPrintable(xml.errorString()));
    return apns;
}

struct SourceRow {
    QString country;
    QString carrier;
    QString mms;
    QString data;
    QString notes;
};

// The rows of the Markdown table under its "| Country |" heading.
QList<SourceRow> readSourceTable()
{
    QFile file(kFolder + "/carriers.md");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QList<SourceRow> rows;
    bool inTable = false;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(QLatin1String("| Country |"))) {
            inTable = true;
            continue;
        }
        if (!inTable || line.startsWith(QLatin1String("|---")))
            continue;
        if (!line.startsWith(u'|'))
            break;
        const QStringList cells = line.split(u'|');
        if (cells.size() != 7)
            qFatal("a source row of %d cells: %s", int(cells.size()), qPrintable(line));
        rows.append({cells[1].trimmed(), cells[2].trimmed(), cells[3].trimmed(), cells[4].trimmed(),
                     cells[5].trimmed()});
    }
    return rows;
}

const QList<Attributes> &apns()
{
    static const QList<Attributes> all = readApns();
    return all;
}

const QList<SourceRow> &sourceRows()
{
    static const QList<SourceRow> rows = readSourceTable();
    return rows;
}

bool carries(const Attributes &apn, const QString &type)
{
    if (!apn.contains(QStringLiteral("type")))
        return true;
    const QStringList types = apn.value(QStringLiteral("type")).split(u',', Qt::SkipEmptyParts);
    return types.contains(QStringLiteral("*")) || types.contains(type);
}

// "Carrier (mcc mnc)" or "... #n": the n-th entry of that name and network carrying `type`.
std::optional<Attributes> sourceEntry(const QString &cell, const QString &type)
{
    static const QRegularExpression pattern(QStringLiteral("^(.+) \\((\\d{3}) (\\d{2,3})\\)(?: #(\\d+))?$"));
    const QRegularExpressionMatch match = pattern.match(cell);
    if (!match.hasMatch())
        return std::nullopt;
    int wanted = match.captured(4).isEmpty() ? 1 : match.captured(4).toInt();
    for (const Attributes &apn : apns()) {
        if (apn.value("carrier") == match.captured(1) && apn.value("mcc") == match.captured(2)
            && apn.value("mnc") == match.captured(3) && carries(apn, type) && --wanted == 0)
            return apn;
    }
    return std::nullopt;
}

// Dotted decimal without leading zeros; empty for a host name.
QString gatewayAddress(const QString &proxy)
{
    const QStringList parts = proxy.split(u'.');
    QStringList octets;
    for (const QString &part : parts) {
        bool number = false;
        const int value = part.toInt(&number);
        if (!number || value < 0 || value > 255)
            return {};
        octets.append(QString::number(value));
    }
    return octets.size() == 4 ? octets.join(u'.') : QString();
}

struct Expected {
    QString key;
    QString value;
    qsizetype width;
    QString actual;
};

} // namespace

class TestCarrierSources : public QObject
{
    Q_OBJECT

private slots:
    void theTableListsEveryCarrierOnce()
    {
        CustomOperators custom = CustomOperators::BuiltIn();
        const OperatorCatalogue catalogue(custom);
        QStringList carriers;
        for (int row = 1; row < OperatorCatalogue::kCustomerRow; ++row) {
            for (int index = 0; index < catalogue.operatorCount(row); ++index)
                carriers.append(catalogue.countryName(row) + " / " + EntryName(catalogue.operatorEntry(row, index)));
        }
        QStringList listed;
        int withMms = 0;
        for (const SourceRow &source : sourceRows()) {
            listed.append(source.country + " / " + source.carrier);
            withMms += source.mms != QLatin1String("none found");
        }
        QCOMPARE(listed, carriers);
        QVERIFY(withMms >= 55);
    }

    void eachCarrierMatchesItsSource_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("index");
        CustomOperators custom = CustomOperators::BuiltIn();
        const OperatorCatalogue catalogue(custom);
        for (int row = 1; row < OperatorCatalogue::kCustomerRow; ++row) {
            for (int index = 0; index < catalogue.operatorCount(row); ++index) {
                const QString name = EntryName(catalogue.operatorEntry(row, index));
                QTest::newRow(qPrintable(catalogue.countryName(row) + " / " + name)) << row << index;
            }
        }
    }

    void eachCarrierMatchesItsSource()
    {
        QFETCH(int, row);
        QFETCH(int, index);
        CustomOperators custom = CustomOperators::BuiltIn();
        const OperatorCatalogue catalogue(custom);
        const OperatorEntry &entry = catalogue.operatorEntry(row, index);
        const auto source = std::find_if(sourceRows().cbegin(), sourceRows().cend(), [&](const SourceRow &s) {
            return s.country == catalogue.countryName(row) && s.carrier == EntryName(entry);
        });
        QVERIFY2(source != sourceRows().cend(), "not in the source table");

        const bool mmsFound = source->mms != QLatin1String("none found");
        const bool dataFound = source->data != QLatin1String("none found");
        const std::optional<Attributes> mms = mmsFound ? sourceEntry(source->mms, "mms") : Attributes{};
        const std::optional<Attributes> data = dataFound ? sourceEntry(source->data, "default") : Attributes{};
        QVERIFY2(mms, qPrintable("no such MMS entry: " + source->mms));
        QVERIFY2(data, qPrintable("no such data entry: " + source->data));

        const QString proxy = mms->value("mmsproxy");
        const QList<Expected> fields = {
            {"mms_url", mms->value("mmsc"), qsizetype(sizeof entry.mms_url), LoadRecordText(entry.mms_url)},
            {"mms_gateway", gatewayAddress(proxy), qsizetype(sizeof entry.mms_gateway),
             LoadRecordText(entry.mms_gateway)},
            {"mms_port", mms->value("mmsport"), qsizetype(sizeof entry.mms_port), LoadRecordText(entry.mms_port)},
            {"mms_apn", mms->value("apn"), qsizetype(sizeof entry.mms_apn), LoadRecordText(entry.mms_apn)},
            {"mms_account", mms->value("user"), qsizetype(sizeof entry.mms_account),
             LoadRecordText(entry.mms_account)},
            {"mms_password", mms->value("password"), qsizetype(sizeof entry.mms_password),
             LoadRecordText(entry.mms_password)},
            {"gprs_apn", data->value("apn"), qsizetype(sizeof entry.gprs_apn), LoadRecordText(entry.gprs_apn)},
            {"gprs_account", data->value("user"), qsizetype(sizeof entry.gprs_account),
             LoadRecordText(entry.gprs_account)},
            {"gprs_password", data->value("password"), qsizetype(sizeof entry.gprs_password),
             LoadRecordText(entry.gprs_password)},
        };
        // A proxy that is no address, and a value too long for its field, are left out and listed.
        bool leftOut = !proxy.isEmpty() && gatewayAddress(proxy).isEmpty();
        for (const Expected &field : fields) {
            const bool fits = field.value.size() < field.width;
            leftOut = leftOut || !fits;
            QVERIFY2(field.actual == (fits ? field.value : QString()),
                     qPrintable(QStringLiteral("%1: \"%2\", source \"%3\"").arg(field.key, field.actual, field.value)));
        }
        if (leftOut)
            QVERIFY2(source->notes.contains(QLatin1String("left out")), "a value left out is not listed");
        if (mmsFound)
            QVERIFY2(!fields[0].actual.isEmpty(), "marked found, but no MMS URL");
        if (dataFound)
            QVERIFY2(!fields[6].actual.isEmpty(), "marked found, but no data APN");
    }

    // An operator marked "none found" must have no entry of its name anywhere in the data.
    void noneFoundIsTrue()
    {
        for (const SourceRow &source : sourceRows()) {
            if (source.mms != QLatin1String("none found") || source.data != QLatin1String("none found"))
                continue;
            for (const Attributes &apn : apns())
                QVERIFY2(!apn.value("carrier").contains(source.carrier, Qt::CaseInsensitive),
                         qPrintable(source.carrier + " is in the data as " + apn.value("carrier")));
        }
    }
};

QTEST_GUILESS_MAIN(TestCarrierSources)
#include "tst_carrier_sources.moc"
