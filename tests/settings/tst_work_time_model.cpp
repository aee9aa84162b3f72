// The work-time windows of the camera form, through the second window's keys.
#include "settings/camera_model.h"
#include "settings/profile_defaults.h"

#include <QTest>

namespace {

using Bytes = QList<int>;

WorkTimeWindow windowOf(const Bytes &b)
{
    return {std::uint8_t(b[0]), std::uint8_t(b[1]), std::uint8_t(b[2]),
            std::uint8_t(b[3]), std::uint8_t(b[4]), std::uint8_t(b[5])};
}

Bytes bytesOf(const WorkTimeWindow &w)
{
    return {w.switch_, w.start_hour, w.start_minute, w.stop_hour, w.stop_minute, w.week_mask};
}

const QString kSwitch = QStringLiteral("work_time_2.switch");
const QString kStart = QStringLiteral("work_time_2.start_hour");
const QString kStop = QStringLiteral("work_time_2.stop_hour");
const QString kDays = QStringLiteral("work_time_2.week_mask");
constexpr int kAll = 0x80;

// A form over a record of defaults whose second window holds `window`.
struct Opened {
    ProfileRecord record;
    CameraModel form{record};

    explicit Opened(const WorkTimeWindow &window = {0, 0, 0, 0, 0, 0xFF})
    {
        record = InitialProfileRecord();
        SetProfileDefaults(record, 2);
        record.work_time_2 = window;
        form.load();
    }
    Bytes stored()
    {
        const std::optional<SettingFault> fault = form.store();
        if (fault)
            qFatal("refused: %s", qPrintable(fault->message.text));
        return bytesOf(record.work_time_2);
    }
};

const QString kStartStop = QStringLiteral("Please check Work Time Start and Stop point.");
const QString kWeek = QStringLiteral("Please check Work Time Week CheckBox.");

} // namespace

class TestWorkTimeModel : public QObject
{
    Q_OBJECT

private slots:
    // Record bytes in, the values they load, and the bytes OK stores back.
    void loadAndStore_data()
    {
        QTest::addColumn<Bytes>("loaded");
        QTest::addColumn<int>("switchIndex");
        QTest::addColumn<QVariantList>("start");
        QTest::addColumn<int>("days"); // the boxes, bit 7 "ALL"
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<Bytes>("stored");

        QTest::newRow("record defaults") << Bytes{0, 0, 0, 0, 0, 255} << 0 << QVariantList{0, 0} << 0xFF << false
                                         << Bytes{0, 0, 0, 0, 0, 127};
        QTest::newRow("on, all days") << Bytes{1, 0, 0, 0, 0, 127} << 1 << QVariantList{0, 0} << 0xFF << true
                                      << Bytes{1, 0, 0, 0, 0, 255};
        QTest::newRow("over midnight, monday") << Bytes{1, 22, 0, 6, 0, 0x02} << 1 << QVariantList{22, 0} << 0x02
                                               << true << Bytes{1, 22, 0, 6, 0, 130};
        QTest::newRow("off, no day") << Bytes{0, 8, 0, 9, 0, 0x80} << 0 << QVariantList{8, 0} << 0 << false
                                     << Bytes{0, 8, 0, 9, 0, 0};
        QTest::newRow("six days") << Bytes{1, 1, 2, 3, 4, 0x3F} << 1 << QVariantList{1, 2} << 0x3F << true
                                  << Bytes{1, 1, 2, 3, 4, 0xBF};
        QTest::newRow("switch beyond list") << Bytes{7, 1, 2, 3, 4, 0x01} << -1 << QVariantList{1, 2} << 0x01
                                            << false << Bytes{255, 1, 2, 3, 4, 0x81};
        QTest::newRow("times beyond lists") << Bytes{0, 24, 60, 23, 59, 0} << 0 << QVariantList{-1, -1} << 0
                                            << false << Bytes{0, 255, 255, 23, 59, 0};
        QTest::newRow("minute beyond list") << Bytes{0, 23, 60, 0, 59, 0} << 0 << QVariantList{23, -1} << 0
                                            << false << Bytes{0, 23, 255, 0, 59, 0};
    }

    void loadAndStore()
    {
        QFETCH(Bytes, loaded);
        QFETCH(int, switchIndex);
        QFETCH(QVariantList, start);
        QFETCH(int, days);
        QFETCH(bool, enabled);
        QFETCH(Bytes, stored);

        Opened o(windowOf(loaded));
        QCOMPARE(o.form.value(kSwitch).toInt(), switchIndex);
        QCOMPARE(o.form.value(kStart).toList(), start);
        QCOMPARE(o.form.value(kDays).toInt(), days);
        for (const QString &key : {kStart, kStop, kDays})
            QCOMPARE(o.form.state(key).enabled, enabled);
        QVERIFY(o.form.state(kSwitch).enabled);
        QCOMPARE(o.stored(), stored);
    }

