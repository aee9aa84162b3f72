#include "forms/settings_form.h"
#include "profile/record_text.h"
#include "support/form_round_trip.h"
#include "support/fresh_session.h"

#include <QTest>

class TestSettingsForm : public QObject
{
    Q_OBJECT

private slots:
    void defaultsOpenAsAFreshPage()
    {
        ProfileSession session;
        startWithoutWorkingCopy(session);
        SettingsForm form(session);
        form.load();

        const PageValues &v = form.values();
        QCOMPARE(v.choice(PageSetting::Instant), 1);
        QCOMPARE(v.instant_number, 99);
        QCOMPARE(v.choice(PageSetting::DailyReport), 0);
        QCOMPARE(v.daily_report_hour, 0);
        QCOMPARE(v.daily_report_minute, 0);
        QCOMPARE(v.send_to, 1);
        QCOMPARE(v.choice(PageSetting::EmailSize), 1);
        QCOMPARE(v.choice(PageSetting::Rename), 0);
        QCOMPARE(v.rename_text, QString());
        QCOMPARE(v.choice(PageSetting::Gps), 0);
        QCOMPARE(v.choice(PageSetting::SmsSwitch), 0);
        QCOMPARE(v.sms_start_hour, 0);
        QCOMPARE(v.sms_stop_hour, 0);
        QCOMPARE(v.country_position, 0);
        QCOMPARE(v.operator_position, 0);
        for (std::size_t i = 0; i < kRecipientCount; ++i) {
            QVERIFY(v.phone_number[i].isEmpty());
            QVERIFY(v.receive_email[i].isEmpty());
        }

        const PageState s = form.state();
        QVERIFY(s.instant_number_enabled);
        QVERIFY(!s.daily_report_time_enabled);
        QVERIFY(!s.sms_work_time_enabled);
        QVERIFY(!s.rename_text_enabled);
        QCOMPARE(s.first_phone_label, QStringLiteral("Phone Number 1"));
        for (std::size_t i = 0; i < kRecipientCount; ++i) {
            QVERIFY(!s.phone_enabled[i]);
            QVERIFY(s.email_enabled[i]);
        }
        QVERIFY(s.email_size_enabled);
        QVERIFY(!s.custom_enabled);
    }

    void recipientsFollowSendToAndSmsSwitch_data()
    {
        QTest::addColumn<int>("sendTo");
        QTest::addColumn<int>("smsSwitch");
        QTest::addColumn<QString>("firstLabel");
        QTest::addColumn<bool>("firstPhone");
        QTest::addColumn<bool>("otherPhones");
        QTest::addColumn<bool>("emails");
        QTest::addColumn<bool>("workTime");

        QTest::newRow("email, sms off") << 1 << 0 << "Phone Number 1" << false << false << true << false;
        QTest::newRow("email, sms on") << 1 << 1 << "Command Phone" << true << false << true << false;
        QTest::newRow("email, sms set") << 1 << 2 << "Command Phone" << true << false << true << true;
        QTest::newRow("phone, sms off") << 0 << 0 << "Phone Number 1" << true << true << false << false;
        QTest::newRow("phone, sms on") << 0 << 1 << "Command Phone" << true << true << false << false;
    }

    void recipientsFollowSendToAndSmsSwitch()
    {
        QFETCH(int, sendTo);
        QFETCH(int, smsSwitch);
        QFETCH(QString, firstLabel);
        QFETCH(bool, firstPhone);
        QFETCH(bool, otherPhones);
        QFETCH(bool, emails);
        QFETCH(bool, workTime);

        ProfileSession session;
        startWithoutWorkingCopy(session);
        SettingsForm form(session);
        form.load();
        form.values().send_to = sendTo;
        form.choiceChanged(PageSetting::SmsSwitch, smsSwitch);

        const PageState s = form.state();
        QCOMPARE(s.first_phone_label, firstLabel);
        QCOMPARE(s.phone_enabled[0], firstPhone);
        for (std::size_t i = 1; i < kRecipientCount; ++i)
            QCOMPARE(s.phone_enabled[i], otherPhones);
        for (std::size_t i = 0; i < kRecipientCount; ++i)
            QCOMPARE(s.email_enabled[i], emails);
        QCOMPARE(s.email_size_enabled, emails);
        QCOMPARE(s.sms_work_time_enabled, workTime);
        if (!workTime) {
            QCOMPARE(form.values().sms_start_hour, 0);
            QCOMPARE(form.values().sms_stop_hour, 0);
        }
    }

