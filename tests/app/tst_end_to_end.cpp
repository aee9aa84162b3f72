// The tool's main job from the user's side: fill the page, press "OK", find
// the right bytes on the card, and get the settings back at the next start.
#include "support/hex_bytes.h"
#include "support/started_window.h"
#include "support/temp_env.h"
#include "support/word_codec.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The record a first start plus this test's typing must give, written down
// from the byte layout rather than from the code under test.
QByteArray expectedRecord(const QByteArray &address)
{
    QByteArray record(976, '\0');
    const auto put = [&record](int offset, const QByteArray &bytes) { record.replace(offset, bytes.size(), bytes); };
    put(0, hexBytes("56 00 2E 30 32 2E 31 35"));   // version mark over the initial tag
    put(16, hexBytes("02 00"));                     // header value stored by "OK"
    put(20, hexBytes("00 00 02 00 01 01 01 00 01 05 07"
                     "00 00 00 00 00 FF  00 00 00 00 00 FF  00 00 00 00 00 FF  00 00 00 00 00 FF"
                     "00 00 01"));                  // camera block 20..57
    put(59, hexBytes("02"));                        // area
    put(72, hexBytes("00 00 63 01 00 00 01 00"));   // report time, instant 99, send mode, send to Email
    put(82, hexBytes("01 00"));                     // small photos
    put(106, hexBytes("05 00 00 00"));
    put(112, "Auto");                               // operator of the country "Auto"
    put(376, "smtp.1und1.de");                      // the default sender
    put(440, "25");
    put(446, hexBytes("40"));
    put(784, address);                              // first recipient address
    return record;
}

QByteArray customEntry(const QByteArray &name)
{
    QByteArray entry(264, '\0');
    entry.replace(0, name.size(), name);
    entry.replace(96, 7, "0.0.0.0");
    entry.replace(112, 1, "0");
    return entry;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void fillPressOkAndStartAgain()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        const QByteArray address = "jane@example.org";
        {
            StartedWindow first(true);
            QTest::keyClicks(first.control<QLineEdit>("receiveEmail1Edit"), QString::fromLatin1(address));
            QTest::keyClicks(first.control<QLineEdit>("savePathEdit"), card.path());
            // The default sender has no account: the page asks, and Yes saves as before.
            first.prompter.yesNoAnswers.enqueue(true);
            QTest::mouseClick(first.control<QPushButton>("okButton"), Qt::LeftButton);

            QCOMPARE(first.prompter.calls.first().kind, FakePrompter::Kind::Question);
            QCOMPARE(first.prompter.messages().size(), 1);
            QCOMPARE(first.prompter.lastMessage().caption, QStringLiteral("Save PROFILE"));
            QCOMPARE(first.prompter.lastMessage().text, "PROFILE.BIN has been saved in " + card.path());
        }

        const QByteArray image = encodeWords(expectedRecord(address));
        const QByteArray profile = readFile(card.path() + "/PROFILE.BIN");
        QCOMPARE(profile.size(), 956);
        QCOMPARE(hexText(profile), hexText(image.mid(20)));

        QByteArray copy = image;
        copy += customEntry("Customer1") + customEntry("Customer2") + customEntry("Customer3")
                + customEntry("Customer");
        const QByteArray working = readFile(temp.workingCopyPath());
        QCOMPARE(working.size(), 2032);
        QCOMPARE(hexText(working), hexText(copy));

        const StartedWindow again;
        QCOMPARE(again.control<QLineEdit>("receiveEmail1Edit")->text(), QString::fromLatin1(address));
        QCOMPARE(again.session.record.header_value, 2);
        QVERIFY(again.control<QLineEdit>("savePathEdit")->text().isEmpty());
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_end_to_end.moc"
