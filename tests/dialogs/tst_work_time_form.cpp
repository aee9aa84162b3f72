#include "forms/work_time_form.h"

#include <QTest>

namespace {

using Bytes = QList<int>;

WorkTimeWindow windowOf(const Bytes &b)
{
    return {std::uint8_t(b[0]), std::uint8_t(b[1]), std::uint8_t(b[2]),
            std::uint8_t(b[3]), std::uint8_t(b[4]), std::uint8_t(b[5])};
}

WorkTimeWindow storedBy(const WorkTimeForm &form)
{
    WorkTimeWindow window;
    form.store(window);
    return window;
}

Bytes bytesOf(const WorkTimeWindow &w)
{
    return {w.switch_, w.start_hour, w.start_minute, w.stop_hour, w.stop_minute, w.week_mask};
}

int dayMask(const WorkTimeValues &values)
{
    int mask = 0;
    for (int day = 0; day < WorkTimeValues::kDayCount; ++day)
        mask |= values.days[day] << day;
    return mask;
}

void setDays(WorkTimeValues &values, int mask)
{
    for (int day = 0; day < WorkTimeValues::kDayCount; ++day)
        values.days[day] = (mask >> day) & 1;
}

const QString kStartStop = QStringLiteral("Please check Work Time Start and Stop point.");
const QString kWeek = QStringLiteral("Please check Work Time Week CheckBox.");

} // namespace

class TestWorkTimeForm : public QObject
{
    Q_OBJECT

private slots:
    // Record bytes in, the working values they load, and the bytes OK stores back.
    void loadAndStore_data()
    {
        QTest::addColumn<Bytes>("loaded");
        QTest::addColumn<int>("switchIndex");
        QTest::addColumn<int>("all");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<Bytes>("stored");

        QTest::newRow("record defaults") << Bytes{0, 0, 0, 0, 0, 255} << 0 << 1 << false << Bytes{0, 0, 0, 0, 0, 127};
        QTest::newRow("on, all days") << Bytes{1, 0, 0, 0, 0, 127} << 1 << 1 << true << Bytes{1, 0, 0, 0, 0, 255};
        QTest::newRow("over midnight, monday") << Bytes{1, 22, 0, 6, 0, 0x02} << 1 << 0 << true
                                               << Bytes{1, 22, 0, 6, 0, 130};
        QTest::newRow("off, no day") << Bytes{0, 8, 0, 9, 0, 0x80} << 0 << 0 << false << Bytes{0, 8, 0, 9, 0, 0};
        QTest::newRow("six days") << Bytes{1, 1, 2, 3, 4, 0x3F} << 1 << 0 << true << Bytes{1, 1, 2, 3, 4, 0xBF};
        QTest::newRow("switch beyond list") << Bytes{7, 1, 2, 3, 4, 0x01} << -1 << 0 << false
                                            << Bytes{255, 1, 2, 3, 4, 0x81};
        QTest::newRow("times beyond lists") << Bytes{0, 24, 60, 23, 59, 0} << 0 << 0 << false
                                            << Bytes{0, 255, 255, 23, 59, 0};
    }

    void loadAndStore()
    {
        QFETCH(Bytes, loaded);
        QFETCH(int, switchIndex);
        QFETCH(int, all);
        QFETCH(bool, enabled);
        QFETCH(Bytes, stored);

        WorkTimeForm form;
        form.load(windowOf(loaded));
        QCOMPARE(form.values.switchIndex, switchIndex);
        QCOMPARE(form.values.all, all);
        QCOMPARE(dayMask(form.values), loaded[5] & 0x7F);
        QCOMPARE(form.state().details_enabled, enabled);
        QCOMPARE(bytesOf(storedBy(form)), stored);
    }

    void resetStoresDefaults()
    {
        WorkTimeForm form;
        form.load(windowOf({1, 22, 15, 6, 45, 0x82}));
        form.reset();
        QVERIFY(!form.state().details_enabled);
        QCOMPARE(form.values.all, 1);
        QCOMPARE(bytesOf(storedBy(form)), (Bytes{0, 0, 0, 0, 0, 127}));
        form.values.switchIndex = 1;
        QVERIFY(form.state().details_enabled);
    }

