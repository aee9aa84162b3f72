// Saving onto real file systems that fail: a full card, a full temporary
// folder, a read-only card, a card that vanished, and the SD card's own FAT.
// Small file systems are mounted in a private mount namespace; each scenario
// runs in a child process started there. A machine that cannot make a fault
// skips it and says why.
#include "settings/profile_defaults.h"
#include "settings/message.h"
#include "profile/profile_files.h"
#include "profile/settings_copies.h"
#include "support/fresh_session.h"
#include "support/started_window.h"
#include "support/temp_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

constexpr char kScenarioVariable[] = "TALMERIS_FAULT_SCENARIO";
constexpr char kRootVariable[] = "TALMERIS_FAULT_ROOT";
constexpr int kCannotMount = 77;

ProfileRecord recordWithGps(std::uint8_t gps)
{
    ProfileRecord record = InitialProfileRecord();
    SetProfileDefaults(record, 2);
    record.gps = gps;
    return record;
}

void fillUp(const QString &path)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
}

int fail(const QString &what)
{
    std::fprintf(stderr, "fault scenario: %s\n", qPrintable(what));
    return 1;
}

bool mountTmpfs(const QString &path, const char *size)
{
#ifdef Q_OS_LINUX
    QDir().mkpath(path);
    return ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, size) == 0;
#else
    Q_UNUSED(path);
    Q_UNUSED(size);
    return false;
#endif
}

