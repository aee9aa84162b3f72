#include "settings/profile_defaults.h"
#include "profile/profile_record.h"
#include "profile/record_text.h"
#include "support/hex_bytes.h"

#include <QTest>

#include <cstring>

namespace {

QByteArray bytesOf(const ProfileRecord &record, int offset, int length)
{
    return QByteArray(reinterpret_cast<const char *>(&record) + offset, length);
}

} // namespace

class TestProfileRecord : public QObject
{
    Q_OBJECT

private slots:
    void initialContentHoldsTheVersionThenZeros()
    {
        const ProfileRecord record = InitialProfileRecord();
        QCOMPARE(bytesOf(record, 0, 16), hexBytes("56 35 2E 30 32 2E 31 35 00 00 00 00 00 00 00 00"));
        QCOMPARE(bytesOf(record, 16, 960), QByteArray(960, '\0'));
    }

    void firstStartRecordMatchesTheLayout()
    {
        ProfileRecord record = InitialProfileRecord();
        SetProfileDefaults(record, 0);
        record.area = 2; // start-up writes the area code after the defaults

        const QByteArray expected = hexBytes(
            "56 00 2E 30 32 2E 31 35 00 00 00 00 00 00 00 00"
            "01 00 00 00 00 00 02 00 01 01 01 00 01 05 07 00"
            "00 00 00 00 FF 00 00 00 00 00 FF 00 00 00 00 00"
            "FF 00 00 00 00 00 FF 00 00 01 00 02 00 00 00 00"
            "00 00 00 00 00 00 00 00 00 00 63 01 00 00 01 00"
            "00 00 01 00 00 00 00 00 00 00 00 00 00 00 00 00"
            "00 00 00 00 00 00 00 00 00 00 05 00 00 00 00 00");
        QCOMPARE(hexText(bytesOf(record, 0, 112)), hexText(expected));

        QByteArray autoEntry("Auto");
        autoEntry.append(QByteArray(260, '\0'));
        QCOMPARE(bytesOf(record, 112, 264), autoEntry);
        QCOMPARE(bytesOf(record, 376, 216),
                 QByteArray(reinterpret_cast<const char *>(&DefaultSender()), 216));
        QCOMPARE(bytesOf(record, 592, 384), QByteArray(384, '\0'));
    }

    void defaultsKeepTheFieldsTheyDoNotName()
    {
        ProfileRecord record = InitialProfileRecord();
        fillBytes(record, 0xA5);
        SetProfileDefaults(record, 2);

        QCOMPARE(record.shutter_speed, 0xA5);
        QCOMPARE(record.burst_speed, 0xA5);
        QCOMPARE(record.send_option, 0xA5);
        QCOMPARE(record.sms_stop_hour, 0xA5);
        QCOMPARE(record.sms_start_hour, 0xA5);
        QCOMPARE(bytesOf(record, 2, 14), QByteArray(14, char(0xA5)));
        QCOMPARE(bytesOf(record, 18, 2), QByteArray(2, char(0xA5)));
        QCOMPARE(bytesOf(record, 60, 8), QByteArray(8, char(0xA5)));
        QCOMPARE(bytesOf(record, 0, 2), hexBytes("56 00"));
        QCOMPARE(record.area, 2);
        QCOMPARE(record.header_value, 1);
        QCOMPARE(record.carried_value, 5u);
        QCOMPARE(bytesOf(record, 90, 16), QByteArray(16, '\0'));
    }

    void defaultsTwiceEqualDefaultsOnce()
    {
        ProfileRecord once = InitialProfileRecord();
        SetProfileDefaults(once, 2);
        ProfileRecord twice = once;
        SetProfileDefaults(twice, 2);
        QVERIFY(once == twice);
    }

    void storeRecordText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("field"); // the 8-byte field after the store, from 0xEE filler

        QTest::newRow("empty writes one zero") << QString() << hexBytes("00 EE EE EE EE EE EE EE");
        QTest::newRow("short keeps the rest") << QStringLiteral("AB") << hexBytes("41 42 00 EE EE EE EE EE");
        QTest::newRow("fits exactly") << QStringLiteral("ABCDEFG") << QByteArray("ABCDEFG\0", 8);
        QTest::newRow("too long is cut") << QStringLiteral("ABCDEFGHIJ") << QByteArray("ABCDEFG\0", 8);
        QTest::newRow("code page") << QStringLiteral("\u00e4\u20ac") << hexBytes("E4 80 00 EE EE EE EE EE");
    }

    void storeRecordText()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, field);

        char guarded[12];
        std::memset(guarded, 0xEE, sizeof guarded);
        StoreRecordText(std::span<char>(guarded + 2, 8), text);

        QCOMPARE(hexText(QByteArray(guarded + 2, 8)), hexText(field));
        QCOMPARE(guarded[0], char(0xEE));
        QCOMPARE(guarded[1], char(0xEE));
        QCOMPARE(guarded[10], char(0xEE));
        QCOMPARE(guarded[11], char(0xEE));
    }

    void loadRecordTextStopsAtZeroOrFieldEnd()
    {
        const char terminated[6] = {'a', 'b', '\0', 'c', 'd', 'e'};
        QCOMPARE(LoadRecordText(terminated), QStringLiteral("ab"));
        const char full[4] = {'w', 'x', 'y', 'z'};
        QCOMPARE(LoadRecordText(full), QStringLiteral("wxyz"));
    }

    void recipientFieldsAreTheRecordSlots()
    {
        ProfileRecord record = InitialProfileRecord();
        for (int i = 0; i < kRecipientCount; ++i) {
            QCOMPARE(reinterpret_cast<char *>(PhoneNumberField(record, i).data())
                         - reinterpret_cast<char *>(&record),
                     592 + 48 * i);
            QCOMPARE(reinterpret_cast<char *>(ReceiveEmailField(record, i).data())
                         - reinterpret_cast<char *>(&record),
                     784 + 48 * i);
        }
    }
};

QTEST_GUILESS_MAIN(TestProfileRecord)
#include "tst_profile_record.moc"
