#include "presets/email_presets.h"
#include "presets/operator_catalogue.h"
#include "profile/record_text.h"

#include <QTest>

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

    void defaultAccountByCountry()
    {
        CustomOperators custom = CustomOperators::BuiltIn();
        const OperatorCatalogue catalogue(custom);
        const EmailPresets presets = EmailPresets::BuiltIn();
        for (int row = 0; row < catalogue.country_count(); ++row) {
            const EmailEntry &expected = catalogue.country_name(row) == "Finland" ? presets.FinlandSender
                                                                                   : presets.entries[0];
            QCOMPARE(&presets.default_account(row), &expected);
        }
        QCOMPARE(LoadRecordText(presets.FinlandSender.smtp_port), QStringLiteral("465"));
        QCOMPARE(int(presets.FinlandSender.secure_type), 0x41);
    }
};

QTEST_GUILESS_MAIN(TestEmailPresets)
#include "tst_email_presets.moc"
