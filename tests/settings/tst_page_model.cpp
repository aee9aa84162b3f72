#include "settings/page_model.h"
#include "settings/page_schema.h"
#include "profile/record_text.h"
#include "support/form_round_trip.h"
#include "support/fresh_session.h"

#include <QTest>

namespace {

const PageKeys &keys()
{
    return PageKey();
}

// The page opened on the defaults.
struct FreshPage {
    ProfileSession session;
    PageModel page{session};

    FreshPage()
    {
        startWithoutWorkingCopy(session);
        page.load();
    }
    int number(const QString &key) const { return page.value(key).toInt(); }
    bool enabled(const QString &key) const { return page.state(key).enabled; }
    // The user chooses an item, as the page's view passes it on.
    void choose(const QString &key, int value)
    {
        page.set(key, value);
        page.changed(key);
    }
};

} // namespace

class TestPageModel : public QObject
{
    Q_OBJECT

private slots:
    void defaultsOpenAsAFreshPage()
    {
        FreshPage fresh;
        const auto &k = keys();
        const QList<std::pair<QString, QVariant>> expected = {
            {k.instant, 1},         {k.instantNumber, "99"}, {k.dailyReport, 0}, {k.dailyReportHour, 0},
            {k.dailyReportMinute, 0}, {k.sendTo, 1},         {k.emailSize, 1},   {k.rename, 0},
            {k.renameText, ""},     {"gps", 0},              {k.smsSwitch, 0},   {k.smsStart, 0},
            {k.smsStop, 0},         {k.country, 0},          {k.operatorIndex, 0}};
        for (const auto &[key, value] : expected)
            QCOMPARE(fresh.page.value(key).toString(), value.toString());
        for (const QString &key : k.phones + k.emails)
            QVERIFY(fresh.page.value(key).toString().isEmpty());

        QVERIFY(fresh.enabled(k.instantNumber));
        QVERIFY(!fresh.enabled(k.dailyReportHour));
        QVERIFY(!fresh.enabled(k.smsStart));
        QVERIFY(!fresh.enabled(k.renameText));
        QVERIFY(!fresh.page.commandPhone());
        for (int i = 0; i < kRecipientCount; ++i) {
            QVERIFY(!fresh.enabled(k.phones.at(i)));
            QVERIFY(fresh.enabled(k.emails.at(i)));
        }
        QVERIFY(fresh.enabled(k.emailSize));
        QVERIFY(!fresh.page.customEnabled());
    }

    void recipientsFollowSendToAndSmsSwitch_data()
    {
        QTest::addColumn<int>("sendTo");
        QTest::addColumn<int>("smsSwitch");
        QTest::addColumn<bool>("commandPhone");
        QTest::addColumn<bool>("firstPhone");
        QTest::addColumn<bool>("otherPhones");
        QTest::addColumn<bool>("emails");
        QTest::addColumn<bool>("workTime");

        QTest::newRow("email, sms off") << 1 << 0 << false << false << false << true << false;
        QTest::newRow("email, sms on") << 1 << 1 << true << true << false << true << false;
        QTest::newRow("email, sms set") << 1 << 2 << true << true << false << true << true;
        QTest::newRow("phone, sms off") << 0 << 0 << false << true << true << false << false;
        QTest::newRow("phone, sms on") << 0 << 1 << true << true << true << false << false;
    }

    void recipientsFollowSendToAndSmsSwitch()
    {
        QFETCH(int, sendTo);
        QFETCH(int, smsSwitch);
        QFETCH(bool, commandPhone);
        QFETCH(bool, firstPhone);
        QFETCH(bool, otherPhones);
        QFETCH(bool, emails);
        QFETCH(bool, workTime);

        FreshPage fresh;
        const auto &k = keys();
        fresh.choose(k.sendTo, sendTo);
        fresh.choose(k.smsSwitch, smsSwitch);

        QCOMPARE(fresh.page.commandPhone(), commandPhone);
        QCOMPARE(fresh.enabled(k.phones.first()), firstPhone);
        for (int i = 1; i < kRecipientCount; ++i)
            QCOMPARE(fresh.enabled(k.phones.at(i)), otherPhones);
        for (int i = 0; i < kRecipientCount; ++i)
            QCOMPARE(fresh.enabled(k.emails.at(i)), emails);
        QCOMPARE(fresh.enabled(k.emailSize), emails);
        QCOMPARE(fresh.enabled(k.smsStart), workTime);
        QCOMPARE(fresh.enabled(k.smsStop), workTime);
        if (!workTime) {
            QCOMPARE(fresh.number(k.smsStart), 0);
            QCOMPARE(fresh.number(k.smsStop), 0);
        }
    }

    void savedSmsHoursComeBackOnSet()
    {
        FreshPage fresh;
        const auto &k = keys();
        fresh.choose(k.smsSwitch, 2);
        fresh.choose(k.smsStart, 8);
        fresh.choose(k.smsStop, 20);
        fresh.choose(k.smsSwitch, 0);
        QCOMPARE(fresh.number(k.smsStart), 0);
        QCOMPARE(fresh.number(k.smsStop), 0);
        fresh.choose(k.smsSwitch, 2);
        QCOMPARE(fresh.number(k.smsStart), 8);
        QCOMPARE(fresh.number(k.smsStop), 20);
    }

