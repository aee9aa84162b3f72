#include "dialogs/camera_items.h"

#include <QTest>

Q_DECLARE_METATYPE(CameraSetting)

namespace {

// The record offset that a setting's field names.
int offsetOf(CameraSetting setting)
{
    ProfileRecord record{};
    record.*CameraSettingField(setting) = 0xA5;
    const auto bytes = RecordBytes(record);
    return static_cast<int>(std::find(bytes.begin(), bytes.end(), 0xA5) - bytes.begin());
}

} // namespace

class TestCameraItems : public QObject
{
    Q_OBJECT

private slots:
    void generatedItems_data()
    {
        QTest::addColumn<CameraSetting>("setting");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");

        const auto row = [](const char *name, CameraSetting setting, int count, int index, const char *text) {
            QTest::newRow(name) << setting << count << index << QString::fromLatin1(text);
        };
        row("video first", CameraSetting::VideoLength, 12, 0, "05 Sec");
        row("video 20 s", CameraSetting::VideoLength, 12, 3, "20 Sec");
        row("video last", CameraSetting::VideoLength, 12, 11, "60 Sec");
        row("pir first", CameraSetting::PirInterval, 27, 0, "05 Sec");
        row("pir last seconds", CameraSetting::PirInterval, 27, 10, "55 Sec");
        row("pir first minute", CameraSetting::PirInterval, 27, 11, "01 Min");
        row("pir 5 min", CameraSetting::PirInterval, 27, 15, "05 Min");
        row("pir 10 min", CameraSetting::PirInterval, 27, 16, "10 Min");
        row("pir 55 min", CameraSetting::PirInterval, 27, 25, "55 Min");
        row("pir last", CameraSetting::PirInterval, 27, 26, "60 Min");
        row("lapse first", CameraSetting::TimeLapse, 25, 0, "03 Min");
        row("lapse 5 min", CameraSetting::TimeLapse, 25, 2, "05 Min");
        row("lapse 10 min", CameraSetting::TimeLapse, 25, 3, "10 Min");
        row("lapse 55 min", CameraSetting::TimeLapse, 25, 12, "55 Min");
        row("lapse first hour", CameraSetting::TimeLapse, 25, 13, "01 Hour");
        row("lapse 8 hours", CameraSetting::TimeLapse, 25, 20, "08 Hour");
        row("lapse 12 hours", CameraSetting::TimeLapse, 25, 21, "12 Hour");
        row("lapse last", CameraSetting::TimeLapse, 25, 24, "24 Hour");
    }

    void generatedItems()
    {
        QFETCH(CameraSetting, setting);
        QFETCH(int, count);
        QFETCH(int, index);
        QFETCH(QString, text);

        const QStringList &items = CameraSettingItems(setting);
        QCOMPARE(items.size(), count);
        QCOMPARE(items.at(index), text);
        QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), items.size());
    }

    // Each setting edits its own record byte and defaults to the item the camera expects.
    void settings_data()
    {
        QTest::addColumn<CameraSetting>("setting");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("defaultText");

        const auto row = [](CameraSetting setting, const char *label, int count, int offset, const char *text) {
            QTest::newRow(label) << setting << QString::fromLatin1(label) << count << offset
                                 << QString::fromLatin1(text);
        };
        row(CameraSetting::CameraMode, "Camera Mode", 2, 20, "Photo");
        row(CameraSetting::CameraScene, "Camera Scene", 2, 21, "Auto");
        row(CameraSetting::PhotoSize, "Photo Size", 6, 22, "8MP");
        row(CameraSetting::PhotoBurst, "Photo Burst", 10, 23, "1 Photo");
        row(CameraSetting::FlashPower, "Flash Power", 2, 24, "High");
        row(CameraSetting::VideoSize, "Video Size", 3, 25, "720P");
        row(CameraSetting::VideoLength, "Video Length", 12, 26, "10 Sec");
        row(CameraSetting::TriggerMode, "Trigger Mode", 3, 27, "PIR Trigger");
        row(CameraSetting::PirSensitivity, "PIR Sensitivity", 3, 28, "Auto");
        row(CameraSetting::PirInterval, "PIR Interval", 27, 29, "30 Sec");
        row(CameraSetting::TimeLapse, "Time Lapse", 25, 30, "30 Min");
        row(CameraSetting::Language, "Language", 10, 55, "English");
        row(CameraSetting::RfSwitch, "RF Switch", 3, 56, "Off");
        row(CameraSetting::Overwrite, "Overwrite", 2, 57, "On");
        row(CameraSetting::Beep, "Beep", 2, 58, "Off");
        row(CameraSetting::ShutterSpeed, "Shutter Speed", 2, 69, "Normal");
        row(CameraSetting::BurstSpeed, "Burst Speed", 2, 70, "Fast(200ms)");
        row(CameraSetting::SendOption, "Send Option", 10, 71, "1st Photo");
    }

    void settings()
    {
        QFETCH(CameraSetting, setting);
        QFETCH(QString, label);
        QFETCH(int, count);
        QFETCH(int, offset);
        QFETCH(QString, defaultText);

        QCOMPARE(CameraSettingLabel(setting), label);
        QCOMPARE(CameraSettingItems(setting).size(), count);
        QCOMPARE(offsetOf(setting), offset);
        QCOMPARE(CameraSettingItems(setting).value(CameraSettingDefault(setting)), defaultText);
    }

    void everySettingIsListed()
    {
        QSet<int> offsets;
        for (CameraSetting setting : kCameraSettings)
            offsets.insert(offsetOf(setting));
        QCOMPARE(offsets.size(), kCameraSettingCount);
    }
};

QTEST_GUILESS_MAIN(TestCameraItems)
#include "tst_camera_items.moc"
