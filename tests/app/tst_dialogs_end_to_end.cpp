// The three dialogs opened from the page, their settings carried through the
// page's "OK" onto the card and into the next start.
#include "support/started_window.h"
#include "support/temp_env.h"
#include "support/word_codec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray textAt(const QByteArray &record, int offset, int width)
{
    const QByteArray field = record.mid(offset, width);
    return field.left(field.indexOf('\0'));
}

// Types an address and a folder and presses the page's "OK".
void saveTo(StartedWindow &started, const QString &folder)
{
    auto *email = started.control<QLineEdit>("receiveEmail1Edit");
    email->clear();
    QTest::keyClicks(email, "jane@example.org");
    auto *path = started.control<QLineEdit>("savePathEdit");
    path->clear();
    QTest::keyClicks(path, folder);
    // Saved even where the sender or operator cannot send: these tests follow the settings.
    started.prompter.yesNoAnswers.enqueue(true);
    QTest::mouseClick(started.control<QPushButton>("okButton"), Qt::LeftButton);
}

} // namespace

class TestDialogsEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void cameraSettingsReachTheCard()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        StartedWindow started(true);

        started.prompter.modalActions.enqueue([](QDialog &dialog) {
            FindControl<QComboBox>(dialog, "cameraModeCombo")->setCurrentIndex(1);
            FindControl<QComboBox>(dialog, "videoLengthCombo")->setCurrentIndex(5);
            FindControl<QComboBox>(dialog, "workTime1SwitchCombo")->setCurrentIndex(1);
            FindControl<QComboBox>(dialog, "workTime1StartHourCombo")->setCurrentIndex(22);
            FindControl<QComboBox>(dialog, "workTime1StopHourCombo")->setCurrentIndex(6);
            QTest::mouseClick(FindControl<QPushButton>(dialog, "okButton"), Qt::LeftButton);
            return dialog.result();
        });
        QTest::mouseClick(started.control<QPushButton>("camSettingButton"), Qt::LeftButton);
        QCOMPARE(started.prompter.lastMessage().caption, QStringLiteral("Video Length Setting"));

        saveTo(started, card.path());
        QCOMPARE(started.prompter.lastMessage().text, "PROFILE.BIN has been saved in " + card.path());

        const QByteArray record = recordFromProfileFile(readFile(card.path() + "/PROFILE.BIN"));
        QCOMPARE(quint8(record[20]), quint8(1)); // Video
        QCOMPARE(quint8(record[26]), quint8(5)); // 30 Sec
        // Window 1: on, 22:00 to 06:00, every day, bit 7 from the switch.
        QCOMPARE(record.mid(31, 6).toHex(' '), QByteArray("01 16 00 06 00 ff"));
        QCOMPARE(record.mid(37, 6).toHex(' '), QByteArray("00 00 00 00 00 7f"));
    }

    void aCustomOperatorIsSharedAndComesBack()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        {
            StartedWindow started(true);
            started.control<QComboBox>("countryCombo")->setCurrentIndex(7); // Germany
            auto *operators = started.control<QComboBox>("operatorCombo");
            operators->setCurrentIndex(operators->count() - 1);
            QCOMPARE(operators->currentText(), QStringLiteral("Customer"));

            started.prompter.modalActions.enqueue([](QDialog &dialog) {
                QTest::keyClicks(FindControl<QLineEdit>(dialog, "mmsApnEdit"), "mms.forest.example");
                QTest::keyClicks(FindControl<QLineEdit>(dialog, "gprsApnEdit"), "data.forest.example");
                QTest::mouseClick(FindControl<QPushButton>(dialog, "okButton"), Qt::LeftButton);
                return dialog.result();
            });
            QTest::mouseClick(started.control<QPushButton>("customButton"), Qt::LeftButton);
            saveTo(started, card.path());
            QCOMPARE(started.prompter.lastMessage().caption, QStringLiteral("Save PROFILE"));

            const QByteArray record = recordFromProfileFile(readFile(card.path() + "/PROFILE.BIN"));
            QCOMPARE(textAt(record, 112, 32), QByteArray("Customer"));
            QCOMPARE(textAt(record, 232, 32), QByteArray("mms.forest.example"));
            QCOMPARE(textAt(record, 304, 32), QByteArray("data.forest.example"));
        }

        StartedWindow again(true);
        again.control<QComboBox>("countryCombo")->setCurrentIndex(1); // Austria
        again.control<QComboBox>("operatorCombo")->setCurrentIndex(1);
        QString shownApn;
        again.prompter.modalActions.enqueue([&shownApn](QDialog &dialog) {
            shownApn = FindControl<QLineEdit>(dialog, "mmsApnEdit")->text();
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(again.control<QPushButton>("customButton"), Qt::LeftButton);
        QCOMPARE(shownApn, QStringLiteral("mms.forest.example"));
    }

    void aChosenSenderReachesTheCard()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        StartedWindow started(true);
        started.prompter.modalActions.enqueue([](QDialog &dialog) {
            FindControl<QComboBox>(dialog, "selectEmailCombo")->setCurrentIndex(1); // gmail
            QTest::keyClicks(FindControl<QLineEdit>(dialog, "emailEdit"), "hunter@gmail.com");
            QTest::keyClicks(FindControl<QLineEdit>(dialog, "passwordEdit"), "s3cret");
            QTest::mouseClick(FindControl<QPushButton>(dialog, "okButton"), Qt::LeftButton);
            return dialog.result();
        });
        QTest::mouseClick(started.control<QPushButton>("emailSettingButton"), Qt::LeftButton);
        saveTo(started, card.path());
        QCOMPARE(started.prompter.lastMessage().caption, QStringLiteral("Save PROFILE"));

        const QByteArray record = recordFromProfileFile(readFile(card.path() + "/PROFILE.BIN"));
        QCOMPARE(quint8(record[111]), quint8(1));
        QCOMPARE(textAt(record, 376, 64), QByteArray("smtp.gmail.com"));
        QCOMPARE(textAt(record, 440, 6), QByteArray("465"));
        QCOMPARE(quint8(record[446]), quint8(0x41));
        QCOMPARE(textAt(record, 448, 48), QByteArray("hunter@gmail.com"));
        QCOMPARE(textAt(record, 496, 24), QByteArray("s3cret"));
        QCOMPARE(textAt(record, 520, 48), QByteArray("hunter@gmail.com"));
        QCOMPARE(textAt(record, 568, 24), QByteArray("hunter"));
    }
};

QTEST_MAIN(TestDialogsEndToEnd)
#include "tst_dialogs_end_to_end.moc"
