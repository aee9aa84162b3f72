#include "app/talmeris_setup_app.h"
#include "app/talmeris_setup_dlg.h"
#include "pages/dlg_gsm.h"
#include "profile/profile_files.h"
#include "profile/record_text.h"
#include "support/fake_prompter.h"
#include "support/temp_env.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void firstStartShowsTheDefaults()
    {
        ScopedTempFolder temp;
        ProfileSession session;
        StartSession(session);
        QCOMPARE(session.currentArea, 2);
        QCOMPARE(session.record.area, 2);
        QCOMPARE(session.record.header_value, 1);
        QCOMPARE(QByteArray(session.record.version_tag, 2), QByteArray("V\0", 2));

        FakePrompter prompter;
        TalmerisSetupDlg window(session, prompter);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quenda V5.02.15"));
        auto *instant = window.findChild<QLineEdit *>("instantNumberEdit");
        QCOMPARE(instant->text(), QStringLiteral("99"));
        QVERIFY(window.findChild<QRadioButton *>("emailRadio")->isChecked());
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

        ProfileSession session;
        StartSession(session);
        FakePrompter prompter;
        TalmerisSetupDlg window(session, prompter);
        QCOMPARE(window.findChild<QComboBox *>("gpsCombo")->currentText(), QStringLiteral("On"));
        QVERIFY(window.findChild<QRadioButton *>("phoneRadio")->isChecked());
        QCOMPARE(window.findChild<QComboBox *>("countryCombo")->currentText(), QStringLiteral("Germany"));
        QCOMPARE(window.findChild<QComboBox *>("operatorCombo")->currentText(), QStringLiteral("T-Mobile"));
        QCOMPARE(window.findChild<QComboBox *>("smsStartCombo")->currentText(), QStringLiteral("06"));
        QCOMPARE(window.findChild<QComboBox *>("smsStopCombo")->currentText(), QStringLiteral("21"));
        QCOMPARE(window.findChild<QLineEdit *>("phoneNumber2Edit")->text(), QStringLiteral("01711234567"));
    }

    void thePageFillsTheWindowFromItsOrigin()
    {
        ScopedTempFolder temp;
        ProfileSession session;
        StartSession(session);
        FakePrompter prompter;
        TalmerisSetupDlg window(session, prompter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.page()->pos(), QPoint(0, 0));
        QCOMPARE(window.page()->size(), window.size());
        QVERIFY(window.width() >= 500 && window.width() <= 1200);
        QVERIFY(window.height() >= 350 && window.height() <= 900);
        QVERIFY(!TalmerisSetupApp::applicationIcon().isNull());
        QVERIFY(!TalmerisSetupApp::applicationIcon().pixmap(32).isNull());
    }

    void enterAndEscapeNeitherCloseNorSave()
    {
        ScopedTempFolder temp;
        ProfileSession session;
        StartSession(session);
        FakePrompter prompter;
        TalmerisSetupDlg window(session, prompter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *email = window.findChild<QLineEdit *>("receiveEmail1Edit");
        email->setFocus();
        QTest::keyClicks(email, "a@b.org");
        QTest::keyClick(email, Qt::Key_Return);
        QTest::keyClick(email, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        QVERIFY(prompter.calls.isEmpty());
        QVERIFY(!QFile::exists(temp.workingCopyPath()));
        QCOMPARE(session.record.header_value, 1);
    }

    void cancelEndsTheWindowWithoutWriting()
    {
        ScopedTempFolder temp;
        ProfileSession session;
        StartSession(session);
        FakePrompter prompter;
        TalmerisSetupDlg window(session, prompter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.findChild<QPushButton *>("cancelButton"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(temp.workingCopyPath()));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
