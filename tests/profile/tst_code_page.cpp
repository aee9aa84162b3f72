#include "profile/code_page.h"

#include <QTest>

#include <optional>

#if __has_include(<iconv.h>)
#include <iconv.h>
#define TALMERIS_HAS_ICONV 1
#endif

namespace {

// The byte's character as the C library's Windows-1252 converter reads it, so
// that our table is held against a source outside our code; nothing for a
// byte the standard leaves undefined.
std::optional<char16_t> standardCharacter(unsigned char byte)
{
#ifdef TALMERIS_HAS_ICONV
    const iconv_t converter = iconv_open("UTF-16LE", "WINDOWS-1252");
    if (converter == iconv_t(-1))
        return std::nullopt;
    char in[1] = {char(byte)};
    unsigned char out[4] = {};
    char *inPointer = in;
    char *outPointer = reinterpret_cast<char *>(out);
    std::size_t inLeft = sizeof in;
    std::size_t outLeft = sizeof out;
    const bool converted = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) != std::size_t(-1);
    iconv_close(converter);
    if (!converted || outLeft != 2)
        return std::nullopt;
    return char16_t(out[0] | (out[1] << 8));
#else
    Q_UNUSED(byte);
    return std::nullopt;
#endif
}

} // namespace

class TestCodePage : public QObject
{
    Q_OBJECT

private slots:
    void everyByteSurvivesARoundTrip()
    {
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        const QString text = CodePage::decode(all);
        QCOMPARE(text.size(), 256);
        QVERIFY(CodePage::holdsAll(text));
        QCOMPARE(CodePage::encode(text), all);
    }

    void highBytesMatchTheStandard_data()
    {
#ifndef TALMERIS_HAS_ICONV
        QSKIP("no iconv here to hold the table against");
#endif
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("character"); // -1: undefined in Windows-1252
        for (int byte = 0x80; byte <= 0x9F; ++byte) {
            const std::optional<char16_t> standard = standardCharacter(std::uint8_t(byte));
            QTest::addRow("0x%X", byte) << byte << (standard ? int(*standard) : -1);
        }
    }

    void highBytesMatchTheStandard()
    {
        QFETCH(int, byte);
        QFETCH(int, character);
        const QByteArray stored(1, char(byte));
        // An undefined byte is kept as the C1 control of its value, so that it survives a round trip.
        const QChar expected(char16_t(character >= 0 ? character : byte));
        QCOMPARE(CodePage::decode(stored), QString(expected));
        QVERIFY(CodePage::holds(expected));
        QCOMPARE(CodePage::encode(QString(expected)), stored);
    }

    void characters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("held");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("ascii") << QStringLiteral("Az09@") << true << QByteArray("Az09@");
        QTest::newRow("latin-1 letters") << QStringLiteral("\u00e4\u00f6\u00fc\u00df") << true
                                         << QByteArray("\xE4\xF6\xFC\xDF");
        QTest::newRow("euro and quotes") << QStringLiteral("\u20ac\u201e\u201c") << true
                                         << QByteArray("\x80\x84\x93");
        QTest::newRow("undefined byte kept") << QStringLiteral("\u0081") << true << QByteArray("\x81");
        QTest::newRow("C1 control without a byte") << QStringLiteral("\u0080") << false << QByteArray("?");
        QTest::newRow("cyrillic") << QStringLiteral("\u0416") << false << QByteArray("?");
        QTest::newRow("emoji pair") << QStringLiteral("\U0001F600") << false << QByteArray("??");
    }

    void characters()
    {
        QFETCH(QString, text);
        QFETCH(bool, held);
        QFETCH(QByteArray, bytes);
        QCOMPARE(CodePage::holdsAll(text), held);
        QCOMPARE(CodePage::encode(text), bytes);
    }
};

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_code_page.moc"
