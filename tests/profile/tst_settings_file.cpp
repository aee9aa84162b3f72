// Settings files the user opens: a PROFILE.BIN or a working copy comes into
// the record; anything else is refused by name and changes nothing.
#include "settings/profile_defaults.h"
#include "profile/profile_files.h"
#include "profile/record_text.h"
#include "profile/settings_file.h"
#include "profile/text_fields.h"
#include "support/temp_env.h"
#include "support/word_codec.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstring>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

// The tool as it runs, with settings of its own.
ProfileRecord runningRecord()
{
    ProfileRecord record = InitialProfileRecord();
    SetProfileDefaults(record, 2);
    record.area = 2;
    record.header_value = 2;
    record.reserved_18[0] = 0x18;
    StoreRecordText(record.phone_number_1, QStringLiteral("01701234567"));
    return record;
}

// Another camera's settings.
ProfileRecord cardRecord()
{
    ProfileRecord record = runningRecord();
    record.header_value = 1;
    record.reserved_18[0] = 0x77;
    record.camera_mode = 1;
    record.gps = 1;
    StoreRecordText(record.phone_number_1, QStringLiteral("4915112345"));
    StoreRecordText(record.receive_email_2, QStringLiteral("ranger@example.org"));
    return record;
}

CustomOperators runningCustom()
{
    CustomOperators custom = CustomOperators::BuiltIn();
    StoreRecordText(custom.country_customers[0].mms_apn, QStringLiteral("apn.running"));
    return custom;
}

CustomOperators cardCustom()
{
    CustomOperators custom = CustomOperators::BuiltIn();
    StoreRecordText(custom.extra_customer.gprs_apn, QStringLiteral("apn.card"));
    return custom;
}

QByteArray recordBytes(const ProfileRecord &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), sizeof record);
}

#ifdef Q_OS_LINUX
// Root reads any file; without these two capabilities this thread cannot.
class WithoutReadOverride
{
public:
    WithoutReadOverride()
    {
        m_header.version = _LINUX_CAPABILITY_VERSION_3;
        ::syscall(SYS_capget, &m_header, m_saved);
        __user_cap_data_struct lowered[2];
        std::memcpy(lowered, m_saved, sizeof lowered);
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        ::syscall(SYS_capset, &m_header, lowered);
    }
    ~WithoutReadOverride() { ::syscall(SYS_capset, &m_header, m_saved); }

private:
    __user_cap_header_struct m_header{};
    __user_cap_data_struct m_saved[2]{};
};
#endif

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void refusedFilesChangeNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text"); // %1: the file

        QTest::newRow("wrong size") << "size 100"
                                    << "%1 holds 100 bytes, so it is not a settings file: a PROFILE.BIN holds 956 "
                                       "bytes, a working copy 2032.";
        QTest::newRow("empty") << "size 0"
                               << "%1 holds 0 bytes, so it is not a settings file: a PROFILE.BIN holds 956 bytes, "
                                  "a working copy 2032.";
        QTest::newRow("one byte over a working copy")
            << "size 2033"
            << "%1 holds 2033 bytes, so it is not a settings file: a PROFILE.BIN holds 956 bytes, a working copy 2032.";
        QTest::newRow("wrong version") << "other version"
                                       << "%1 is a working copy of another version: it does not carry the mark of "
                                          "V5.02.15.";
        QTest::newRow("folder") << "folder" << "%1 is a folder, not a settings file.";
        QTest::newRow("link") << "link" << "%1 is a link. Open the file it points to.";
        QTest::newRow("device") << "device" << "%1 is a device, pipe or socket, not a settings file.";
        QTest::newRow("pipe") << "pipe" << "%1 is a device, pipe or socket, not a settings file.";
        QTest::newRow("unreadable") << "unreadable" << "Access to %1 was denied.";
        QTest::newRow("missing") << "missing" << "%1 was not found.";
    }

    void refusedFilesChangeNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);

        QTemporaryDir folder;
        QString path = folder.path() + "/PROFILE.BIN";
        const QByteArray profile = encodeWords(recordBytes(cardRecord())).mid(20);
        if (kind.startsWith("size "))
            QVERIFY(writeFile(path, QByteArray(kind.mid(5).toInt(), char(0xFF))));
        if (kind == "other version") {
            ProfileRecord record = cardRecord();
            std::memcpy(record.version_tag, "V5.02.15", 8);
            QVERIFY(writeFile(path, WorkingCopyBytes(EncodeProfileImage(record), cardCustom())));
        }
        if (kind == "folder")
            QVERIFY(QDir(folder.path()).mkdir("PROFILE.BIN"));
        if (kind == "link") {
#ifdef Q_OS_WIN
            QSKIP("Wine makes no symbolic links or junctions (it reports them made)");
#endif
            QVERIFY(writeFile(folder.path() + "/real.bin", profile));
            QVERIFY(QFile::link(folder.path() + "/real.bin", path));
        }
        if (kind == "device") {
#ifdef Q_OS_WIN
            path = "NUL";
#else
            path = "/dev/null";
#endif
        }
