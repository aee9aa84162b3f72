#include "settings/removable_media.h"

#include <QDir>
#include <QTest>

class TestRemovableMedia : public QObject
{
    Q_OBJECT

private slots:
    // Windows: a card reader's letter with a card in it; one without a card, and the fixed disks, are not offered.
    void aCardReaderIsWhereThePickerStarts()
    {
#ifndef Q_OS_WIN
        QSKIP("Windows' drive letters");
#else
        if (qEnvironmentVariable("TALMERIS_WINE_CARD_READERS") != "e:card f:empty")
            QSKIP("needs card readers E: (with a card) and F: (without), as Wine gives the test");
        const QStringList media = RemovableMediaFolders();
        QCOMPARE(media, QStringList{"E:/"});
        QCOMPARE(RemovableDrives(media), media);
        QCOMPARE(PickerStartFolder(QString(), media), "E:/");
        QCOMPARE(PickerStartFolder(QDir::tempPath(), media), QDir::tempPath());
#endif
    }

    void drivesInsideTheMediaFolders_data()
    {
        QTest::addColumn<QStringList>("mounted");
        QTest::addColumn<QStringList>("drives");
        const QStringList system{"/", "/boot", "/home"};
        QTest::newRow("none") << system << QStringList{};
        QTest::newRow("one card and one stick")
            << (system + QStringList{"/run/media/ann/CARD", "/media/ann/SD 2"})
            << QStringList{"/run/media/ann/CARD", "/media/ann/SD 2"};
        // Another user's folder merely starts with the same letters; the media folder itself is no drive.
        QTest::newRow("near misses") << QStringList{"/run/media/annex/X", "/run/media/ann", "/media/ann/"}
                                     << QStringList{};
    }

    void drivesInsideTheMediaFolders()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows has no media folders: each removable drive is one");
#else
        QFETCH(QStringList, mounted);
        QFETCH(QStringList, drives);
        QCOMPARE(RemovableDrives({"/run/media/ann", "/media/ann/"}, mounted), drives);
#endif
    }
};

QTEST_GUILESS_MAIN(TestRemovableMedia)
#include "tst_removable_media.moc"
