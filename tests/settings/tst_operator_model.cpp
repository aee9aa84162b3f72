#include "settings/operator_model.h"
#include "profile/record_text.h"
#include "support/hex_bytes.h"

#include <QCoreApplication>
#include <QTest>

#include <cstring>

namespace {

OperatorEntry entryWith(const QString &gateway, const QString &port)
{
    OperatorEntry entry{};
    StoreRecordText(entry.name, QStringLiteral("Customer2"));
    StoreRecordText(entry.mms_gateway, gateway);
    StoreRecordText(entry.mms_port, port);
    return entry;
}

Message warning(const QString &text)
{
    return {QCoreApplication::applicationName(), text, Message::Icon::Warning};
}

using Typed = QList<std::pair<QString, QString>>;

} // namespace

class TestOperatorModel : public QObject
{
    Q_OBJECT

private slots:
    void load_data()
    {
        QTest::addColumn<QString>("gateway");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("shownGateway");
        QTest::addColumn<QString>("shownPort");

        QTest::newRow("documentation address") << "192.0.2.7" << "8080" << "192.0.2.7" << "8080";
        QTest::newRow("empty texts") << "" << "" << "0.0.0.0" << "0";
        QTest::newRow("three numbers, letters") << "10.1.2" << "abc" << "0.0.0.0" << "0";
        QTest::newRow("low 8 bits, blanks") << "256.1.2.-1" << "  25" << "0.1.2.255" << "25";
        QTest::newRow("text behind") << " 10. 20.30.40x" << "80x" << "10.20.30.40" << "80";
    }

    void load()
    {
        QFETCH(QString, gateway);
        QFETCH(QString, port);
        QFETCH(QString, shownGateway);
        QFETCH(QString, shownPort);

        OperatorEntry entry = entryWith(gateway, port);
        OperatorModel form(entry);
        form.load();
        QCOMPARE(form.value("mms_gateway").toString(), shownGateway);
        QCOMPARE(form.value("mms_port").toString(), shownPort);
    }

    void portCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<QString>("stored");

        const QString range = QStringLiteral("Enter an integer between 0 and 65535.");
        const QString positive = QStringLiteral("Enter a positive integer.");
        QTest::newRow("leading zero") << "08080" << "" << "8080";
        QTest::newRow("letters behind") << "80x" << "" << "80";
        QTest::newRow("largest") << "65535" << "" << "65535";
        QTest::newRow("blank and plus sign") << " +25" << "" << "25";
        QTest::newRow("minus zero") << "-0" << "" << "0";
        QTest::newRow("one too many") << "65536" << range << "";
        QTest::newRow("negative") << "-1" << range << "";
        QTest::newRow("beyond 64 bits") << "99999999999999999999999" << range << "";
        QTest::newRow("empty") << "" << positive << "";
        QTest::newRow("blank after sign") << "- 5" << positive << "";
    }

    void portCheck()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, stored);

        OperatorEntry entry = entryWith("192.0.2.7", "8080");
        const OperatorEntry before = entry;
        OperatorModel form(entry);
        form.load();
        QVERIFY(!form.set("mms_port", typed));

        const std::optional<SettingFault> fault = form.store();
        if (message.isEmpty()) {
            QVERIFY(!fault);
            QCOMPARE(LoadRecordText(entry.mms_port), stored);
            return;
        }
        QCOMPARE(fault, (SettingFault{"mms_port", warning(message)}));
        QVERIFY(entry == before);
    }

    // The texts are checked in the dialog's order; the first that fails is the fault.
    void firstFaultWins_data()
    {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("message");

        const QString fit = QStringLiteral("Enter no more than %1 characters.");
        QTest::newRow("URL before the port") << Typed{{"mms_port", "x"}, {"mms_url", QString(64, u'u')}} << "mms_url"
                                             << fit.arg(63);
        QTest::newRow("port before the GPRS group")
            << Typed{{"gprs_password", QString(16, u'p')}, {"mms_port", "x"}} << "mms_port"
            << "Enter a positive integer.";
        QTest::newRow("a password at its limit")
            << Typed{{"gprs_password", QString(15, u'p')}, {"gprs_account", QString(24, u'a')}} << "gprs_account"
            << fit.arg(23);
    }

    void firstFaultWins()
    {
        QFETCH(Typed, typed);
        QFETCH(QString, key);
        QFETCH(QString, message);

        OperatorEntry entry = entryWith("192.0.2.7", "8080");
        const OperatorEntry before = entry;
        OperatorModel form(entry);
        form.load();
        for (const auto &[field, text] : typed)
            form.set(field, text);
        const std::optional<SettingFault> checked = form.check();
        QVERIFY(checked);
        QCOMPARE(checked->key, key);
        QCOMPARE(checked->message.text, message);
        QCOMPARE(form.store(), checked);
        QVERIFY(entry == before);
    }

    void storeRewritesParametersOnly()
    {
        OperatorEntry entry{};
        fillBytes(entry, 0xAA);
        StoreRecordText(entry.name, QStringLiteral("Customer2"));
        OperatorEntry expected = entry;
        std::memset(expected.mms_url, 0, sizeof expected - sizeof expected.name);
        std::memcpy(expected.mms_url, "http://mms.example/", 19);
        std::memcpy(expected.mms_gateway, "192.0.2.7", 9);
        std::memcpy(expected.mms_port, "8080", 4);
        std::memcpy(expected.mms_password, "123456789012345", 15);
        std::memcpy(expected.gprs_account, "M\xfcller", 6);

        OperatorModel form(entry);
        form.set("mms_url", QStringLiteral("http://mms.example/"));
        form.set("mms_gateway", QStringLiteral("192.0.2.7"));
        form.set("mms_port", QStringLiteral("8080"));
        form.set("mms_password", QStringLiteral("123456789012345"));
        form.set("gprs_account", QStringLiteral("M\u00fcller"));
        QVERIFY(!form.store());
        QCOMPARE(hexText(QByteArray(reinterpret_cast<const char *>(&entry), sizeof entry)),
                 hexText(QByteArray(reinterpret_cast<const char *>(&expected), sizeof expected)));
    }
};

QTEST_GUILESS_MAIN(TestOperatorModel)
#include "tst_operator_model.moc"