    void resetStoresDefaults()
    {
        Opened o(windowOf({1, 22, 15, 6, 45, 0x82}));
        o.form.reset();
        QVERIFY(!o.form.state(kStart).enabled);
        QCOMPARE(o.form.value(kDays).toInt(), 0xFF);
        QCOMPARE(o.stored(), (Bytes{0, 0, 0, 0, 0, 127}));
        o.form.set(kSwitch, 1);
        QVERIFY(o.form.state(kStart).enabled);
    }

    void check_data()
    {
        QTest::addColumn<Bytes>("times"); // switch, start h, start m, stop h, stop m
        QTest::addColumn<int>("days");    // the boxes, bit 7 "ALL"
        QTest::addColumn<QString>("text"); // empty: passes
        QTest::addColumn<QString>("key");

        QTest::newRow("same start and stop") << Bytes{1, 8, 30, 8, 30} << 0xFF << kStartStop << kStart;
        QTest::newRow("same hour") << Bytes{1, 8, 30, 8, 31} << 0xFF << QString() << QString();
        QTest::newRow("same minute") << Bytes{1, 7, 30, 8, 30} << 0xFF << QString() << QString();
        QTest::newRow("midnight to midnight") << Bytes{1, 0, 0, 0, 0} << 0xFF << QString() << QString();
        QTest::newRow("over midnight, monday") << Bytes{1, 22, 0, 6, 0} << 0x02 << QString() << QString();
        QTest::newRow("no box") << Bytes{1, 8, 0, 9, 0} << 0 << kWeek << kDays;
        QTest::newRow("only all") << Bytes{1, 8, 0, 9, 0} << kAll << QString() << QString();
        QTest::newRow("no box, switched off") << Bytes{0, 8, 30, 8, 30} << 0 << QString() << QString();
        QTest::newRow("times before boxes") << Bytes{1, 10, 0, 10, 0} << 0 << kStartStop << kStart;
        QTest::newRow("no switch is checked") << Bytes{-1, 8, 0, 9, 0} << 0 << kWeek << kDays;
        QTest::newRow("running without start hour") << Bytes{1, -1, 0, 9, 0} << 0xFF << kStartStop << kStart;
        QTest::newRow("running without stop minute") << Bytes{1, 8, 0, 9, -1} << 0xFF << kStartStop << kStart;
        QTest::newRow("off without times") << Bytes{0, -1, -1, -1, -1} << 0 << QString() << QString();
    }

    void check()
    {
        QFETCH(Bytes, times);
        QFETCH(int, days);
        QFETCH(QString, text);
        QFETCH(QString, key);

        Opened o;
        o.form.set(kSwitch, times[0]);
        o.form.set(kStart, QVariantList{times[1], times[2]});
        o.form.set(kStop, QVariantList{times[3], times[4]});
        o.form.set(kDays, days);
        const std::optional<SettingFault> fault = o.form.check();
        QCOMPARE(fault.value_or(SettingFault{}).message.text, text);
        if (fault)
            QCOMPARE(*fault, (SettingFault{key, {QStringLiteral("Work Time Setting"), text, Message::Icon::None}}));
    }

    void boxClicks_data()
    {
        QTest::addColumn<int>("daysBefore"); // as stored; "ALL" follows from them
        QTest::addColumn<QString>("clicks"); // "+Tue" checks the box, "-Tue" clears it
        QTest::addColumn<int>("days");

        QTest::newRow("all checks every day") << 0x00 << "+ALL" << 0xFF;
        QTest::newRow("clearing all keeps the days") << 0x7F << "-ALL" << 0x7F;
        QTest::newRow("clearing a day clears all") << 0x7F << "-Tue" << 0x7B;
        QTest::newRow("last day back checks all") << 0x7F << "-Tue +Tue" << 0xFF;
        QTest::newRow("a day of several") << 0x01 << "+Mon" << 0x03;
        QTest::newRow("clearing one of several") << 0x03 << "-Sun" << 0x02;
        QTest::newRow("saturday completes the week") << 0x3F << "+Sat" << 0xFF;
        QTest::newRow("all again after a cleared day") << 0x7F << "-ALL -Wed +ALL" << 0xFF;
    }

    void boxClicks()
    {
        QFETCH(int, daysBefore);
        QFETCH(QString, clicks);
        QFETCH(int, days);

        const QStringList boxes = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "ALL"};
        Opened o(windowOf({1, 8, 0, 9, 0, daysBefore}));
        for (const QString &click : clicks.split(u' ')) {
            const int bit = 1 << boxes.indexOf(click.mid(1));
            const int before = o.form.value(kDays).toInt();
            QVERIFY2(bool(before & bit) != click.startsWith(u'+'), qPrintable(click));
            QVERIFY(!o.form.set(kDays, before ^ bit));
            QVERIFY(!o.form.changed(kDays));
        }
        QCOMPARE(o.form.value(kDays).toInt(), days);
    }

    void clearedAllComesBackOnReopening()
    {
        Opened o;
        o.form.set(kDays, 0x7F);
        o.stored();
        o.form.load();
        QCOMPARE(o.form.value(kDays).toInt(), 0xFF);
    }
};

QTEST_GUILESS_MAIN(TestWorkTimeModel)
#include "tst_work_time_model.moc"
