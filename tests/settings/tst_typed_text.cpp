#include "settings/typed_text.h"

#include <QTest>

namespace {

TypedTextRule ruleFor(const QString &kind, int limit)
{
    using C = TypedTextRule::Characters;
    TypedTextRule rule;
    rule.limit = limit;
    rule.characters = kind == "any" ? C::Any : kind == "digits" ? C::Digits : kind == "phone" ? C::PhoneNumber
                                                                                             : C::CodePage;
    rule.upperCase = kind == "upper";
    rule.secret = kind == "secret";
    return rule;
}

} // namespace

class TestTypedText : public QObject
{
    Q_OBJECT

private slots:
    void taking_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("limit"); // -1: none
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("cursor"); // -1: at the end
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("keptCursor"); // -1: at the end
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("note");

        const QString cannotStore = "Left out: %1. The camera cannot store these characters.";
        const QString digitsOnly = "Left out: %1. This field takes digits only.";
        const QString separators =
            "Spaces, dashes, dots, slashes and brackets were left out: the camera takes digits only.";
        const QString atMost = "At most %1 characters fit here; the rest was left out.";

        QTest::newRow("code page keeps umlauts") << "codepage" << -1 << QStringLiteral("M\u00fcller") << -1
                                                 << QStringLiteral("M\u00fcller") << -1 << false << "";
        QTest::newRow("a character without a byte")
            << "codepage" << 23 << QStringLiteral("Wei\u00df\u4e2d\u00e9\u20ac1") << -1
            << QStringLiteral("Wei\u00df\u00e9\u20ac1") << -1 << false
            << cannotStore.arg(QStringLiteral("\"\u4e2d\" (U+4E2D)"));
        QTest::newRow("a password's character is not repeated")
            << "secret" << 23 << QStringLiteral("pw\u4e2d") << -1 << "pw" << -1 << false
            << "Characters the camera cannot store were left out.";
        QTest::newRow("an emoji goes whole") << "codepage" << -1 << QStringLiteral("a\U0001F600b\U0001F600") << 3
                                             << "ab" << 1 << false
                                             << cannotStore.arg(QStringLiteral("\"\U0001F600\" (U+1F600)"));
        QTest::newRow("an invisible character by its code")
            << "codepage" << -1 << QStringLiteral("a\u200bb") << -1 << "ab" << -1 << false
            << cannotStore.arg("U+200B");
        QTest::newRow("30 characters pasted, 23 kept")
            << "secret" << 23 << QString(30, u'p') << -1 << QString(23, u'p') << -1 << false << atMost.arg(23);
        QTest::newRow("pasted in the middle: its end goes, the text after stays")
            << "codepage" << 7 << "abcXYZdef" << 6 << "abcXdef" << 4 << false << atMost.arg(7);
        QTest::newRow("at the limit exactly") << "codepage" << 7 << "abcdefg" << -1 << "abcdefg" << -1 << false << "";
        QTest::newRow("refused and cut")
            << "codepage" << 3 << QStringLiteral("ab\u4e2dcd") << -1 << "abc" << -1 << false
            << cannotStore.arg(QStringLiteral("\"\u4e2d\" (U+4E2D)")) + "\n" + atMost.arg(3);
        QTest::newRow("digits refuse letters") << "digits" << 5 << "12a3b" << -1 << "123" << -1 << false
                                               << digitsOnly.arg("\"a\", \"b\"");
        QTest::newRow("digits name a space") << "digits" << 5 << "58 7" << -1 << "587" << -1 << false
                                             << digitsOnly.arg("space");
        QTest::newRow("phone pasted with separators") << "phone" << -1 << "0170 123-45 67" << -1 << "01701234567"
                                                      << -1 << false << separators;
        QTest::newRow("phone with brackets, dots and slashes")
            << "phone" << -1 << QStringLiteral("(0170)\u00a0123.45/67") << -1 << "01701234567" << -1 << false
            << separators;
        QTest::newRow("phone with a plus is refused whole")
            << "phone" << -1 << "+49 170 1234567" << -1 << "+49 170 1234567" << -1 << true
            << "The camera takes no \"+\": for an international number write 00 in its place, such as 0049... "
               "for +49...";
        QTest::newRow("phone with letters") << "phone" << -1 << "0170 CALL" << -1 << "0170" << -1 << false
                                            << digitsOnly.arg("\"C\", \"A\", \"L\"") + "\n" + separators;
        QTest::newRow("phone digits only") << "phone" << -1 << "01701234567" << -1 << "01701234567" << -1 << false
                                           << "";
        QTest::newRow("upper case") << "upper" << 8 << "cam7b" << -1 << "CAM7B" << -1 << false << "";
        QTest::newRow("upper case keeps a hyphen") << "upper" << 8 << "a-b" << -1 << "A-B" << -1 << false << "";
        QTest::newRow("upper case keeps sharp s") << "upper" << 8 << QStringLiteral("\u00df") << -1
                                                  << QStringLiteral("\u00df") << -1 << false << "";
        QTest::newRow("ninth letter of a camera name") << "upper" << 8 << "abcdefghi" << -1 << "ABCDEFGH" << -1
                                                       << false << atMost.arg(8);
        QTest::newRow("a folder takes any character") << "any" << 128 << QStringLiteral("/media/\u4e2d") << -1
                                                      << QStringLiteral("/media/\u4e2d") << -1 << false << "";
        QTest::newRow("a cut never splits a character of two units")
            << "any" << 2 << QStringLiteral("a\U0001F600") << -1 << "a" << -1 << false << atMost.arg(2);
    }

    void taking()
    {
        QFETCH(QString, kind);
        QFETCH(int, limit);
        QFETCH(QString, input);
        QFETCH(int, cursor);
        QFETCH(QString, kept);
        QFETCH(int, keptCursor);
        QFETCH(bool, refused);
        QFETCH(QString, note);

        const TypedText taken = TakeTyped(input, cursor < 0 ? int(input.size()) : cursor, ruleFor(kind, limit));
        QCOMPARE(taken.text, kept);
        QCOMPARE(taken.cursor, keptCursor < 0 ? int(kept.size()) : keptCursor);
        QCOMPARE(taken.refused, refused);
        QCOMPARE(taken.note, note);
    }
};

QTEST_GUILESS_MAIN(TestTypedText)
#include "tst_typed_text.moc"
