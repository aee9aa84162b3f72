#include "app/application.h"
#include "pages/settings_page.h"
#include "profile/profile_files.h"
#include "profile/record_text.h"
#include "support/started_window.h"
#include "support/temp_env.h"

#include <QComboBox>
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

    void cancelEndsTheWindowWithoutWriting()
    {
        ScopedTempFolder temp;
        StartedWindow started(true);
        QTest::mouseClick(started.control<QPushButton>("cancelButton"), Qt::LeftButton);
        QVERIFY(!started.window->isVisible());
        QCOMPARE(started.window->result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(temp.workingCopyPath()));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
