#include "profile/profile_image.h"
#include "support/hex_bytes.h"

#include <QRandomGenerator>
#include <QTest>

#include <cstring>

class TestProfileImage : public QObject
{
    Q_OBJECT

private slots:
    void workedWords_data()
    {
        QTest::addColumn<int>("plain");
        QTest::addColumn<int>("encoded");

        QTest::newRow("zero") << 0x0000 << 0xFFFF;
        QTest::newRow("one") << 0x0001 << 0xFFEF;
        QTest::newRow("1234") << 0x1234 << 0xDCBE;
        QTest::newRow("ffff") << 0xFFFF << 0x0000;
    }

    void workedWords()
    {
        QFETCH(int, plain);
        QFETCH(int, encoded);
        QCOMPARE(int(EncodeProfileWord(std::uint16_t(plain))), encoded);
        QCOMPARE(int(DecodeProfileWord(std::uint16_t(encoded))), plain);
    }

    void wordsAreStoredLittleEndian()
    {
        ProfileRecord record{};
        record.header_value = 0x0001;
        const ProfileImage image = EncodeProfileImage(record);
        QCOMPARE(image[16], std::uint8_t(0xEF));
        QCOMPARE(image[17], std::uint8_t(0xFF));
    }

    void firstSixteenBytesOfAStartRecord()
    {
        ProfileRecord record{};
        std::memcpy(record.version_tag, "\x56\x00\x2E\x30\x32\x2E\x31\x35", 8);
        const ProfileImage image = EncodeProfileImage(record);
        QCOMPARE(hexText(QByteArray(reinterpret_cast<const char *>(image.data()), 16)),
                 hexText(hexBytes("9F FA 1C FD DD 1C EC AC FF FF FF FF FF FF FF FF")));
    }

    void zeroRecordEncodesToFF()
    {
        const ProfileImage image = EncodeProfileImage(ProfileRecord{});
        for (std::uint8_t b : image)
            QCOMPARE(b, std::uint8_t(0xFF));
    }

    void everyRecordSurvivesARoundTrip()
    {
        QRandomGenerator random(20261207);
        for (int round = 0; round < 50; ++round) {
            ProfileRecord record;
            auto *bytes = reinterpret_cast<std::uint8_t *>(&record);
            for (std::size_t i = 0; i < sizeof record; ++i)
                bytes[i] = std::uint8_t(random.bounded(256));
            const ProfileRecord before = record;
            const ProfileImage image = EncodeProfileImage(record);
            QVERIFY(record == before); // the record itself stays plain
            QVERIFY(DecodedRecord(image) == before);
        }
    }
};

QTEST_GUILESS_MAIN(TestProfileImage)
#include "tst_profile_image.moc"
