#include "presets/email_presets.h"
#include "presets/operator_catalogue.h"
#include "profile/record_text.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QXmlStreamReader>

namespace {

constexpr int kFinland = -1;

// Each sender and the mail-client database file of its provider; none where
// the database does not hold it, and then the host must stay empty.
const QList<std::pair<int, QString>> kMailSources = {
    {0, "1und1.de.xml"}, {1, "googlemail.com.xml"}, {2, "gmx.net.xml"}, {3, "hotmail.com.xml"},
    {4, "yahoo.com.xml"}, {5, "1und1.de.xml"}, {6, ""}, {7, ""}, {8, "vodafonemail.de.xml"},
    {9, "web.de.xml"}, {kFinland, ""},
};

const QString kMailFolder = QStringLiteral(TALMERIS_THIRD_PARTY_DIR "/mail-ispdb");

QStringList outgoingHosts(const QString &fileName)
{
    QFile file(kMailFolder + "/" + fileName);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QStringList hosts;
    QXmlStreamReader xml(&file);
    bool outgoing = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("outgoingServer"))
            outgoing = true;
        else if (xml.isEndElement() && xml.name() == QLatin1String("outgoingServer"))
            outgoing = false;
        else if (outgoing && xml.isStartElement() && xml.name() == QLatin1String("hostname"))
            hosts.append(xml.readElementText());
    }
    if (xml.hasError())
        qFatal("%s", qPrintable(xml.errorString()));
    return hosts;
}

} // namespace

class TestEmailPresets : public QObject
{
    Q_OBJECT

private slots:
    void providers_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("secureType");

        QTest::newRow("Default") << 0 << "Default" << "25" << 0x40;
        QTest::newRow("gmail") << 1 << "gmail" << "465" << 0x41;
        QTest::newRow("GMX") << 2 << "GMX" << "25" << 0x42;
        QTest::newRow("hotmail") << 3 << "hotmail" << "25" << 0x42;
        QTest::newRow("yahoo") << 4 << "yahoo" << "465" << 0x41;
        QTest::newRow("1 & 1") << 5 << "1 & 1" << "465" << 0x41;
        QTest::newRow("O2") << 6 << "O2" << "465" << 0x41;
        QTest::newRow("Revierwelt") << 7 << "Revierwelt" << "5025" << 0x40;
        QTest::newRow("Vodafone") << 8 << "Vodafone" << "465" << 0x41;
        QTest::newRow("WEB.de") << 9 << "WEB.de" << "25" << 0x42;
        QTest::newRow("Other") << 10 << "Other" << "" << 0x40;
    }

    void providers()
    {
        QFETCH(int, position);
        QFETCH(QString, name);
        QFETCH(QString, port);
        QFETCH(int, secureType);

        const EmailPresets presets = EmailPresets::BuiltIn();
        QCOMPARE(ProviderNames().size(), EmailPresets::kProviderCount);
        QCOMPARE(ProviderNames().at(position), name);
        const EmailEntry &entry = presets.entries[std::size_t(position)];
        QCOMPARE(LoadRecordText(entry.smtp_port), port);
        QCOMPARE(int(entry.secure_type), secureType);
        QCOMPARE(int(entry.reserved), 0);
    }

    void defaultSharesTheServerOfOneAndOne()
    {
        const EmailPresets presets = EmailPresets::BuiltIn();
        QCOMPARE(LoadRecordText(presets.entries[0].smtp_server), LoadRecordText(presets.entries[5].smtp_server));
        QVERIFY(presets.entries[0] == DefaultSender());
        QCOMPARE(LoadRecordText(presets.entries[10].smtp_server), QString());
    }

    void hostsFromTheMailDatabase_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("file");
        for (const auto &[position, file] : kMailSources) {
            const QString name = position == kFinland ? QStringLiteral("Finland") : ProviderNames().at(position);
            QTest::newRow(qPrintable(name)) << position << file;
        }
    }

    void hostsFromTheMailDatabase()
    {
        QFETCH(int, position);
        QFETCH(QString, file);
        const EmailPresets presets = EmailPresets::BuiltIn();
        const EmailEntry &preset =
            position == kFinland ? presets.FinlandSender : presets.entries[std::size_t(position)];
        const QString host = LoadRecordText(preset.smtp_server);
        if (file.isEmpty())
            QCOMPARE(host, QString());
        else
            QVERIFY2(outgoingHosts(file).contains(host), qPrintable(host + " is not an SMTP host of " + file));
    }

    void everyMailDatabaseFileIsChecked()
    {
        QStringList checked;
        for (const auto &source : kMailSources)
            checked.append(source.second);
        for (const QString &file : QDir(kMailFolder).entryList({"*.xml"}, QDir::Files))
            QVERIFY2(checked.contains(file), qPrintable(file));
    }

    void defaultAccountByCountry()
    {
        CustomOperators custom = CustomOperators::BuiltIn();
        const OperatorCatalogue catalogue(custom);
        const EmailPresets presets = EmailPresets::BuiltIn();
        for (int row = 0; row < catalogue.countryCount(); ++row) {
            const EmailEntry &expected = catalogue.countryName(row) == "Finland" ? presets.FinlandSender
                                                                                   : presets.entries[0];
            QCOMPARE(&presets.defaultAccount(row), &expected);
        }
        QCOMPARE(LoadRecordText(presets.FinlandSender.smtp_port), QStringLiteral("465"));
        QCOMPARE(int(presets.FinlandSender.secure_type), 0x41);
    }
};

QTEST_GUILESS_MAIN(TestEmailPresets)
#include "tst_email_presets.moc"