bool remountReadOnly(const QString &path)
{
#ifdef Q_OS_LINUX
    return ::mount(nullptr, QFile::encodeName(path).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

// One save that must fail: the previous files stay whole and the message names the cause and the file.
int expectFailure(const QString &card, const QString &temp, FileError::Cause cause, const QString &failingPath,
                  const QString &text, bool profileReplaced)
{
    const CustomOperators custom = CustomOperators::BuiltIn();
    const QByteArray profileBefore = readFile(card + "/PROFILE.BIN");
    const QByteArray copyBefore = readFile(temp + WorkingCopyName());
    const ProfileRecord changed = recordWithGps(1);

    const auto error = SaveProfile(card, changed, custom);
    if (!error)
        return fail("a failed save reported success");
    if (error->cause != cause)
        return fail("wrong cause: " + error->message());
    if (error->message() != text.arg(QDir::toNativeSeparators(failingPath)))
        return fail("wrong text: " + error->message());
    const QByteArray expectedProfile =
        profileReplaced ? ProfileFileBytes(EncodeProfileImage(changed)) : profileBefore;
    if (readFile(card + "/PROFILE.BIN") != expectedProfile)
        return fail("PROFILE.BIN is not whole");
    if (readFile(temp + WorkingCopyName()) != copyBefore)
        return fail("the previous working copy was damaged");
    return 0;
}

int runScenario(const QString &name, const QString &root)
{
    const QString card = root + "/card";
    const QString temp = root + "/temp";
    const bool smallCard = name != "full-temp";
    if (!mountTmpfs(smallCard ? card : temp, "size=32k"))
        return kCannotMount;
    QDir().mkpath(card);
    QDir().mkpath(temp);
    qputenv("TMPDIR", QFile::encodeName(temp));

    if (SaveProfile(card, recordWithGps(0), CustomOperators::BuiltIn()))
        return fail("the first save failed");

    if (name == "full-card") {
        fillUp(card + "/filler");
        if (const int result = expectFailure(card, temp, FileError::Cause::DiskFull, card + "/PROFILE.BIN",
                                             "Disk full while accessing %1.", false))
            return result;
        if (QDir(card).entryList(QDir::Files | QDir::Hidden).size() != 2)
            return fail("a half-written file was left on the card");
        return 0;
    }
    if (name == "full-temp") {
        fillUp(temp + "/filler");
        return expectFailure(card, temp, FileError::Cause::DiskFull, temp + WorkingCopyName(),
                             "Disk full while accessing %1.", true);
    }
    if (name == "read-only-card") {
        if (!remountReadOnly(card))
            return kCannotMount;
        return expectFailure(card, temp, FileError::Cause::AccessDenied, card + "/PROFILE.BIN",
                             "Access to %1 was denied.", false);
    }
    return fail("no scenario " + name);
}

bool run(const QString &program, const QStringList &arguments, int timeout = 30000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    return process.waitForFinished(timeout) && process.exitStatus() == QProcess::NormalExit
           && process.exitCode() == 0;
}

} // namespace

class TestFileFaults : public QObject
{
    Q_OBJECT

private slots:
    void smallFileSystems_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::newRow("card full while writing PROFILE.BIN") << "full-card";
        QTest::newRow("temporary folder full while writing the working copy") << "full-temp";
        QTest::newRow("card read-only") << "read-only-card";
    }

    void smallFileSystems()
    {
#ifdef Q_OS_WIN
        QSKIP("made with Linux's mount namespaces and tmpfs; Windows' own fault is a file held open elsewhere");
#endif
        QFETCH(QString, scenario);
        const QString unshare = QStandardPaths::findExecutable("unshare");
        if (unshare.isEmpty())
            QSKIP("unshare is not installed: cannot mount a small file system");
        if (QProcess::execute(unshare, {"-rm", "true"}) != 0)
            QSKIP("unshare cannot make a private mount namespace here");
        QTemporaryDir root;

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kScenarioVariable, scenario);
        env.insert(kRootVariable, root.path());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(unshare, {"-rm", QCoreApplication::applicationFilePath()});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        if (child.exitCode() == kCannotMount)
            QSKIP("this machine cannot mount or remount a small tmpfs in a user namespace");
        QCOMPARE(child.exitCode(), 0);
    }

    // Windows' own fault: another program (a viewer, a virus scanner) holds the card's file open.
    void aCardFileHeldOpenElsewhere()
    {
#ifndef Q_OS_WIN
        QSKIP("Linux lets a file be replaced while another program holds it open");
#else
        ScopedTempFolder temp;
        QTemporaryDir card;
        const QString path = QDir::toNativeSeparators(card.filePath("PROFILE.BIN"));
        QVERIFY(writeFile(path, "the previous card"));
        const HANDLE held = ::CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ, 0, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        QVERIFY(held != INVALID_HANDLE_VALUE);

        StartedWindow started(true);
        started.control<QLineEdit>("savePathEdit")->setText(card.path());
        QTest::keyClicks(started.control<QLineEdit>("receiveEmail1Edit"), "jane@example.org");
        started.prompter.yesNoAnswers.enqueue(true); // would save with the default sender
        QTest::mouseClick(started.control<QPushButton>("okButton"), Qt::LeftButton);
        ::CloseHandle(held);

        // Replacing a file in use is refused as access denied (Wine, Windows 10) or as a sharing violation.
        const QString shown = started.prompter.lastMessage().text;
        QVERIFY2(shown == "Access to " + path + " was denied."
                     || shown == "Encountered a sharing violation while accessing " + path + ".",
                 qPrintable(shown));
        QCOMPARE(started.prompter.lastMessage().icon, Message::Icon::Error);
        QCOMPARE(readFile(path), QByteArray("the previous card"));
        QVERIFY(!QFile::exists(temp.workingCopyPath()));
#endif
    }

    void aFolderThatVanishedBeforeOk()
    {
        ScopedTempFolder temp;
        QTemporaryDir root;
        const QString folder = root.path() + "/SDCARD";
        QVERIFY(QDir().mkpath(folder));

        StartedWindow started(true);
        started.prompter.folderAnswers.enqueue(QUrl::fromLocalFile(folder));
        QTest::mouseClick(started.control<QPushButton>("browseButton"), Qt::LeftButton);
        QTest::keyClicks(started.control<QLineEdit>("receiveEmail1Edit"), "jane@example.org");
        QVERIFY(QDir(folder).removeRecursively()); // the card was pulled

        started.prompter.yesNoAnswers.enqueue(true); // would save with the default sender
        QTest::mouseClick(started.control<QPushButton>("okButton"), Qt::LeftButton);
        const QString path = QDir::toNativeSeparators(folder + "/PROFILE.BIN");
        QCOMPARE(started.prompter.lastMessage().text, path + " contains an incorrect path.");
        QCOMPARE(started.prompter.lastMessage().icon, Message::Icon::Error);
        // Not asked whether to save what cannot send: there is nowhere to save it.
        QCOMPARE(started.prompter.calls.size(), 2); // the picker, then the error
        QCOMPARE(started.prompter.messages().size(), 1);
        QVERIFY(!QFile::exists(temp.workingCopyPath()));
    }

    // The camera's card is FAT: the bytes must arrive there, also when replacing a file.
    void savingOntoFat()
    {
#ifdef Q_OS_WIN
        QSKIP("made with Linux's FAT tools and FUSE; on Windows the card is simply its drive");
#endif
        for (const char *tool : {"mkfs.vfat", "fusefat", "fusermount"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(QString("%1 is not installed: cannot make a FAT card").arg(tool)));
        }
        if (!QFile::exists("/dev/fuse"))
            QSKIP("no /dev/fuse: cannot mount a FAT image");
        ScopedTempFolder temp;
        QTemporaryDir root;
        const QString image = root.path() + "/card.img";
        const QString mountPoint = root.path() + "/card";
        QVERIFY(QDir().mkpath(mountPoint));
        QVERIFY(run("mkfs.vfat", {"-C", image, "1024"}));
        if (!run("fusefat", {"-o", "rw+", image, mountPoint}))
            QSKIP("fusefat cannot mount here (needs FUSE access)");

        ProfileRecord first = recordWithGps(0);
        const ProfileRecord second = recordWithGps(1);
        const CustomOperators custom = CustomOperators::BuiltIn();
        const auto firstError = SaveProfile(mountPoint, first, custom);
        const auto secondError = SaveProfile(mountPoint, second, custom);
        QVERIFY(run("fusermount", {"-u", mountPoint}));
        QVERIFY2(!firstError, firstError ? qPrintable(firstError->message()) : "");
        QVERIFY2(!secondError, secondError ? qPrintable(secondError->message()) : "");

        // Read back from a fresh mount: what the camera will find.
        QVERIFY(run("fusefat", {"-o", "ro", image, mountPoint}));
        const QByteArray onCard = readFile(mountPoint + "/PROFILE.BIN");
        const QStringList names = QDir(mountPoint).entryList(QDir::Files | QDir::Hidden);
        QVERIFY(run("fusermount", {"-u", mountPoint}));
        QCOMPARE(onCard, ProfileFileBytes(EncodeProfileImage(second)));
        QCOMPARE(names, QStringList{"PROFILE.BIN"});
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kScenarioVariable)) {
        QCoreApplication app(argc, argv);
        return runScenario(qEnvironmentVariable(kScenarioVariable), qEnvironmentVariable(kRootVariable));
    }
    QApplication app(argc, argv);
    TestFileFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_file_faults.moc"
