#include "forms/camera_schema.h"

#include <QTest>

Q_DECLARE_METATYPE(CameraSetting)

class TestCameraItems : public QObject
{
    Q_OBJECT

private slots:
    void generatedItems_data()
    {
        QTest::addColumn<CameraSetting>("setting");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");

        const auto video = CameraSetting::VideoLength, pir = CameraSetting::PirInterval,
                   lapse = CameraSetting::TimeLapse;
        const std::tuple<CameraSetting, int, const char *> rows[] = {
            {video, 0, "05 Sec"}, {video, 3, "20 Sec"},   {video, 11, "60 Sec"},  {pir, 0, "05 Sec"},
            {pir, 10, "55 Sec"},  {pir, 11, "01 Min"},    {pir, 15, "05 Min"},    {pir, 16, "10 Min"},
            {pir, 26, "60 Min"},  {lapse, 0, "03 Min"},   {lapse, 3, "10 Min"},   {lapse, 12, "55 Min"},
            {lapse, 13, "01 Hour"}, {lapse, 20, "08 Hour"}, {lapse, 21, "12 Hour"}, {lapse, 24, "24 Hour"},
        };
        for (const auto &[setting, index, text] : rows) {
            QTest::addRow("%s %d", qPrintable(CameraRow(setting).label()), index)
                << setting << index << QString::fromLatin1(text);
        }
    }

    void generatedItems()
    {
        QFETCH(CameraSetting, setting);
        QFETCH(int, index);
        QFETCH(QString, text);

        const QStringList &items = CameraRow(setting).itemTexts();
        const QMap<CameraSetting, int> counts = {
            {CameraSetting::VideoLength, 12}, {CameraSetting::PirInterval, 27}, {CameraSetting::TimeLapse, 25}};
        QCOMPARE(items.size(), counts.value(setting));
        QCOMPARE(items.at(index), text);
        QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), items.size());
    }
};

QTEST_GUILESS_MAIN(TestCameraItems)
#include "tst_camera_items.moc"
