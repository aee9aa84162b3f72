#include "dialogs/cam_form.h"
#include "support/hex_bytes.h"

#include <QTest>

Q_DECLARE_METATYPE(CameraSetting)

namespace {

using Settings = QList<CameraSetting>;

const Settings kPhotoControls = {CameraSetting::CameraScene, CameraSetting::PhotoSize, CameraSetting::FlashPower,
                                 CameraSetting::PhotoBurst, CameraSetting::ShutterSpeed};
const Settings kVideoControls = {CameraSetting::VideoSize, CameraSetting::VideoLength};
const Settings kBurstControls = {CameraSetting::SendOption, CameraSetting::BurstSpeed};

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

Message sendOptionNote()
{
    return {QStringLiteral("Send Option Setting"), QStringLiteral("Please Setting This Send Option <= Photo Burst."),
            Message::Icon::Warning};
}

Message videoLengthNote()
{
    return {QStringLiteral("Video Length Setting"),
            QStringLiteral("For saving flash power at night,it's suggested to set video length within 20s."),
            Message::Icon::Warning};
}

void makeFail(WorkTimeForm &window, bool startStop)
{
    window.values.switchIndex = 1;
    window.values.startHour = 8;
    window.values.stopHour = startStop ? 8 : 9; // 08:00 to 08:00, or to 09:00 without a day
    window.values.all = 0;
    window.values.days.fill(startStop ? 1 : 0);
}

} // namespace

class TestCamForm : public QObject
{
    Q_OBJECT

private slots:
    void cameraModeRule_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("burst");
        QTest::addColumn<bool>("photo");
        QTest::addColumn<bool>("video");
        QTest::addColumn<bool>("burstControls");

