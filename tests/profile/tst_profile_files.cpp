#include "settings/profile_defaults.h"
#include "profile/profile_files.h"
#include "profile/settings_copies.h"
#include "profile/record_text.h"
#include "support/hex_bytes.h"
#include "support/temp_env.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

ProfileRecord savedRecord()
{
    ProfileRecord record = InitialProfileRecord();
    SetProfileDefaults(record, 2);
    record.header_value = 2;
    StoreRecordText(record.phone_number_1, QStringLiteral("01701234567"));
    record.reserved_60[3] = 0x5A;
    return record;
}

CustomOperators editedCustom()
{
    CustomOperators custom = CustomOperators::BuiltIn();
    StoreRecordText(custom.country_customers[1].mms_apn, QStringLiteral("apn.two"));
    StoreRecordText(custom.extra_customer.gprs_apn, QStringLiteral("apn.shared"));
    return custom;
}

QByteArray rawBytes(const void *data, qsizetype size)
{
    return QByteArray(static_cast<const char *>(data), size);
}

// A working copy file made here, from a record whose version bytes are given.
QByteArray workingCopyWithVersion(const QByteArray &versionBytes, const CustomOperators &custom)
{
    ProfileRecord record = savedRecord();
    std::memset(record.version_tag, 0, sizeof record.version_tag);
    std::memcpy(record.version_tag, versionBytes.constData(), versionBytes.size());
    return WorkingCopyBytes(EncodeProfileImage(record), custom);
}

ProfileRecord startRecord()
{
    ProfileRecord record = InitialProfileRecord();
    record.sms_start_hour = 7; // not named by the defaults: must survive them
    return record;
}

ProfileRecord defaultsOver(ProfileRecord record)
{
    SetProfileDefaults(record, 0);
    return record;
}

} // namespace

class TestProfileFiles : public QObject
{
    Q_OBJECT

private slots:
    void fileErrorTexts_data()
    {
        QTest::addColumn<int>("cause");
        QTest::addColumn<QString>("text");
        using C = FileError::Cause;
        const auto row = [](const char *name, C cause, const char *text) {
            QTest::newRow(name) << int(cause) << QString::fromLatin1(text);
        };
        row("generic", C::Generic, "An unknown error occurred while accessing /c/P.");
        row("not found", C::FileNotFound, "/c/P was not found.");
        row("bad path", C::BadPath, "/c/P contains an incorrect path.");
        row("too many open", C::TooManyOpenFiles, "Could not open /c/P because there are too many open files.");
        row("access denied", C::AccessDenied, "Access to /c/P was denied.");
        row("invalid file", C::InvalidFile, "An incorrect file handle was associated with /c/P.");
        row("current dir", C::RemoveCurrentDir, "Could not remove /c/P because it is the current directory.");
        row("directory full", C::DirectoryFull, "Could not create /c/P because the directory is full.");
        row("bad seek", C::BadSeek, "Seek failed on /c/P");
        row("hardware", C::HardIO, "Encountered a hardware I/O error while accessing /c/P.");
        row("sharing", C::SharingViolation, "Encountered a sharing violation while accessing /c/P.");
        row("locking", C::LockViolation, "Encountered a locking violation while accessing /c/P.");
        row("disk full", C::DiskFull, "Disk full while accessing /c/P.");
        row("end of file", C::EndOfFile, "Attempted to access /c/P past its end.");
    }

    void fileErrorTexts()
    {
        QFETCH(int, cause);
        QFETCH(QString, text);
        QCOMPARE((FileError{FileError::Cause(cause), QStringLiteral("/c/P")}.message()), text);
    }

    void saveWritesBothFilesFromOneImage()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        const ProfileRecord record = savedRecord();
        const CustomOperators custom = editedCustom();

        QVERIFY(!SaveProfile(card.path(), record, custom));

        const QByteArray profile = readFile(card.path() + "/PROFILE.BIN");
        const QByteArray copy = readFile(temp.workingCopyPath());
        QCOMPARE(profile.size(), 956);
        QCOMPARE(copy.size(), 2032);
        QCOMPARE(copy.mid(20, 956), profile);

