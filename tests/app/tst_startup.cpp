#include "app/application.h"
#include "widgets/settings_page.h"
#include "profile/settings_copies.h"
#include "profile/record_text.h"
#include "support/started_window.h"
#include "support/temp_env.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

// Something the user does before closing the tool.
using Change = std::function<void(StartedWindow &)>;
Q_DECLARE_METATYPE(Change)

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void firstStartShowsTheDefaults()
    {
        ScopedTempFolder temp;
        StartedWindow started;
        const ProfileRecord &record = started.session.record;
        QCOMPARE(started.session.currentArea, 2);
        QCOMPARE(record.area, 2);
        QCOMPARE(record.header_value, 1);
        QCOMPARE(QByteArray(record.version_tag, 2), QByteArray("V\0", 2));

        QCOMPARE(started.window->windowTitle(), QStringLiteral("Quenda V5.02.15"));
        QCOMPARE(started.control<QLineEdit>("instantNumberEdit")->text(), QStringLiteral("99"));
        QVERIFY(started.control<QRadioButton>("emailRadio")->isChecked());
        QVERIFY(!QFile::exists(temp.workingCopyPath()));
    }

    void aSavedWorkingCopyComesBackOnThePage()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        {
            ProfileSession saved;
            StartSession(saved);
            saved.record.gps = 1;
            saved.record.send_to = 0;
            saved.record.country_index = 7;
            saved.record.operator_index = 5;
            saved.record.sms_switch = 2;
            saved.record.sms_start_hour = 6;
            saved.record.sms_stop_hour = 21;
            StoreRecordText(saved.record.phone_number_2, QStringLiteral("01711234567"));
            QVERIFY(!SaveProfile(card.path(), saved.record, saved.custom));
        }

        StartedWindow started;
        QCOMPARE(started.control<QComboBox>("gpsCombo")->currentText(), QStringLiteral("On"));
        QVERIFY(started.control<QRadioButton>("phoneRadio")->isChecked());
        QCOMPARE(started.control<QComboBox>("countryCombo")->currentText(), QStringLiteral("Germany"));
        QCOMPARE(started.control<QComboBox>("operatorCombo")->currentText(), QStringLiteral("T-Mobile"));
        QCOMPARE(started.control<QComboBox>("smsStartCombo")->currentText(), QStringLiteral("06"));
        QCOMPARE(started.control<QComboBox>("smsStopCombo")->currentText(), QStringLiteral("21"));
        QCOMPARE(started.control<QLineEdit>("phoneNumber2Edit")->text(), QStringLiteral("01711234567"));
    }

    void thePageFillsTheWindowFromItsOrigin()
    {
        ScopedTempFolder temp;
        StartedWindow started(true);
        const MainWindow &window = *started.window;
        QCOMPARE(window.page()->pos(), QPoint(0, 0));
        QCOMPARE(window.page()->size(), window.size());
        QVERIFY(window.width() >= 500 && window.width() <= 1200);
        QVERIFY(window.height() >= 350 && window.height() <= 900);
        QVERIFY(!Application::applicationIcon().pixmap(32).isNull());
    }

    void enterAndEscapeNeitherCloseNorSave()
    {
        ScopedTempFolder temp;
        StartedWindow started(true);
        auto *email = started.control<QLineEdit>("receiveEmail1Edit");
        email->setFocus();
        QTest::keyClicks(email, "a@b.org");
        QTest::keyClick(email, Qt::Key_Return);
        QTest::keyClick(email, Qt::Key_Escape);
        QVERIFY(started.window->isVisible());
        QVERIFY(started.prompter.calls.isEmpty());
        QVERIFY(!QFile::exists(temp.workingCopyPath()));
        QCOMPARE(started.session.record.header_value, 1);
    }

    void closingAsksOnlyWhenChangesWouldBeLost_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("asked");

        const Change nothing = [](StartedWindow &) {};
        const Change typeAddress = [](StartedWindow &s) {
            QTest::keyClicks(s.control<QLineEdit>("receiveEmail1Edit"), "jane@example.org");
        };
        QTest::newRow("nothing changed") << nothing << false;
        QTest::newRow("an address typed") << typeAddress << true;
        QTest::newRow("an address typed and taken back") << Change([](StartedWindow &s) {
            QTest::keyClicks(s.control<QLineEdit>("receiveEmail1Edit"), "j");
            QTest::keyClick(s.control<QLineEdit>("receiveEmail1Edit"), Qt::Key_Backspace);
        }) << false;
        QTest::newRow("a failed OK, nothing changed") << Change([](StartedWindow &s) {
            s.control<QPushButton>("okButton")->click(); // "The Email must not be null!"
        }) << false;
        // "OK" would stop at the missing address, before the name: only the page holds it.
        QTest::newRow("a camera name typed, no address") << Change([](StartedWindow &s) {
            s.control<QComboBox>("renameCombo")->setCurrentIndex(1);
            QTest::keyClicks(s.control<QLineEdit>("renameEdit"), "cam1");
        }) << true;
        QTest::newRow("OK without a folder stores, nothing saved") << Change([=](StartedWindow &s) {
            typeAddress(s);
            s.control<QPushButton>("okButton")->click();
        }) << true;
        QTest::newRow("saved onto a card") << Change([=](StartedWindow &s) {
            typeAddress(s);
            s.control<QLineEdit>("savePathEdit")->setText(QDir::tempPath());
            s.prompter.yesNoAnswers.enqueue(true); // the default sender cannot send: save anyway
            s.control<QPushButton>("okButton")->click();
            QVERIFY(QFile::exists(QDir::tempPath() + "/PROFILE.BIN"));
        }) << false;
        QTest::newRow("a camera setting stored by the dialog's OK") << Change([](StartedWindow &s) {
            s.prompter.modalActions.enqueue([](QDialog &d) {
                FindControl<QComboBox>(d, "photoSizeCombo")->setCurrentIndex(4);
                FindControl<QPushButton>(d, "okButton")->click();
                return d.result();
            });
            s.control<QPushButton>("camSettingButton")->click();
        }) << true;
        QTest::newRow("the camera dialog's OK without a change") << Change([](StartedWindow &s) {
            s.prompter.modalActions.enqueue([](QDialog &d) {
                FindControl<QPushButton>(d, "okButton")->click(); // stores the windows' switch bits anew
                return d.result();
            });
            s.control<QPushButton>("camSettingButton")->click();
        }) << false;
        QTest::newRow("the camera dialog cancelled") << Change([](StartedWindow &s) {
            s.prompter.modalActions.enqueue([](QDialog &d) {
                FindControl<QComboBox>(d, "photoSizeCombo")->setCurrentIndex(4);
                FindControl<QPushButton>(d, "cancelButton")->click();
                return d.result();
            });
            s.control<QPushButton>("camSettingButton")->click();
        }) << false;
    }

    void closingAsksOnlyWhenChangesWouldBeLost()
    {
        QFETCH(Change, change);
        QFETCH(bool, asked);

        for (const bool closeBox : {false, true}) {
            for (const bool discard : {false, true}) {
                ScopedTempFolder temp;
                StartedWindow started(true);
                change(started);
                started.prompter.clear();
                started.prompter.yesNoAnswers.enqueue(discard);
                if (closeBox)
                    started.window->close();
                else
                    QTest::mouseClick(started.control<QPushButton>("cancelButton"), Qt::LeftButton);

                const QString how = QStringLiteral("%1, %2").arg(closeBox ? "close box" : "Cancel",
                                                                 discard ? "Yes" : "No");
                QCOMPARE(started.prompter.calls.size(), asked ? 1 : 0);
                if (asked) {
                    const FakePrompter::Call &question = started.prompter.calls.first();
                    QCOMPARE(question.kind, FakePrompter::Kind::Question);
                    QCOMPARE(question.caption, QStringLiteral("Unsaved Changes"));
                    QCOMPARE(question.text, QStringLiteral("Discard the changes?"));
                }
                // "No" keeps the window and what it holds.
                QVERIFY2(started.window->isVisible() == (asked && !discard), qPrintable(how));
                if (!started.window->isVisible())
                    QCOMPARE(started.window->result(), int(QDialog::Rejected));
            }
        }
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
