// Saving onto a file system that fills up must leave the previous files whole.
// The file system is a small tmpfs mounted in a private mount namespace; the
// scenario runs in a child process started inside it.
#include "profile/profile_files.h"
#include "support/temp_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>

namespace {

constexpr char kChildVariable[] = "TALMERIS_FULL_DISK_ROOT";
constexpr int kCannotMount = 77;

ProfileRecord recordWithGps(std::uint8_t gps)
{
    ProfileRecord record = InitialProfileRecord();
    SetProfileDefaults(record, 2);
    record.gps = gps;
    return record;
}

// Fills the file system until a write is refused.
void fillUp(const QString &path)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
}

int fail(const char *what)
{
    std::fprintf(stderr, "full disk: %s\n", what);
    return 1;
}

int runChild(const QString &root)
{
    const QString card = root + "/card";
    const QString temp = root + "/temp";
    QDir().mkpath(card);
    QDir().mkpath(temp);
    qputenv("TMPDIR", QFile::encodeName(temp));
    const CustomOperators custom = CustomOperators::BuiltIn();

    if (SaveProfile(card, recordWithGps(0), custom))
        return fail("the first save failed");
    const QByteArray profileBefore = readFile(card + "/PROFILE.BIN");
    const QByteArray copyBefore = readFile(temp + WorkingCopyName());

    fillUp(root + "/filler");
    const auto error = SaveProfile(card, recordWithGps(1), custom);
    if (!error)
        return fail("a save onto a full disk reported success");
    if (error->cause != FileError::Cause::DiskFull)
        return fail(qPrintable("wrong message: " + error->message()));
    if (error->message() != "Disk full while accessing " + QDir::toNativeSeparators(card + "/PROFILE.BIN") + ".")
        return fail(qPrintable("wrong text: " + error->message()));
    if (readFile(card + "/PROFILE.BIN") != profileBefore)
        return fail("the previous PROFILE.BIN was damaged");
    if (readFile(temp + WorkingCopyName()) != copyBefore)
        return fail("the previous working copy was damaged");
    if (QDir(card).entryList(QDir::Files | QDir::Hidden).size() != 1)
        return fail("a half-written file was left behind");
    return 0;
}

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT

private slots:
    void previousFilesSurviveAFullDisk()
    {
        const QString unshare = QStandardPaths::findExecutable("unshare");
        if (unshare.isEmpty())
            QSKIP("unshare is not installed: cannot mount a small file system");
        if (QProcess::execute(unshare, {"-rm", "true"}) != 0)
            QSKIP("unshare cannot make a private mount namespace here");
        QTemporaryDir root;

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kChildVariable, root.path());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(unshare, {"-rm", "sh", "-c",
                              QString("mount -t tmpfs -o size=32k tmpfs \"$0\" || exit %1; exec \"$1\"")
                                  .arg(kCannotMount),
                              root.path(), QCoreApplication::applicationFilePath()});
        QVERIFY(child.waitForFinished(60000));
        if (child.exitStatus() == QProcess::NormalExit && child.exitCode() == kCannotMount)
            QSKIP("no small tmpfs can be mounted here (needs root or user namespaces)");
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kChildVariable)) {
        QCoreApplication app(argc, argv);
        return runChild(qEnvironmentVariable(kChildVariable));
    }
    QCoreApplication app(argc, argv);
    TestFullDisk test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_full_disk.moc"