        ProfileImage image;
        std::memcpy(image.data(), copy.constData(), image.size());
        QVERIFY(DecodedRecord(image) == record);
        QCOMPARE(copy.mid(976, 264), rawBytes(&custom.country_customers[0], 264));
        QCOMPARE(copy.mid(1240, 264), rawBytes(&custom.country_customers[1], 264));
        QCOMPARE(copy.mid(1504, 264), rawBytes(&custom.country_customers[2], 264));
        QCOMPARE(copy.mid(1768, 264), rawBytes(&custom.extra_customer, 264));
    }

    void zeroRecordGivesAnAllFFProfile()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        QVERIFY(!SaveProfile(card.path(), ProfileRecord{}, CustomOperators::BuiltIn()));
        QCOMPARE(readFile(card.path() + "/PROFILE.BIN"), QByteArray(956, char(0xFF)));
    }

    void aSavedCopyComesBack()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        QVERIFY(!SaveProfile(card.path(), savedRecord(), editedCustom()));

        ProfileRecord record = startRecord();
        CustomOperators custom = CustomOperators::BuiltIn();
        LoadSettings(record, custom, 0);
        QVERIFY(record == savedRecord());
        QVERIFY(custom == editedCustom());
    }

    void versionMark_data()
    {
        QTest::addColumn<QByteArray>("versionBytes");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("mark as written") << hexBytes("56 00 2E 30 32 2E 31 35") << true;
        QTest::newRow("mark with other bytes behind") << hexBytes("56 00 FF FF 41 42 43 44") << true;
        QTest::newRow("the full version text") << QByteArray("V5.02.15") << false;
        QTest::newRow("another letter") << hexBytes("57 00") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void versionMark()
    {
        QFETCH(QByteArray, versionBytes);
        QFETCH(bool, accepted);
        ScopedTempFolder temp;
        QVERIFY(writeFile(temp.workingCopyPath(), workingCopyWithVersion(versionBytes, editedCustom())));

        ProfileRecord record = startRecord();
        CustomOperators custom = CustomOperators::BuiltIn();
        LoadSettings(record, custom, 0);

        if (accepted) {
            QCOMPARE(QByteArray(record.version_tag, versionBytes.size()), versionBytes);
            QCOMPARE(LoadRecordText(record.phone_number_1), QStringLiteral("01701234567"));
            QVERIFY(custom == editedCustom());
        } else {
            QVERIFY(record == defaultsOver(startRecord()));
            QVERIFY(custom == CustomOperators::BuiltIn());
        }
    }

    void shortCopies_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("recordRestored");
        QTest::addColumn<int>("customEntriesBack"); // entries that come back whole

        QTest::newRow("no file") << -1 << false << 0;
        QTest::newRow("empty file") << 0 << false << 0;
        QTest::newRow("one byte short of the record") << 975 << false << 0;
        QTest::newRow("record without a tail") << 976 << true << 0;
        QTest::newRow("two entries of the tail") << 976 + 2 * 264 << true << 2;
        QTest::newRow("whole") << 2032 << true << 4;
        QTest::newRow("longer than written") << 4096 << true << 4;
    }

    void shortCopies()
    {
        QFETCH(int, size);
        QFETCH(bool, recordRestored);
        QFETCH(int, customEntriesBack);

        ScopedTempFolder temp;
        const CustomOperators written = editedCustom();
        if (size >= 0) {
            QByteArray bytes = workingCopyWithVersion(hexBytes("56 00"), written);
            bytes.append(QByteArray(qMax(0, size - int(bytes.size())), char(0x33)));
            QVERIFY(writeFile(temp.workingCopyPath(), bytes.left(size)));
        }

        ProfileRecord record = startRecord();
        CustomOperators custom = CustomOperators::BuiltIn();
        LoadSettings(record, custom, 0);

        if (!recordRestored) {
            QVERIFY(record == defaultsOver(startRecord()));
            QVERIFY(custom == CustomOperators::BuiltIn());
            return;
        }
        QCOMPARE(LoadRecordText(record.phone_number_1), QStringLiteral("01701234567"));
        const OperatorEntry *back[] = {&custom.country_customers[0], &custom.country_customers[1],
                                       &custom.country_customers[2], &custom.extra_customer};
        const OperatorEntry *expected[] = {&written.country_customers[0], &written.country_customers[1],
                                           &written.country_customers[2], &written.extra_customer};
        for (int i = 0; i < 4; ++i) {
            if (i < customEntriesBack)
                QVERIFY2(*back[i] == *expected[i], qPrintable(QString("entry %1").arg(i)));
            else
                QVERIFY2(*back[i] == OperatorEntry{}, qPrintable(QString("entry %1 not zero").arg(i)));
        }
    }

    void saveErrors_data()
    {
        QTest::addColumn<QString>("layout"); // what stands where the folder is named
        QTest::addColumn<QString>("message");

        QTest::newRow("folder does not exist") << "missing" << "%1 contains an incorrect path.";
        QTest::newRow("folder is a file") << "file" << "%1 contains an incorrect path.";
        QTest::newRow("PROFILE.BIN is a folder") << "profile-dir" << "Access to %1 was denied.";
    }

    void saveErrors()
    {
        QFETCH(QString, layout);
        QFETCH(QString, message);

        ScopedTempFolder temp;
        QTemporaryDir root;
        QString folder = root.path() + "/card";
        if (layout == "file")
            QVERIFY(writeFile(folder, "not a folder"));
        if (layout == "profile-dir")
            QVERIFY(QDir().mkpath(folder + "/PROFILE.BIN"));

        const ProfileRecord record = savedRecord();
        const auto error = SaveProfile(folder, record, editedCustom());
        QVERIFY(error);
        const QString fullPath = QDir::toNativeSeparators(folder + "/PROFILE.BIN");
        QCOMPARE(error->path, fullPath);
        QCOMPARE(error->message(), message.arg(fullPath));
        QVERIFY(!QFile::exists(temp.workingCopyPath()));
    }

    void failedSaveKeepsThePreviousWorkingCopy()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        QVERIFY(!SaveProfile(card.path(), savedRecord(), editedCustom()));
        const QByteArray before = readFile(temp.workingCopyPath());

        ProfileRecord changed = savedRecord();
        changed.gps = 1;
        QVERIFY(SaveProfile(card.path() + "/gone", changed, editedCustom()));
        QCOMPARE(readFile(temp.workingCopyPath()), before);
    }

    void folderEndingInASeparator()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        QVERIFY(!SaveProfile(card.path() + "/", savedRecord(), editedCustom()));
        QCOMPARE(readFile(card.path() + "/PROFILE.BIN").size(), 956);
    }

    // A text without its end mark, in a copy written elsewhere, keeps all but
    // its last character: the camera must not read on into the next field.
    void textsWithoutTheirEndAreCutByOne_data()
    {
        QTest::addColumn<int>("offset"); // in the copy: the record, then the custom entries
        QTest::addColumn<int>("width");
        QTest::newRow("camera name") << 90 << 16;
        QTest::newRow("recipient") << 832 << 48;
        QTest::newRow("custom URL") << 976 + 264 + 32 << 64;
    }

    void textsWithoutTheirEndAreCutByOne()
    {
        QFETCH(int, offset);
        QFETCH(int, width);
        ProfileRecord record = savedRecord();
        CustomOperators custom = editedCustom();
        if (offset < 976)
            std::memset(RecordBytes(record).data() + offset, 'A', std::size_t(width));
        QByteArray copy = WorkingCopyBytes(EncodeProfileImage(record), custom);
        if (offset >= 976)
            copy.replace(offset, width, QByteArray(width, 'A'));

        ProfileRecord loaded{};
        CustomOperators loadedCustom = CustomOperators::BuiltIn();
        RestoreSettings(copy, loaded, loadedCustom, 0);
        const QByteArray bytes = rawBytes(&loaded, 976) + rawBytes(&loadedCustom, sizeof loadedCustom);
        QCOMPARE(bytes.mid(offset, width), QByteArray(width - 1, 'A') + '\0');
    }

    void noTemporaryFolder_data()
    {
        QTest::addColumn<QByteArray>("folder");
        QTest::newRow("path of 260") << "/" + QByteArray(259, 't');
        QTest::newRow("folder missing") << QByteArray("/nonexistent-talmeris-temp");
    }

    void noTemporaryFolder()
    {
        QFETCH(QByteArray, folder);
        QTemporaryDir card;
        const QByteArray previous = qgetenv("TMPDIR");
        qputenv("TMPDIR", folder);

        ProfileRecord record = startRecord();
        CustomOperators custom = editedCustom();
        LoadSettings(record, custom, 0);
        const auto error = SaveProfile(card.path(), savedRecord(), custom);
        DeleteWorkingCopy();
        qputenv("TMPDIR", previous);

        // The defaults, so that the card never gets an empty camera block.
        ProfileRecord defaults = startRecord();
        SetProfileDefaults(defaults, 0);
        QVERIFY(record == defaults);
        QVERIFY(custom == editedCustom());
        QVERIFY(!error);
        QCOMPARE(readFile(card.path() + "/PROFILE.BIN").size(), 956);
    }

