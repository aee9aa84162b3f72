#include "settings/camera_schema.h"

#include <QTest>

namespace {

const SettingRow &cameraRow(const QString &key)
{
    for (const SettingGroup &group : CameraGroups())
        for (const SettingRow &row : group.rows)
            if (row.key() == key)
                return row;
    qFatal("no camera setting %s", qPrintable(key));
}

} // namespace

class TestCameraItems : public QObject
{
    Q_OBJECT

private slots:
    void generatedItems_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");

        const char *video = "video_length", *pir = "pir_interval", *lapse = "time_lapse";
        const std::tuple<const char *, int, const char *> rows[] = {
            {video, 0, "05 Sec"}, {video, 3, "20 Sec"},   {video, 11, "60 Sec"},  {pir, 0, "05 Sec"},
            {pir, 10, "55 Sec"},  {pir, 11, "01 Min"},    {pir, 15, "05 Min"},    {pir, 16, "10 Min"},
            {pir, 26, "60 Min"},  {lapse, 0, "03 Min"},   {lapse, 3, "10 Min"},   {lapse, 12, "55 Min"},
            {lapse, 13, "01 Hour"}, {lapse, 20, "08 Hour"}, {lapse, 21, "12 Hour"}, {lapse, 24, "24 Hour"},
        };
        for (const auto &[key, index, text] : rows)
            QTest::addRow("%s %d", key, index) << QString::fromLatin1(key) << index << QString::fromLatin1(text);
    }

    void generatedItems()
    {
        QFETCH(QString, key);
        QFETCH(int, index);
        QFETCH(QString, text);

        const QStringList items = cameraRow(key).itemTexts();
        const QMap<QString, int> counts = {{"video_length", 12}, {"pir_interval", 27}, {"time_lapse", 25}};
        QCOMPARE(items.size(), counts.value(key));
        QCOMPARE(items.at(index), text);
        QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), items.size());
    }
};

QTEST_GUILESS_MAIN(TestCameraItems)
#include "tst_camera_items.moc"
