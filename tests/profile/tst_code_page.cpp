#include "profile/code_page.h"

#include <QTest>

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
