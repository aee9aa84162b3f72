#include "dialogs/operator_form.h"
#include "profile/record_text.h"
#include "support/hex_bytes.h"

#include <QCoreApplication>
#include <QTest>

#include <cstring>

namespace {

OperatorEntry entryWith(const char *gateway, const char *port)
{
    OperatorEntry entry = BlankCustomEntry("Customer2");
    std::memset(entry.mms_gateway, 0, sizeof entry.mms_gateway);
    std::memset(entry.mms_port, 0, sizeof entry.mms_port);
    StoreRecordText(entry.mms_gateway, QString::fromLatin1(gateway));
    StoreRecordText(entry.mms_port, QString::fromLatin1(port));
    return entry;
}

} // namespace

class TestOperatorForm : public QObject
{
    Q_OBJECT

private slots:
    void loadReadsPortAndGateway_data()
    {
        QTest::addColumn<QString>("gateway");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("shownGateway");
        QTest::addColumn<QString>("shownPort");

        QTest::newRow("built-in custom entry") << "0.0.0.0" << "0" << "0.0.0.0" << "0";
        QTest::newRow("documentation address") << "192.0.2.7" << "8080" << "192.0.2.7" << "8080";
        QTest::newRow("empty texts") << "" << "" << "0.0.0.0" << "0";
        QTest::newRow("three numbers") << "10.1.2" << "abc" << "0.0.0.0" << "0";
        QTest::newRow("low 8 bits") << "256.1.2.-1" << "  25" << "0.1.2.255" << "25";
        QTest::newRow("blanks before numbers, text behind") << " 10. 20.30.40x" << "80x" << "10.20.30.40" << "80";
        QTest::newRow("out of range port is shown") << "1.2.3.4" << "70000" << "1.2.3.4" << "70000";
    }

    void loadReadsPortAndGateway()
    {
        QFETCH(QString, gateway);
        QFETCH(QString, port);
        QFETCH(QString, shownGateway);
        QFETCH(QString, shownPort);

        OperatorForm form;
        form.load(entryWith(gateway.toLatin1().constData(), port.toLatin1().constData()));
        QCOMPARE(DottedQuadText(form.gateway), shownGateway);
        QCOMPARE(form.mmsPort, shownPort);
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
        QTest::newRow("letter first") << "x80" << positive << "";
        QTest::newRow("blank after sign") << "- 5" << positive << "";
    }

    void portCheck()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, stored);

        OperatorEntry entry = entryWith("192.0.2.7", "8080");
        const OperatorEntry before = entry;
        OperatorForm form;
        form.load(entry);
        form.mmsPort = typed;

        const std::optional<OperatorForm::Failure> failure = form.store(entry);
        if (message.isEmpty()) {
            QVERIFY(!failure);
            QCOMPARE(LoadRecordText(entry.mms_port), stored);
            return;
        }
        QVERIFY(failure);
        QCOMPARE(failure->field, OperatorForm::Field::MmsPort);
        QCOMPARE(failure->message, (Message{QCoreApplication::applicationName(), message, Message::Icon::Warning}));
        QVERIFY(entry == before);
        QCOMPARE(form.check()->message.text, message); // Cancel runs the same check
    }

    void storeRewritesParametersOnly()
    {
        OperatorEntry entry{};
        fillBytes(entry, 0xAA);
        StoreRecordText(entry.name, QStringLiteral("Customer2"));

        OperatorForm form;
        form.url = QStringLiteral("http://mms.example/");
        form.gateway = {192, 0, 2, 7};
        form.mmsApn = QStringLiteral("mms");
        form.mmsPort = QStringLiteral("8080");
        form.mmsPassword = QStringLiteral("123456789012345");
        form.gprsAccount = QStringLiteral("M\u00fcller");
        QVERIFY(!form.store(entry));

        OperatorEntry expected{};
        fillBytes(expected, 0);
        std::memset(expected.name, 0xAA, sizeof expected.name);
        StoreRecordText(expected.name, QStringLiteral("Customer2"));
        std::memcpy(expected.mms_url, "http://mms.example/", 19);
        std::memcpy(expected.mms_gateway, "192.0.2.7", 9);
        std::memcpy(expected.mms_apn, "mms", 3);
        std::memcpy(expected.mms_port, "8080", 4);
        std::memcpy(expected.mms_password, "123456789012345", 15);
        std::memcpy(expected.gprs_account, "M\xfcller", 6);
        const QByteArray got(reinterpret_cast<const char *>(&entry), sizeof entry);
        const QByteArray want(reinterpret_cast<const char *>(&expected), sizeof expected);
        QCOMPARE(hexText(got), hexText(want));
    }

    void overlongTextInExchangeOrder_data()
    {
        QTest::addColumn<int>("urlLength");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("gprsPasswordLength");
        QTest::addColumn<OperatorForm::Field>("field");
        QTest::addColumn<QString>("message");

        using F = OperatorForm::Field;
        QTest::newRow("url before port") << 64 << "x" << 0 << F::Url << "Enter no more than 63 characters.";
        QTest::newRow("port before password") << 63 << "x" << 16 << F::MmsPort << "Enter a positive integer.";
        QTest::newRow("password last") << 63 << "1" << 16 << F::GprsPassword << "Enter no more than 15 characters.";
    }

    void overlongTextInExchangeOrder()
    {
        QFETCH(int, urlLength);
        QFETCH(QString, port);
        QFETCH(int, gprsPasswordLength);
        QFETCH(OperatorForm::Field, field);
        QFETCH(QString, message);

        OperatorForm form;
        form.url = QString(urlLength, u'u');
        form.mmsPort = port;
        form.gprsPassword = QString(gprsPasswordLength, u'p');
        const std::optional<OperatorForm::Failure> failure = form.check();
        QVERIFY(failure);
        QCOMPARE(failure->field, field);
        QCOMPARE(failure->message.text, message);
    }
};

QTEST_GUILESS_MAIN(TestOperatorForm)
#include "tst_operator_form.moc"