#ifdef Q_OS_LINUX
        if (kind == "pipe")
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        if (kind == "unreadable") {
            QVERIFY(writeFile(path, profile));
            QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        }
        std::optional<WithoutReadOverride> unprivileged;
        if (kind == "unreadable") {
            unprivileged.emplace();
            if (QFile(path).open(QIODevice::ReadOnly))
                QSKIP("this process reads any file and cannot give that up");
        }
#else
        if (kind == "pipe" || kind == "unreadable")
            QSKIP("made with Linux calls (a FIFO, a file without permission bits)");
#endif

        ProfileRecord record = runningRecord();
        CustomOperators custom = runningCustom();
        const SettingsFileResult result = OpenSettingsFile(path, record, custom, 2);

        const auto *refused = std::get_if<SettingsFileFault>(&result);
        QVERIFY(refused);
        QCOMPARE(refused->message(), text.arg(QDir::toNativeSeparators(path)));
        QCOMPARE(recordBytes(record), recordBytes(runningRecord()));
        QVERIFY(custom == runningCustom());
    }

    void aProfileFileBringsTheCardsPart()
    {
        QTemporaryDir folder;
        const QString path = folder.path() + "/PROFILE.BIN";
        QVERIFY(writeFile(path, encodeWords(recordBytes(cardRecord())).mid(20)));

        ProfileRecord record = runningRecord();
        CustomOperators custom = runningCustom();
        const SettingsFileResult result = OpenSettingsFile(path, record, custom, 2);

        QVERIFY(std::holds_alternative<SettingsFileKind>(result));
        QCOMPARE(std::get<SettingsFileKind>(result), SettingsFileKind::ProfileFile);
        QCOMPARE(recordBytes(record).left(20), recordBytes(runningRecord()).left(20));
        QCOMPARE(recordBytes(record).mid(20), recordBytes(cardRecord()).mid(20));
        QVERIFY(custom == runningCustom());
    }

    void aWorkingCopyBringsEverything()
    {
        QTemporaryDir folder;
        const QString path = folder.path() + "/copy.bak";
        QVERIFY(writeFile(path, WorkingCopyBytes(EncodeProfileImage(cardRecord()), cardCustom())));

        ProfileRecord record = runningRecord();
        CustomOperators custom = runningCustom();
        const SettingsFileResult result = OpenSettingsFile(path, record, custom, 2);

        QCOMPARE(std::get<SettingsFileKind>(result), SettingsFileKind::WorkingCopy);
        QCOMPARE(recordBytes(record), recordBytes(cardRecord()));
        QVERIFY(custom == cardCustom());
    }

    // Values no tool wrote: texts without their end, another area.
    void aHostileFileIsMadeSound()
    {
        ProfileRecord hostile = cardRecord();
        hostile.area = 9;
        std::memset(hostile.receive_email_1, 'A', sizeof hostile.receive_email_1);
        CustomOperators hostileCustom = cardCustom();
        std::memset(hostileCustom.extra_customer.mms_apn, 'B', sizeof hostileCustom.extra_customer.mms_apn);

        for (const QByteArray &bytes : {ProfileFileBytes(EncodeProfileImage(hostile)),
                                        WorkingCopyBytes(EncodeProfileImage(hostile), hostileCustom)}) {
            ProfileRecord record = runningRecord();
            CustomOperators custom = runningCustom();
            QVERIFY(std::holds_alternative<SettingsFileKind>(
                OpenSettingsBytes(bytes, QStringLiteral("hostile"), record, custom, 2)));
            QCOMPARE(record.area, 2);
            QVERIFY(TextFieldsTerminated(record));
            QVERIFY(TextFieldsTerminated(custom));
            QCOMPARE(LoadRecordText(record.receive_email_1), QString(47, u'A'));
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