#ifdef Q_OS_UNIX
    // Which copy a start takes: the working copy, else the durable one, by the same rules.
    void durableCopyStandsIn_data()
    {
        QTest::addColumn<QString>("working"); // "none", "short", "other version", "valid", "no folder"
        QTest::addColumn<QString>("durable"); // "none", "valid", "link", "someone else's"
        QTest::addColumn<QString>("loaded");  // "working", "durable", "defaults"

        QTest::newRow("emptied at boot") << "none" << "valid" << "durable";
        QTest::newRow("working copy cut short") << "short" << "valid" << "durable";
        QTest::newRow("working copy of another version") << "other version" << "valid" << "durable";
        QTest::newRow("both: the working copy") << "valid" << "valid" << "working";
        QTest::newRow("no temporary folder") << "no folder" << "valid" << "durable";
        QTest::newRow("neither") << "none" << "none" << "defaults";
        QTest::newRow("durable copy a link") << "none" << "link" << "defaults";
        QTest::newRow("durable copy someone else's") << "none" << "someone else's" << "defaults";
        QTest::newRow("no temporary folder, durable copy a link") << "no folder" << "link" << "defaults";
    }

    void durableCopyStandsIn()
    {
        QFETCH(QString, working);
        QFETCH(QString, durable);
        QFETCH(QString, loaded);
        if (durable == "someone else's" && ::geteuid() != 0)
            QSKIP("only root can give a file to another user");

        ScopedTempFolder temp;
        QTemporaryDir elsewhere;
        ProfileRecord workingRecord = savedRecord();
        StoreRecordText(workingRecord.phone_number_2, QStringLiteral("2222"));
        ProfileRecord durableRecord = savedRecord();
        StoreRecordText(durableRecord.phone_number_2, QStringLiteral("3333"));
        CustomOperators durableCustom = editedCustom();
        StoreRecordText(durableCustom.extra_customer.mms_apn, QStringLiteral("apn.durable"));

        const QByteArray workingBytes = WorkingCopyBytes(EncodeProfileImage(workingRecord), editedCustom());
        if (working == "short")
            QVERIFY(writeFile(temp.workingCopyPath(), workingBytes.left(975)));
        else if (working == "other version")
            QVERIFY(writeFile(temp.workingCopyPath(), workingCopyWithVersion("V5.02.15", editedCustom())));
        else if (working == "valid")
            QVERIFY(writeFile(temp.workingCopyPath(), workingBytes));

        if (durable != "none") {
            QVERIFY(!SaveDurableCopy(durableRecord, durableCustom));
            const QString path = temp.durableCopyPath();
            QCOMPARE(readFile(path).size(), 2032);
            if (durable == "link") {
                QVERIFY(QFile::rename(path, elsewhere.path() + "/victim"));
                QVERIFY(QFile::link(elsewhere.path() + "/victim", path));
            } else if (durable == "someone else's") {
                QVERIFY(::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
            }
        }

        const QByteArray previous = qgetenv("TMPDIR");
        if (working == "no folder")
            qputenv("TMPDIR", "/" + QByteArray(259, 't'));
        ProfileRecord record = startRecord();
        CustomOperators custom = CustomOperators::BuiltIn();
        LoadSettings(record, custom, 0);
        qputenv("TMPDIR", previous);

        if (loaded == "working") {
            QVERIFY(record == workingRecord);
            QVERIFY(custom == editedCustom());
        } else if (loaded == "durable") {
            QVERIFY(record == durableRecord);
            QVERIFY(custom == durableCustom);
        } else {
            QVERIFY(record == defaultsOver(startRecord()));
            QVERIFY(custom == CustomOperators::BuiltIn());
        }
    }

    void durableCopyIsOwnerOnlyAndNeverWrittenThrough()
    {
        ScopedTempFolder temp;
        QTemporaryDir elsewhere;
        QVERIFY(!SaveDurableCopy(savedRecord(), editedCustom()));
        const QString path = temp.durableCopyPath();
        QVERIFY(QFile::remove(path));
        const QString target = elsewhere.path() + "/victim";
        QVERIFY(writeFile(target, "kept"));
        QVERIFY(QFile::link(target, path));

        QVERIFY(!SaveDurableCopy(savedRecord(), editedCustom()));
        QCOMPARE(readFile(target), QByteArray("kept"));
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(readFile(path), WorkingCopyBytes(EncodeProfileImage(savedRecord()), editedCustom()));
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 0777), 0600);
    }