        QTest::newRow("photo, one photo") << 0 << 0 << true << false << false;
        QTest::newRow("photo, two photos") << 0 << 1 << true << false << true;
        QTest::newRow("photo, ten photos") << 0 << 9 << true << false << true;
        QTest::newRow("video, two photos") << 1 << 1 << false << true << false;
        QTest::newRow("no mode, two photos") << -1 << 1 << false << false << false;
        QTest::newRow("photo, no burst") << 0 << -1 << true << false << false;
    }

    void cameraModeRule()
    {
        QFETCH(int, mode);
        QFETCH(int, burst);
        QFETCH(bool, photo);
        QFETCH(bool, video);
        QFETCH(bool, burstControls);

        CamForm form;
        form.load(defaultRecord());
        form.setValue(CameraSetting::PhotoBurst, burst);
        form.select(CameraSetting::CameraMode, mode);
        for (CameraSetting setting : kPhotoControls)
            QCOMPARE(form.isEnabled(setting), photo);
        for (CameraSetting setting : kVideoControls)
            QCOMPARE(form.isEnabled(setting), video);
        for (CameraSetting setting : kBurstControls)
            QCOMPARE(form.isEnabled(setting), burstControls);
        QVERIFY(form.isEnabled(CameraSetting::CameraMode));
    }

    void triggerRule_data()
    {
        QTest::addColumn<int>("trigger");
        QTest::addColumn<bool>("pir");
        QTest::addColumn<bool>("lapse");

        QTest::newRow("PIR Trigger") << 0 << true << false;
        QTest::newRow("Time Lapse") << 1 << false << true;
        QTest::newRow("Both") << 2 << true << true;
        QTest::newRow("no selection") << -1 << true << true;
    }

    void triggerRule()
    {
        QFETCH(int, trigger);
        QFETCH(bool, pir);
        QFETCH(bool, lapse);

        CamForm form;
        form.load(defaultRecord());
        form.select(CameraSetting::TriggerMode, trigger);
        QCOMPARE(form.isEnabled(CameraSetting::PirSensitivity), pir);
        QCOMPARE(form.isEnabled(CameraSetting::PirInterval), pir);
        QCOMPARE(form.isEnabled(CameraSetting::TimeLapse), lapse);
        QVERIFY(form.isEnabled(CameraSetting::TriggerMode));
    }

    void burstAndSendOption_data()
    {
        QTest::addColumn<int>("burstBefore");
        QTest::addColumn<int>("sendBefore");
        QTest::addColumn<CameraSetting>("changed");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("note");
        QTest::addColumn<int>("burst");
        QTest::addColumn<int>("send");

        const CameraSetting burst = CameraSetting::PhotoBurst;
        const CameraSetting send = CameraSetting::SendOption;
        QTest::newRow("3 photos under 5th photo") << 9 << 4 << burst << 2 << true << 2 << 2;
        QTest::newRow("1 photo keeps 5th photo") << 9 << 4 << burst << 0 << false << 0 << 4;
        QTest::newRow("5 photos at 5th photo") << 9 << 4 << burst << 4 << false << 4 << 4;
        QTest::newRow("2 photos over 1st photo") << 0 << 0 << burst << 1 << false << 1 << 0;
        QTest::newRow("2nd photo of 2 photos") << 1 << 0 << send << 1 << false << 1 << 1;
        QTest::newRow("3rd photo of 2 photos") << 1 << 0 << send << 2 << true << 1 << 1;
        QTest::newRow("10th photo of 3 photos") << 2 << 0 << send << 9 << true << 2 << 2;
        QTest::newRow("1st photo of 3 photos") << 2 << 2 << send << 0 << false << 2 << 0;
    }

    void burstAndSendOption()
    {
        QFETCH(int, burstBefore);
        QFETCH(int, sendBefore);
        QFETCH(CameraSetting, changed);
        QFETCH(int, index);
        QFETCH(bool, note);
        QFETCH(int, burst);
        QFETCH(int, send);

        CamForm form;
        form.load(defaultRecord());
        form.setValue(CameraSetting::PhotoBurst, burstBefore);
        form.setValue(CameraSetting::SendOption, sendBefore);

        const std::optional<Message> shown = form.select(changed, index);
        QCOMPARE(shown.has_value(), note);
        if (note)
            QCOMPARE(*shown, sendOptionNote());
        QCOMPARE(form.value(CameraSetting::PhotoBurst), burst);
        QCOMPARE(form.value(CameraSetting::SendOption), send);
    }

    void oneBurstKeepsSendOptionStored()
    {
        ProfileRecord record = defaultRecord();
        CamForm form;
        form.load(record);
        form.setValue(CameraSetting::PhotoBurst, 9);
        form.select(CameraSetting::SendOption, 4);
        form.select(CameraSetting::PhotoBurst, 0);
        QVERIFY(!form.isEnabled(CameraSetting::SendOption));
        QVERIFY(!form.ok(record));
        QCOMPARE(record.photo_burst, 0);
        QCOMPARE(record.send_option, 4);
    }

    void videoLength_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("note");

        QTest::newRow("05 Sec") << 0 << false;
        QTest::newRow("20 Sec") << 3 << false;
        QTest::newRow("25 Sec") << 4 << true;
        QTest::newRow("60 Sec") << 11 << true;
    }

    void videoLength()
    {
        QFETCH(int, index);
        QFETCH(bool, note);

        CamForm form;
        form.load(defaultRecord());
        const std::optional<Message> shown = form.select(CameraSetting::VideoLength, index);
        QCOMPARE(shown.has_value(), note);
        if (note)
            QCOMPARE(*shown, videoLengthNote());
        QCOMPARE(form.value(CameraSetting::VideoLength), index);
    }

    void failingWindowKeepsFirstBlockStored()
    {
        ProfileRecord record = defaultRecord();
        record.work_time_3 = {1, 7, 0, 19, 0, 0xFF};
        record.language = 3;
        record.overwrite = 0;
        record.rf_switch = 2;
        record.beep = 1;
        const ProfileRecord before = record;

        CamForm form;
        form.load(record);
        form.setValue(CameraSetting::CameraMode, 1);
        form.setValue(CameraSetting::PhotoSize, 5);
        form.setValue(CameraSetting::PhotoBurst, 3);
        form.setValue(CameraSetting::TriggerMode, 2);
        form.setValue(CameraSetting::PirInterval, 26);
        form.setValue(CameraSetting::Language, 0);
        form.setValue(CameraSetting::Overwrite, 1);
        form.setValue(CameraSetting::RfSwitch, 0);
        form.setValue(CameraSetting::Beep, 0);
        form.windows[0].values.switchIndex = 0; // would store a different week mask
        makeFail(form.windows[3], true);

        QVERIFY(form.ok(record));
        QCOMPARE(record.camera_mode, 1);
        QCOMPARE(record.photo_size, 5);
        QCOMPARE(record.photo_burst, 3);
        QCOMPARE(record.trigger_mode, 2);
        QCOMPARE(record.pir_interval, 26);
        QCOMPARE(record.work_time_1, before.work_time_1);
        QCOMPARE(record.work_time_3, before.work_time_3);
        QCOMPARE(record.work_time_4, before.work_time_4);
        QCOMPARE(record.language, 3);
        QCOMPARE(record.overwrite, 0);
        QCOMPARE(record.rf_switch, 2);
        QCOMPARE(record.beep, 1);
    }

    void windowsAreCheckedInOrder_data()
    {
        QTest::addColumn<int>("failing"); // bit per window: set for a failing window
        QTest::addColumn<bool>("startStopFirst"); // how the first failing window fails
        QTest::addColumn<QString>("text");

        const QString startStop = QStringLiteral("Please check Work Time Start and Stop point.");
        const QString week = QStringLiteral("Please check Work Time Week CheckBox.");
        QTest::newRow("1 times, 2 week") << 0b0011 << true << startStop;
        QTest::newRow("1 week, 2 times") << 0b0011 << false << week;
        QTest::newRow("only 4 week") << 0b1000 << false << week;
        QTest::newRow("2 times, 3 week") << 0b0110 << true << startStop;
    }

    void windowsAreCheckedInOrder()
    {
        QFETCH(int, failing);
        QFETCH(bool, startStopFirst);
        QFETCH(QString, text);

        ProfileRecord record = defaultRecord();
        CamForm form;
        form.load(record);
        bool first = true;
        for (int window = 0; window < CamForm::kWindowCount; ++window) {
            if (failing & (1 << window)) {
                makeFail(form.windows[window], first ? startStopFirst : !startStopFirst);
                first = false;
            }
        }
        const std::optional<Message> failure = form.ok(record);
        QVERIFY(failure);
        QCOMPARE(*failure, (Message{QStringLiteral("Work Time Setting"), text, Message::Icon::None}));
    }

    void windowsAndLastBlockStoredAfterChecks()
    {
        ProfileRecord record = defaultRecord();
        CamForm form;
        form.load(record);
        WorkTimeValues &second = form.windows[1].values;
        second = {1, 22, 0, 6, 0, 0, {0, 1, 0, 0, 0, 0, 0}};
        form.setValue(CameraSetting::Language, 9);
        form.setValue(CameraSetting::Beep, 1);

        QVERIFY(!form.ok(record));
        QCOMPARE(hexText(QByteArray(reinterpret_cast<const char *>(&record.work_time_1), 24)),
                 hexText(hexBytes("00 00 00 00 00 7F 01 16 00 06 00 82 00 00 00 00 00 7F 00 00 00 00 00 7F")));
        QCOMPARE(record.language, 9);
        QCOMPARE(record.beep, 1);
    }

    void unchangedOkWritesTheSameBytes_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("stored");

        QTest::newRow("video mode keeps photo size") << 22 << 4 << 4;
        QTest::newRow("photo size beyond list") << 22 << 20 << 255;
        QTest::newRow("hidden scene beyond list") << 21 << 2 << 255;
        QTest::newRow("hidden rf switch") << 56 << 2 << 2;
        QTest::newRow("beep beyond list") << 58 << 2 << 255;
        QTest::newRow("send option beyond list") << 71 << 10 << 255;
        QTest::newRow("time lapse last") << 30 << 24 << 24;
        QTest::newRow("time lapse beyond list") << 30 << 25 << 255;
        QTest::newRow("empty stays empty") << 27 << 255 << 255;
    }

    void unchangedOkWritesTheSameBytes()
    {
        QFETCH(int, offset);
        QFETCH(int, byte);
        QFETCH(int, stored);

        ProfileRecord record = defaultRecord();
        record.camera_mode = 1;
        for (WorkTimeWindow *window : {&record.work_time_1, &record.work_time_2, &record.work_time_3,
                                       &record.work_time_4})
            window->week_mask = 0x7F;
        RecordBytes(record)[offset] = std::uint8_t(byte);
        ProfileRecord expected = record;
        RecordBytes(expected)[offset] = std::uint8_t(stored);

        CamForm form;
        form.load(record);
        QVERIFY(!form.ok(record));
        QCOMPARE(hexText(cameraBlock(record)), hexText(cameraBlock(expected)));
    }

    void defaultsStoreTheCameraDefaults()
    {
        ProfileRecord record = defaultRecord();
        fillBytes(record, 0x01);
        CamForm form;
        form.load(record);
        form.reset();
        const ProfileRecord untouched = record;
        QVERIFY(!form.ok(record) && record != untouched);

        ProfileRecord expected = record;
        SetProfileDefaults(expected, 1);
        expected.gps = untouched.gps; // not the dialog's
        expected.shutter_speed = expected.burst_speed = expected.send_option = 0;
        for (WorkTimeWindow *window : {&expected.work_time_1, &expected.work_time_2, &expected.work_time_3,
                                       &expected.work_time_4})
            window->week_mask = 127;
        QCOMPARE(hexText(cameraBlock(record)), hexText(cameraBlock(expected)));
    }
};

QTEST_GUILESS_MAIN(TestCamForm)
#include "tst_cam_form.moc"