    void savedSmsHoursComeBackOnSet()
    {
        ProfileSession session;
        startWithoutWorkingCopy(session);
        SettingsForm form(session);
        form.load();
        form.choiceChanged(PageSetting::SmsSwitch, 2);
        form.smsStartChanged(8);
        form.smsStopChanged(20);
        form.choiceChanged(PageSetting::SmsSwitch, 0);
        QCOMPARE(form.values().sms_start_hour, 0);
        QCOMPARE(form.values().sms_stop_hour, 0);
        form.choiceChanged(PageSetting::SmsSwitch, 2);
        QCOMPARE(form.values().sms_start_hour, 8);
        QCOMPARE(form.values().sms_stop_hour, 20);
    }

    void storedSmsHoursShowOnlyForSet()
    {
        ProfileSession session;
        startWithoutWorkingCopy(session);
        session.record.sms_start_hour = 6;
        session.record.sms_stop_hour = 22;
        session.record.sms_switch = 1;
        SettingsForm form(session);
        form.load();
        QCOMPARE(form.values().sms_start_hour, 0);
        form.choiceChanged(PageSetting::SmsSwitch, 2);
        QCOMPARE(form.values().sms_start_hour, 6);
        QCOMPARE(form.values().sms_stop_hour, 22);
    }

    void smsHourRules_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("stop");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("startAfter");
        QTest::addColumn<int>("stopAfter");

