#include "profile/custom_operators.h"
#include "profile/email_entry.h"
#include "profile/profile_record.h"
#include "profile/record_text.h"
#include "support/hex_bytes.h"

#include <QTest>

class TestEntries : public QObject
{
    Q_OBJECT

private slots:
    void localPart_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("localPart");

        QTest::newRow("three before the at") << "abc@example.org" << "abc";
        QTest::newRow("starts with at") << "@example.org" << "";
        QTest::newRow("no at") << "abc" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("first at counts") << "a@b@c" << "a";
    }

    void localPart()
    {
        QFETCH(QString, email);
        QFETCH(QString, localPart);
        EmailEntry entry{};
        StoreSenderAddress(entry, email);
        QCOMPARE(LoadRecordText(entry.email), email);
        QCOMPARE(LoadRecordText(entry.email_local_part), localPart);
    }

    void longLocalPartStaysInsideItsField()
    {
        EmailEntry entry{};
        fillBytes(entry, 0x11);
        StoreSenderAddress(entry, QString(30, u'x') + QStringLiteral("@example.org"));
        QCOMPARE(LoadRecordText(entry.email_local_part), QString(23, u'x'));
    }

    void secureTypeIndexIsTheLowNibble()
    {
        QCOMPARE(SecureType::fromIndex(2), std::uint8_t(0x42));
        QCOMPARE(SecureType::index(0x42), 2);
        QCOMPARE(SecureType::index(SecureType::kNone), 0);
    }

    void autoEntryLeavesTheRestOfTheOperatorZero()
    {
        ProfileRecord record = InitialProfileRecord();
        fillBytes(record.operator_, 0x77);
        record.operator_ = AutoEntry;
        const auto *bytes = reinterpret_cast<const char *>(&record);
        QCOMPARE(QByteArray(bytes + 112, 4), QByteArray("Auto"));
        QCOMPARE(QByteArray(bytes + 116, 260), QByteArray(260, '\0'));
    }

    void customEntriesHaveTheirBuiltInContent()
    {
        const CustomOperators custom = CustomOperators::BuiltIn();
        const QStringList names{"Customer1", "Customer2", "Customer3"};
        for (int i = 0; i < CustomOperators::kCountryCustomerCount; ++i)
            QCOMPARE(EntryName(custom.country_customers[std::size_t(i)]), names[i]);
        QCOMPARE(EntryName(custom.extra_customer), QStringLiteral("Customer"));

        OperatorEntry expected{.mms_gateway = "0.0.0.0", .mms_port = "0"};
        std::memcpy(expected.name, "Customer", 9);
        QVERIFY(custom.extra_customer == expected);
    }
};

QTEST_GUILESS_MAIN(TestEntries)
#include "tst_entries.moc"