    void storedSmsHoursShowOnlyForSet()
    {
        ProfileSession session;
        startWithoutWorkingCopy(session);
        session.record.sms_start_hour = 6;
        session.record.sms_stop_hour = 22;
        session.record.sms_switch = 1;
        PageModel page(session);
        page.load();
        const auto &k = keys();
        QCOMPARE(page.value(k.smsStart).toInt(), 0);
        page.set(k.smsSwitch, 2);
        page.changed(k.smsSwitch);
        QCOMPARE(page.value(k.smsStart).toInt(), 6);
        QCOMPARE(page.value(k.smsStop).toInt(), 22);
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

        FreshPage fresh;
        const auto &k = keys();
        fresh.choose(k.smsSwitch, 2);
        fresh.page.set(k.smsStart, start);
        fresh.page.set(k.smsStop, stop);
        fresh.choose(changed == "start" ? k.smsStart : k.smsStop, hour);

        QCOMPARE(fresh.number(k.smsStart), startAfter);
        QCOMPARE(fresh.number(k.smsStop), stopAfter);
        // The hours "Set" shows again are the ones the rule left.
        fresh.choose(k.smsSwitch, 0);
        fresh.choose(k.smsSwitch, 2);
        QCOMPARE(fresh.number(k.smsStart), startAfter);
        QCOMPARE(fresh.number(k.smsStop), stopAfter);
    }

    void sendModeThreeOpensBothOn()
    {
        ProfileSession session;
        startWithoutWorkingCopy(session);
        session.record.send_mode = 0xFB; // the two switches, and bits no switch holds
        PageModel page(session);
        page.load();
        const auto &k = keys();
        QCOMPARE(page.value(k.instant).toInt(), 1);
        QCOMPARE(page.value(k.dailyReport).toInt(), 1);
        QVERIFY(page.state(k.instantNumber).enabled);
        QVERIFY(page.state(k.dailyReportHour).enabled);

        page.set(k.instant, 0);
        QVERIFY(!page.state(k.instantNumber).enabled);
        page.set(k.emails.first(), QStringLiteral("jane@example.org"));
        QVERIFY(!page.store());
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
        PageModel page(session);
        page.load();
        QCOMPARE(page.value(keys().sendTo).toInt(), shownSendTo);
        QCOMPARE(page.value(keys().country).toInt(), shownCountry);
        QCOMPARE(page.value(keys().operatorIndex).toInt(), shownOperator);
    }

    void readingKeepsWhatItCanTake_data()
    {
        QTest::addColumn<QString>("savePath");
        QTest::addColumn<QString>("instantNumber");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("faultKey");
        QTest::addColumn<bool>("savePathTaken");

        QTest::newRow("empty number") << "/card" << "" << "Enter an integer." << "instant_number" << true;
        QTest::newRow("path too long") << QString(129, u'p') << "5" << "Enter no more than 128 characters."
                                       << "save_path" << false;
        QTest::newRow("path of 128") << QString(128, u'p') << "5" << "" << "" << true;
    }

    void readingKeepsWhatItCanTake()
    {
        QFETCH(QString, savePath);
        QFETCH(QString, instantNumber);
        QFETCH(QString, message);
        QFETCH(QString, faultKey);
        QFETCH(bool, savePathTaken);

        FreshPage fresh;
        const auto &k = keys();
        std::optional<SettingFault> failure;
        for (const auto &[key, value] : QList<std::pair<QString, QVariant>>{
                 {k.savePath, savePath}, {k.instantNumber, instantNumber}, {k.dailyReportHour, 7},
                 {k.emails.at(1), "typed@later.org"}})
            if (auto refused = fresh.page.set(key, value); refused && !failure)
                failure = refused;
        QCOMPARE(failure ? failure->message.text : QString(), message);
        QCOMPARE(failure ? failure->key : QString(), faultKey);
        if (failure) {
            QCOMPARE(failure->message.caption, QCoreApplication::applicationName());
            QCOMPARE(failure->message.icon, Message::Icon::Warning);
            // "OK" names it too, and stores nothing of the page.
            QCOMPARE(fresh.page.store(), failure);
            QCOMPARE(LoadRecordText(fresh.session.record.receive_email_2), QString());
        }
        QCOMPARE(fresh.page.value(k.savePath).toString() == savePath, savePathTaken);
        // What was typed after the unreadable value is taken all the same.
        QCOMPARE(fresh.number(k.dailyReportHour), 7);
        QCOMPARE(fresh.page.value(k.emails.at(1)).toString(), QStringLiteral("typed@later.org"));
    }

    void textsComeFromTheRecordInTheCodePage()
    {
        ProfileSession session;
        startWithoutWorkingCopy(session);
        StoreRecordText(session.record.receive_email_2, QStringLiteral("j\u00f6rg@example.org"));
        StoreRecordText(session.record.phone_number_4, QStringLiteral("0049301234"));
        StoreRecordText(session.record.rename_text, QStringLiteral("CAM7"));
        PageModel page(session);
        page.load();
        QCOMPARE(page.value(keys().emails.at(1)).toString(), QStringLiteral("j\u00f6rg@example.org"));
        QCOMPARE(page.value(keys().phones.at(3)).toString(), QStringLiteral("0049301234"));
        QCOMPARE(page.value(keys().renameText).toString(), QStringLiteral("CAM7"));
    }
};

QTEST_GUILESS_MAIN(TestPageModel)
#include "tst_page_model.moc"
