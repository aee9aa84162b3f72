#include "settings/camera_model.h"
#include "settings/camera_schema.h"
#include "settings/profile_defaults.h"
#include "support/hex_bytes.h"

#include <QTest>

namespace {

QByteArray cameraBlock(const ProfileRecord &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record) + kCameraPartOffset, 52);
}

ProfileRecord defaultRecord()
{
    ProfileRecord record = InitialProfileRecord();
    SetProfileDefaults(record, 2);
    return record;
}

// A form over its own record, opened.
struct Opened {
    ProfileRecord record = defaultRecord();
    CameraModel form{record};

    explicit Opened(const std::function<void(ProfileRecord &)> &prepare = {})
    {
        if (prepare)
            prepare(record);
        form.load();
    }
    // What the view does when the user changes the key's control.
    std::optional<SettingFault> choose(const QString &key, const QVariant &value)
    {
        form.set(key, value);
        return form.changed(key);
    }
};

// Window `window` (from 1) switched on from 08:00 to 08:00 with every day, or to 09:00 without a day.
void makeFail(CameraModel &form, int window, bool startStop)
{
    const QString prefix = QStringLiteral("work_time_%1.").arg(window);
    form.set(prefix + "switch", 1);
    form.set(prefix + "start_hour", QVariantList{8, 0});
    form.set(prefix + "stop_hour", QVariantList{startStop ? 8 : 9, 0});
    form.set(prefix + "week_mask", startStop ? 0xFF : 0);
}

const QString kStartStop = QStringLiteral("Please check Work Time Start and Stop point.");
const QString kWeek = QStringLiteral("Please check Work Time Week CheckBox.");

} // namespace

class TestCameraModel : public QObject
{
    Q_OBJECT

private slots:
    void enablingRules_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("burst");
        QTest::addColumn<int>("trigger");
        QTest::addColumn<QString>("enabled"); // P photo, V video, B burst, S PIR, L time lapse