        QTest::newRow("earlier stop clears the start") << 10 << 12 << "stop" << 5 << 0 << 5;
        QTest::newRow("stop 00 leaves the start") << 10 << 12 << "stop" << 0 << 10 << 0;
        QTest::newRow("later stop") << 10 << 12 << "stop" << 15 << 10 << 15;
        QTest::newRow("stop equal to start") << 10 << 12 << "stop" << 10 << 10 << 10;
        QTest::newRow("start above stop pulls it up") << 10 << 0 << "start" << 12 << 12 << 12;
        QTest::newRow("start below stop") << 10 << 20 << "start" << 4 << 4 << 20;
    }

    void smsHourRules()
    {
        QFETCH(int, start);
        QFETCH(int, stop);
        QFETCH(QString, changed);
        QFETCH(int, hour);
        QFETCH(int, startAfter);
        QFETCH(int, stopAfter);

        ProfileSession session;
        startWithoutWorkingCopy(session);
        SettingsForm form(session);
        form.load();
        form.choiceChanged(PageSetting::SmsSwitch, 2);
        form.values().sms_start_hour = start;
        form.values().sms_stop_hour = stop;
        if (changed == "start")
            form.smsStartChanged(hour);
        else
            form.smsStopChanged(hour);

        QCOMPARE(form.values().sms_start_hour, startAfter);
        QCOMPARE(form.values().sms_stop_hour, stopAfter);
        QCOMPARE(form.values().saved_sms_start_hour, startAfter);
        QCOMPARE(form.values().saved_sms_stop_hour, stopAfter);
    }

    void sendModeThreeOpensBothOn()
    {
        ProfileSession session;
        startWithoutWorkingCopy(session);
        session.record.send_mode = 3;
        SettingsForm form(session);
        form.load();
        QCOMPARE(form.values().choice(PageSetting::Instant), 1);
        QCOMPARE(form.values().choice(PageSetting::DailyReport), 1);
        QVERIFY(form.state().instant_number_enabled);
        QVERIFY(form.state().daily_report_time_enabled);

        form.choiceChanged(PageSetting::Instant, 0);
        QVERIFY(!form.state().instant_number_enabled);
        form.values().receive_email[0] = QStringLiteral("jane@example.org");
        QVERIFY(!form.store(ControlsShowing(form.values())));
        QCOMPARE(session.record.send_mode, 2);
    }

    void storedValuesOutsideTheLists_data()
    {
        QTest::addColumn<int>("sendTo");
        QTest::addColumn<int>("country");
        QTest::addColumn<int>("operatorIndex");
        QTest::addColumn<int>("shownSendTo");
        QTest::addColumn<int>("shownCountry");
        QTest::addColumn<int>("shownOperator");

        QTest::newRow("send to 7 shows Email") << 7 << 0 << 0 << 1 << 0 << 0;
        QTest::newRow("country 20 falls back") << 1 << 20 << 3 << 1 << 0 << 0;
        QTest::newRow("country 255 falls back") << 0 << 255 << 255 << 0 << 0 << 0;
        QTest::newRow("operator past Danmark's items") << 1 << 4 << 13 << 1 << 4 << 0;
        QTest::newRow("operator past Auto") << 1 << 0 << 1 << 1 << 0 << 0;
        QTest::newRow("operator past Customer") << 1 << 19 << 3 << 1 << 19 << 0;
    }

    void storedValuesOutsideTheLists()
    {
        QFETCH(int, sendTo);
        QFETCH(int, country);
        QFETCH(int, operatorIndex);
        QFETCH(int, shownSendTo);
        QFETCH(int, shownCountry);
        QFETCH(int, shownOperator);

        ProfileSession session;
        startWithoutWorkingCopy(session);
        session.record.send_to = std::uint16_t(sendTo);
        session.record.country_index = std::uint8_t(country);
        session.record.operator_index = std::uint8_t(operatorIndex);
        SettingsForm form(session);
        form.load();
        QCOMPARE(form.values().send_to, shownSendTo);
        QCOMPARE(form.values().country_position, shownCountry);
        QCOMPARE(form.values().operator_position, shownOperator);
    }

    void readingKeepsWhatItCanTake_data()
    {
        QTest::addColumn<QString>("savePath");
        QTest::addColumn<QString>("instantNumber");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("savePathTaken");
        QTest::addColumn<int>("number");

        QTest::newRow("empty number") << "/card" << "" << "Enter an integer." << true << 99;
        QTest::newRow("path too long") << QString(129, u'p') << "5" << "Enter no more than 128 characters."
                                       << false << 5;
        QTest::newRow("path of 128") << QString(128, u'p') << "5" << "" << true << 5;
    }

    void readingKeepsWhatItCanTake()
    {
        QFETCH(QString, savePath);
        QFETCH(QString, instantNumber);
        QFETCH(QString, message);
        QFETCH(bool, savePathTaken);
        QFETCH(int, number);

        ProfileSession session;
        startWithoutWorkingCopy(session);
        SettingsForm form(session);
        form.load();
        PageControls controls = ControlsShowing(form.values());
        controls.save_path = savePath;
        controls.instant_number = instantNumber;
        controls.daily_report_hour = 7;
        controls.receive_email[1] = "typed@later.org";

        const auto failure = form.take(controls);
        QCOMPARE(failure ? failure->text : QString(), message);
        if (failure) {
            QCOMPARE(failure->caption, QCoreApplication::applicationName());
            QCOMPARE(failure->icon, Message::Icon::Warning);
        }
        QCOMPARE(form.values().save_path == savePath, savePathTaken);
        QCOMPARE(form.values().instant_number, number);
        // What was typed after the unreadable value is taken all the same.
        QCOMPARE(form.values().daily_report_hour, 7);
        QCOMPARE(form.values().receive_email[1], QStringLiteral("typed@later.org"));
    }

    void textsComeFromTheRecordInTheCodePage()
    {
        ProfileSession session;
        startWithoutWorkingCopy(session);
        StoreRecordText(session.record.receive_email_2, QStringLiteral("j\u00f6rg@example.org"));
        StoreRecordText(session.record.phone_number_4, QStringLiteral("0049301234"));
        StoreRecordText(session.record.rename_text, QStringLiteral("CAM7"));
        SettingsForm form(session);
        form.load();
        QCOMPARE(form.values().receive_email[1], QStringLiteral("j\u00f6rg@example.org"));
        QCOMPARE(form.values().phone_number[3], QStringLiteral("0049301234"));
        QCOMPARE(form.values().rename_text, QStringLiteral("CAM7"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsForm)
#include "tst_settings_form.moc"
