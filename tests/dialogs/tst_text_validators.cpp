#include "dialogs/text_validators.h"
#include "support/typing.h"

#include <QLineEdit>
#include <QTest>

class TestTextValidators : public QObject
{
    Q_OBJECT

private slots:
    void typing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");

        QTest::newRow("code page keeps umlauts") << "codepage" << QStringLiteral("M\u00fcller") << QStringLiteral("M\u00fcller");
        QTest::newRow("code page refuses cyrillic") << "codepage" << QStringLiteral("a\u0416b") << "ab";
        QTest::newRow("digits refuse letters") << "digits" << "12a3+" << "123";
        QTest::newRow("upper case") << "upper" << "cam7b" << "CAM7B";
        QTest::newRow("upper case keeps a hyphen") << "upper" << "a-b" << "A-B";
        QTest::newRow("upper case keeps sharp s") << "upper" << QStringLiteral("\u00df") << QStringLiteral("\u00df");
    }

    void typing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, typed);
        QFETCH(QString, shown);

        QLineEdit edit;
        if (kind == "digits")
            edit.setValidator(new DigitsValidator(&edit));
        else if (kind == "upper")
            edit.setValidator(new UpperCaseValidator(&edit));
        else
            edit.setValidator(new CodePageValidator(&edit));
        typeText(&edit, typed);
        QCOMPARE(edit.text(), shown);
    }
};

QTEST_MAIN(TestTextValidators)
#include "tst_text_validators.moc"