        QTest::newRow("photo, one photo, PIR") << 0 << 0 << 0 << "PS";
        QTest::newRow("photo, two photos, lapse") << 0 << 1 << 1 << "PBL";
        QTest::newRow("photo, ten photos, both") << 0 << 9 << 2 << "PBSL";
        QTest::newRow("video, two photos") << 1 << 1 << 0 << "VS";
        QTest::newRow("no mode, no trigger") << -1 << 1 << -1 << "SL";
        QTest::newRow("photo, no burst") << 0 << -1 << 0 << "PS";
    }

    void enablingRules()
    {
        QFETCH(int, mode);
        QFETCH(int, burst);
        QFETCH(int, trigger);
        QFETCH(QString, enabled);

        Opened o;
        o.choose("photo_burst", burst);
        o.choose("camera_mode", mode);
        o.choose("trigger_mode", trigger);
        const QMap<QString, char> groups = {
            {"camera_scene", 'P'},    {"photo_size", 'P'},   {"flash_power", 'P'}, {"photo_burst", 'P'},
            {"shutter_speed", 'P'},   {"video_size", 'V'},   {"video_length", 'V'}, {"send_option", 'B'},
            {"burst_speed", 'B'},     {"pir_sensitivity", 'S'}, {"pir_interval", 'S'}, {"time_lapse", 'L'},
        };
        for (const SettingGroup &group : CameraGroups()) {
            for (const SettingRow &row : group.rows) {
                const bool expected = !groups.contains(row.key()) || enabled.contains(QLatin1Char(groups[row.key()]));
                QVERIFY2(o.form.state(row.key()).enabled == expected, qPrintable(row.key()));
            }
        }
    }

    void selections_data()
    {
        QTest::addColumn<int>("burstBefore");
        QTest::addColumn<int>("sendBefore");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption"); // of the note, empty for none
        QTest::addColumn<int>("burst");
        QTest::addColumn<int>("send");

        const QString burst = "photo_burst", send = "send_option", video = "video_length";
        const QString sendNote = QStringLiteral("Send Option Setting");
        const QString videoNote = QStringLiteral("Video Length Setting");
        QTest::newRow("3 photos under 5th photo") << 9 << 4 << burst << 2 << sendNote << 2 << 2;
        QTest::newRow("1 photo keeps 5th photo") << 9 << 4 << burst << 0 << QString() << 0 << 4;
        QTest::newRow("5 photos at 5th photo") << 9 << 4 << burst << 4 << QString() << 4 << 4;
        QTest::newRow("2nd photo of 2 photos") << 1 << 0 << send << 1 << QString() << 1 << 1;
        QTest::newRow("3rd photo of 2 photos") << 1 << 0 << send << 2 << sendNote << 1 << 1;
        QTest::newRow("10th photo of 3 photos") << 2 << 0 << send << 9 << sendNote << 2 << 2;
        QTest::newRow("video 20 Sec") << 2 << 0 << video << 3 << QString() << 2 << 0;
        QTest::newRow("video 25 Sec") << 2 << 0 << video << 4 << videoNote << 2 << 0;
        QTest::newRow("video 60 Sec") << 2 << 0 << video << 11 << videoNote << 2 << 0;
    }

    void selections()
    {
        QFETCH(int, burstBefore);
        QFETCH(int, sendBefore);
        QFETCH(QString, changed);
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(int, burst);
        QFETCH(int, send);

        Opened o([&](ProfileRecord &r) {
            r.photo_burst = std::uint8_t(burstBefore);
            r.send_option = std::uint8_t(sendBefore);
        });
        const std::optional<SettingFault> note = o.choose(changed, index);
        QCOMPARE(note.value_or(SettingFault{}).message.caption, caption);
        if (note) {
            QVERIFY2(note->key.isEmpty(), "a note blames no setting");
            QCOMPARE(note->message.icon, Message::Icon::Warning);
            QCOMPARE(note->message.text,
                     changed == "video_length"
                         ? QStringLiteral("For saving flash power at night,it's suggested to set video length within 20s.")
                         : QStringLiteral("Please Setting This Send Option <= Photo Burst."));
        }
        QCOMPARE(o.form.value("photo_burst").toInt(), burst);
        QCOMPARE(o.form.value("send_option").toInt(), send);
        QCOMPARE(o.form.value(changed).toInt(), changed == "send_option" ? send : index);
    }

    // The settings stored before the windows' checks stay stored when one fails; the rest are left.
    void failingCheckStoresOnlyWhatLiesBefore()
    {
        const QStringList after = {"overwrite", "language", "rf_switch", "beep"};
        Opened o;
        const ProfileRecord before = o.record;
        for (const SettingGroup &group : CameraGroups())
            for (const SettingRow &row : group.rows)
                o.choose(row.key(), (row.defaultValue + 1) % row.itemCount());
        o.choose("work_time_1.week_mask", 0x7F); // would store another mask
        makeFail(o.form, 4, true);

        QVERIFY(o.form.store());
        QCOMPARE(o.record.work_time_1, before.work_time_1);
        QCOMPARE(o.record.work_time_4, before.work_time_4);
        for (const SettingGroup &group : CameraGroups()) {
            for (const SettingRow &row : group.rows) {
                const int stored = row.place().read(&o.record);
                QVERIFY2((stored == row.place().read(&before)) == after.contains(row.key()), qPrintable(row.key()));
            }
        }
    }

    void windowsAreCheckedInOrder_data()
    {
        QTest::addColumn<int>("failing"); // a bit per failing window
        QTest::addColumn<bool>("startStopFirst"); // how the first failing window fails
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");

        QTest::newRow("1 times, 2 week") << 0b0011 << true << kStartStop << "work_time_1.start_hour";
        QTest::newRow("1 week, 2 times") << 0b0011 << false << kWeek << "work_time_1.week_mask";
        QTest::newRow("2 times, 3 week") << 0b0110 << true << kStartStop << "work_time_2.start_hour";
        QTest::newRow("only 4 week") << 0b1000 << false << kWeek << "work_time_4.week_mask";
    }

    void windowsAreCheckedInOrder()
    {
        QFETCH(int, failing);
        QFETCH(bool, startStopFirst);
        QFETCH(QString, text);
        QFETCH(QString, key);

        Opened o;
        bool first = true;
        for (int window = 0; window < 4; ++window) {
            if (failing & (1 << window)) {
                makeFail(o.form, window + 1, first == startStopFirst);
                first = false;
            }
        }
        const std::optional<SettingFault> fault = o.form.store();
        QCOMPARE(fault.value_or(SettingFault{}).message.text, text);
        QCOMPARE(fault->key, key);
    }

    // Opening, then OK without changes: the same bytes, bar out-of-range ones.
    void unchangedOkWritesTheSameBytes_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("stored");

        QTest::newRow("video mode keeps photo size") << 22 << 4 << 4;
        QTest::newRow("photo size beyond list") << 22 << 20 << 255;
        QTest::newRow("hidden scene beyond list") << 21 << 2 << 255;
        QTest::newRow("hidden rf switch") << 56 << 2 << 2;
        QTest::newRow("send option beyond list") << 71 << 10 << 255;
        QTest::newRow("time lapse beyond list") << 30 << 25 << 255;
        QTest::newRow("beep beyond list") << 58 << 2 << 255;
    }

    void unchangedOkWritesTheSameBytes()
    {
        QFETCH(int, offset);
        QFETCH(int, byte);
        QFETCH(int, stored);

        ProfileRecord expected;
        Opened o([&](ProfileRecord &r) {
            r.camera_mode = 1;
            for (WorkTimeWindow *w : {&r.work_time_1, &r.work_time_2, &r.work_time_3, &r.work_time_4})
                w->week_mask = 0x7F;
            RecordBytes(r)[offset] = std::uint8_t(byte);
            expected = r;
            RecordBytes(expected)[offset] = std::uint8_t(stored);
        });

        QVERIFY(!o.form.store());
        QCOMPARE(hexText(cameraBlock(o.record)), hexText(cameraBlock(expected)));
    }

    void defaultsStoreTheCameraDefaults()
    {
        Opened o([](ProfileRecord &r) { fillBytes(r, 0x01); });
        ProfileRecord expected = o.record;
        o.form.reset();
        QVERIFY(!o.form.store());

        SetProfileDefaults(expected, 1);
        expected.gps = 0x01; // not the dialog's
        expected.shutter_speed = expected.burst_speed = expected.send_option = 0;
        for (WorkTimeWindow *w : {&expected.work_time_1, &expected.work_time_2, &expected.work_time_3,
                                  &expected.work_time_4})
            w->week_mask = 127;
        QCOMPARE(hexText(cameraBlock(o.record)), hexText(cameraBlock(expected)));
    }
};

QTEST_GUILESS_MAIN(TestCameraModel)
#include "tst_camera_model.moc"
