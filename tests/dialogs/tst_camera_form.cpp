#include "forms/profile_defaults.h"
#include "forms/camera_form.h"
#include "support/hex_bytes.h"

#include <QTest>

Q_DECLARE_METATYPE(CameraSetting)

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

CameraForm loadedForm(const ProfileRecord &record)
{
    CameraForm form;
    form.load(record);
    return form;
}

// Switched on from 08:00 to 08:00 with every day, or to 09:00 without a day.
void makeFail(WorkTimeForm &window, bool startStop)
{
    window.values = {1, 8, 0, startStop ? 8 : 9, 0, 0, {}};
    window.values.days.fill(startStop ? 1 : 0);
}

const QString kStartStop = QStringLiteral("Please check Work Time Start and Stop point.");
const QString kWeek = QStringLiteral("Please check Work Time Week CheckBox.");

} // namespace

class TestCameraForm : public QObject
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

        CameraForm form = loadedForm(defaultRecord());
        form.setValue(CameraSetting::PhotoBurst, burst);
        form.settingChanged(CameraSetting::CameraMode, mode);
        form.settingChanged(CameraSetting::TriggerMode, trigger);
        const QMap<CameraSetting, char> groups = {
            {CameraSetting::CameraScene, 'P'},   {CameraSetting::PhotoSize, 'P'},    {CameraSetting::FlashPower, 'P'},
            {CameraSetting::PhotoBurst, 'P'},    {CameraSetting::ShutterSpeed, 'P'}, {CameraSetting::VideoSize, 'V'},
            {CameraSetting::VideoLength, 'V'},   {CameraSetting::SendOption, 'B'},   {CameraSetting::BurstSpeed, 'B'},
            {CameraSetting::PirSensitivity, 'S'}, {CameraSetting::PirInterval, 'S'}, {CameraSetting::TimeLapse, 'L'},
        };
        for (CameraSetting setting : kCameraSettings) {
            const bool expected = !groups.contains(setting) || enabled.contains(QLatin1Char(groups[setting]));
            QVERIFY2(form.state().isEnabled(setting) == expected, qPrintable(CameraRow(setting).label()));
        }
    }

    void selections_data()
    {
        QTest::addColumn<int>("burstBefore");
        QTest::addColumn<int>("sendBefore");
        QTest::addColumn<CameraSetting>("changed");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption"); // of the note, empty for none
        QTest::addColumn<int>("burst");
        QTest::addColumn<int>("send");

        const CameraSetting burst = CameraSetting::PhotoBurst, send = CameraSetting::SendOption,
                            video = CameraSetting::VideoLength;
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
        QFETCH(CameraSetting, changed);
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(int, burst);
        QFETCH(int, send);

        CameraForm form = loadedForm(defaultRecord());
        form.setValue(CameraSetting::PhotoBurst, burstBefore);
        form.setValue(CameraSetting::SendOption, sendBefore);
        const std::optional<Message> note = form.settingChanged(changed, index);
        QCOMPARE(note.value_or(Message{}).caption, caption);
        if (note) {
            QCOMPARE(note->icon, Message::Icon::Warning);
            QCOMPARE(note->text, changed == CameraSetting::VideoLength
                         ? QStringLiteral("For saving flash power at night,it's suggested to set video length within 20s.")
                         : QStringLiteral("Please Setting This Send Option <= Photo Burst."));
        }
        QCOMPARE(form.value(CameraSetting::PhotoBurst), burst);
        QCOMPARE(form.value(CameraSetting::SendOption), send);
        if (changed == CameraSetting::VideoLength)
            QCOMPARE(form.value(changed), index);
    }

    void failingWindowKeepsFirstBlockStored()
    {
        ProfileRecord record = defaultRecord();
        record.language = 3;
        record.beep = 1;
        const ProfileRecord before = record;
        CameraForm form = loadedForm(record);
        form.setValue(CameraSetting::CameraMode, 1);
        form.setValue(CameraSetting::PirInterval, 26);
        form.setValue(CameraSetting::SendOption, 7);
        form.setValue(CameraSetting::Language, 0);
        form.setValue(CameraSetting::Beep, 0);
        form.windows[0].values.all = 0; // would store a different week mask
        makeFail(form.windows[3], true);

        QVERIFY(form.store(record));
        QCOMPARE(record.camera_mode, 1);
        QCOMPARE(record.pir_interval, 26);
        QCOMPARE(record.send_option, 7);
        QCOMPARE(record.work_time_1, before.work_time_1);
        QCOMPARE(record.work_time_4, before.work_time_4);
        QCOMPARE(record.language, 3);
        QCOMPARE(record.beep, 1);
    }

    void windowsAreCheckedInOrder_data()
    {
        QTest::addColumn<int>("failing"); // a bit per failing window
        QTest::addColumn<bool>("startStopFirst"); // how the first failing window fails
        QTest::addColumn<QString>("text");

        QTest::newRow("1 times, 2 week") << 0b0011 << true << kStartStop;
        QTest::newRow("1 week, 2 times") << 0b0011 << false << kWeek;
        QTest::newRow("only 4 week") << 0b1000 << false << kWeek;
    }

    void windowsAreCheckedInOrder()
    {
        QFETCH(int, failing);
        QFETCH(bool, startStopFirst);
        QFETCH(QString, text);

        ProfileRecord record = defaultRecord();
        CameraForm form = loadedForm(record);
        bool first = true;
        for (int window = 0; window < CameraForm::kWindowCount; ++window) {
            if (failing & (1 << window)) {
                makeFail(form.windows[window], first == startStopFirst);
                first = false;
            }
        }
        QCOMPARE(form.store(record).value_or(Message{}).text, text);
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
    }

    void unchangedOkWritesTheSameBytes()
    {
        QFETCH(int, offset);
        QFETCH(int, byte);
        QFETCH(int, stored);

        ProfileRecord record = defaultRecord();
        record.camera_mode = 1;
        for (WorkTimeWindow *w : {&record.work_time_1, &record.work_time_2, &record.work_time_3, &record.work_time_4})
            w->week_mask = 0x7F;
        RecordBytes(record)[offset] = std::uint8_t(byte);
        ProfileRecord expected = record;
        RecordBytes(expected)[offset] = std::uint8_t(stored);

        QVERIFY(!loadedForm(record).store(record));
        QCOMPARE(hexText(cameraBlock(record)), hexText(cameraBlock(expected)));
    }

    void defaultsStoreTheCameraDefaults()
    {
        ProfileRecord record = defaultRecord();
        fillBytes(record, 0x01);
        CameraForm form = loadedForm(record);
        form.reset();
        ProfileRecord expected = record;
        QVERIFY(!form.store(record));

        SetProfileDefaults(expected, 1);
        expected.gps = 0x01; // not the dialog's
        expected.shutter_speed = expected.burst_speed = expected.send_option = 0;
        for (WorkTimeWindow *w : {&expected.work_time_1, &expected.work_time_2, &expected.work_time_3,
                                  &expected.work_time_4})
            w->week_mask = 127;
        QCOMPARE(hexText(cameraBlock(record)), hexText(cameraBlock(expected)));
    }
};

QTEST_GUILESS_MAIN(TestCameraForm)
#include "tst_camera_form.moc"