#endif

    void deleteThenLoadGivesDefaults()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        QVERIFY(!SaveProfile(card.path(), savedRecord(), editedCustom()));
        QVERIFY(!SaveDurableCopy(savedRecord(), editedCustom()));
        DeleteWorkingCopy();
        QVERIFY(!QFile::exists(temp.workingCopyPath()));
        QVERIFY(!QFile::exists(temp.durableCopyPath()));

        ProfileRecord record = startRecord();
        CustomOperators custom = CustomOperators::BuiltIn();
        LoadSettings(record, custom, 0);
        QVERIFY(record == defaultsOver(startRecord()));
    }

#ifdef Q_OS_UNIX
    void workingCopyIsOwnerOnly()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        QVERIFY(writeFile(temp.workingCopyPath(), "old"));
        QVERIFY(::chmod(QFile::encodeName(temp.workingCopyPath()).constData(), 0644) == 0);

        QVERIFY(!SaveProfile(card.path(), savedRecord(), editedCustom()));

        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(temp.workingCopyPath()).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 0777), 0600);
    }

    void aLinkedWorkingCopyIsIgnoredAndNeverWrittenThrough()
    {
        ScopedTempFolder temp;
        QTemporaryDir elsewhere;
        QTemporaryDir card;
        const QString target = elsewhere.path() + "/victim";
        const QByteArray valid = workingCopyWithVersion(hexBytes("56 00"), editedCustom());
        QVERIFY(writeFile(target, valid));
        QVERIFY(QFile::link(target, temp.workingCopyPath()));

        ProfileRecord record = startRecord();
        CustomOperators custom = CustomOperators::BuiltIn();
        LoadSettings(record, custom, 0);
        QVERIFY(record == defaultsOver(startRecord()));

        QVERIFY(!SaveProfile(card.path(), record, custom));
        QCOMPARE(readFile(target), valid);
        QVERIFY(!QFileInfo(temp.workingCopyPath()).isSymLink());
        QCOMPARE(readFile(temp.workingCopyPath()).size(), 2032);
    }

    void someoneElsesWorkingCopyIsIgnored()
    {
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        ScopedTempFolder temp;
        QVERIFY(writeFile(temp.workingCopyPath(), workingCopyWithVersion(hexBytes("56 00"), editedCustom())));
        QVERIFY(::chown(QFile::encodeName(temp.workingCopyPath()).constData(), 65534, 65534) == 0);

        ProfileRecord record = startRecord();
        CustomOperators custom = CustomOperators::BuiltIn();
        LoadSettings(record, custom, 0);
        QVERIFY(record == defaultsOver(startRecord()));
    }
#endif
};

QTEST_GUILESS_MAIN(TestProfileFiles)
#include "tst_profile_files.moc"