    void check_data()
    {
        QTest::addColumn<Bytes>("times"); // switch, start h, start m, stop h, stop m
        QTest::addColumn<int>("all");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("text"); // empty: passes

        QTest::newRow("same start and stop") << Bytes{1, 8, 30, 8, 30} << 1 << 0x7F << kStartStop;
        QTest::newRow("midnight to midnight") << Bytes{1, 0, 0, 0, 0} << 1 << 0x7F << QString();
        QTest::newRow("over midnight, monday") << Bytes{1, 22, 0, 6, 0} << 0 << 0x02 << QString();
        QTest::newRow("no box") << Bytes{1, 8, 0, 9, 0} << 0 << 0 << kWeek;
        QTest::newRow("only all") << Bytes{1, 8, 0, 9, 0} << 1 << 0 << QString();
        QTest::newRow("no box, switched off") << Bytes{0, 8, 30, 8, 30} << 0 << 0 << QString();
        QTest::newRow("times before boxes") << Bytes{1, 10, 0, 10, 0} << 0 << 0 << kStartStop;
        QTest::newRow("no switch is checked") << Bytes{-1, 8, 0, 9, 0} << 0 << 0 << kWeek;
        QTest::newRow("running without start hour") << Bytes{1, -1, 0, 9, 0} << 1 << 0x7F << kStartStop;
        QTest::newRow("off without times") << Bytes{0, -1, -1, -1, -1} << 0 << 0 << QString();
    }

    void check()
    {
        QFETCH(Bytes, times);
        QFETCH(int, all);
        QFETCH(int, days);
        QFETCH(QString, text);

        WorkTimeForm form;
        form.values = {times[0], times[1], times[2], times[3], times[4], all, {}};
        setDays(form.values, days);
        const WorkTimeValues before = form.values;
        const std::optional<Message> failure = form.check();
        QCOMPARE(failure.value_or(Message{}).text, text);
        if (failure)
            QCOMPARE(*failure, (Message{QStringLiteral("Work Time Setting"), text, Message::Icon::None}));
        QCOMPARE(form.values, before);
    }

    void boxClicks_data()
    {
        QTest::addColumn<int>("allBefore");
        QTest::addColumn<int>("daysBefore");
        QTest::addColumn<QString>("clicks"); // "+Tue" checks the box, "-Tue" clears it
        QTest::addColumn<int>("all");
        QTest::addColumn<int>("days");

        QTest::newRow("all checks every day") << 0 << 0x00 << "+ALL" << 1 << 0x7F;
        QTest::newRow("clearing all keeps the days") << 1 << 0x7F << "-ALL" << 0 << 0x7F;
        QTest::newRow("clearing a day clears all") << 1 << 0x7F << "-Tue" << 0 << 0x7B;
        QTest::newRow("last day back checks all") << 1 << 0x7F << "-Tue +Tue" << 1 << 0x7F;
        QTest::newRow("a day of several") << 0 << 0x01 << "+Mon" << 0 << 0x03;
        QTest::newRow("saturday completes the week") << 0 << 0x3F << "+Sat" << 1 << 0x7F;
        QTest::newRow("all again after a cleared day") << 1 << 0x7F << "-ALL -Wed +ALL" << 1 << 0x7F;
    }

    void boxClicks()
    {
        QFETCH(int, allBefore);
        QFETCH(int, daysBefore);
        QFETCH(QString, clicks);
        QFETCH(int, all);
        QFETCH(int, days);

        const QStringList boxes = {"ALL", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
        WorkTimeForm form;
        form.values.all = allBefore;
        setDays(form.values, daysBefore);
        for (const QString &click : clicks.split(u' '))
            form.boxClicked(boxes.indexOf(click.mid(1)), click.startsWith(u'+'));
        QCOMPARE(form.values.all, all);
        QCOMPARE(dayMask(form.values), days);
    }

    void clearedAllComesBackOnReopening()
    {
        WorkTimeForm form;
        form.boxClicked(WorkTimeForm::kAllBox, false);
        WorkTimeForm reopened;
        reopened.load(storedBy(form));
        QCOMPARE(reopened.values.all, 1);
    }
};

QTEST_GUILESS_MAIN(TestWorkTimeForm)
#include "tst_work_time_form.moc"
