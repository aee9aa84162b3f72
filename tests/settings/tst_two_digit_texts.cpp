#include "settings/two_digit_texts.h"

#include <QTest>

class TestTwoDigitTexts : public QObject
{
    Q_OBJECT

private slots:
    void sixtyOneTexts()
    {
        const QStringList &texts = TwoDigitTexts();
        QCOMPARE(texts.size(), 61);
        QCOMPARE(texts.first(), QStringLiteral("00"));
        QCOMPARE(texts.at(9), QStringLiteral("09"));
        QCOMPARE(texts.last(), QStringLiteral("60"));
        QCOMPARE(TwoDigitItems(24).last(), QStringLiteral("23"));
        QCOMPARE(TwoDigitItems(60).size(), 60);
    }
};

QTEST_GUILESS_MAIN(TestTwoDigitTexts)
#include "tst_two_digit_texts.moc"
