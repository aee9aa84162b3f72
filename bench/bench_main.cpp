// Measures, side by side in one run, what TalmerisSetup costs to start and to save:
// - start-up: process start to the first paint of the main window, against a
//   minimal Qt dialog program built beside it (both carry the same probe);
// - saving: the settings page's "OK" (checks, store, both files), against writing
//   the same two files directly with the same atomic replace.
// Prints the medians and the ratios; exits 1 when a ratio is over its budget.

#include "app/main_window.h"
#include "widgets/prompter.h"
#include "settings/profile_session.h"
#include "profile/profile_files.h"
#include "profile/settings_copies.h"
#include "tools/find_control.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr double kStartupBudget = 1.3;
constexpr double kSaveBudget = 2.0;

// Answers nothing and shows nothing: the save is timed, not the user reading its message.
class SilentPrompter final : public Prompter
{
public:
    void show(QWidget *, const Message &message) override { last = message; }
    // Yes: the default sender cannot send, and the page asks before it saves.
    bool askYesNo(QWidget *, const QString &, const QString &) override { return true; }
    std::optional<QUrl> pickFolder(QWidget *, const QString &, const QString &, const QStringList &) override
    {
        return std::nullopt;
    }
    int runModal(QDialog &) override { return 0; }

    Message last;
};

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

// Milliseconds from starting the program to its first-paint line. Spawned
// directly, so the runner adds as little as it can to either program.
double timeToFirstPaint(const QString &program)
{
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        std::exit(2);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const QByteArray path = QFile::encodeName(program);
    char *arguments[] = {const_cast<char *>(path.constData()), nullptr};

    const auto started = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, path.constData(), &actions, nullptr, arguments, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", path.constData());
        std::exit(2);
    }
    ::close(pipeEnds[1]);
    std::string line;
    char c = 0;
    while (::read(pipeEnds[0], &c, 1) == 1 && c != '\n')
        line += c;
    const auto painted = std::chrono::steady_clock::now();
    ::close(pipeEnds[0]);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (line != "first-paint") {
        std::fprintf(stderr, "%s did not report its first paint\n", path.constData());
        std::exit(2);
    }
    return std::chrono::duration<double, std::milli>(painted - started).count();
}

bool writeDirectly(const QString &path, const QByteArray &bytes, bool ownerOnly)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (ownerOnly)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return file.write(bytes) == bytes.size() && file.commit();
}

bool overBudget(double measured, double yardstick, double budget)
{
    const double ratio = measured / yardstick;
    std::printf("  ratio %.2f (budget %.2f)%s\n", ratio, budget, ratio > budget ? "  OVER BUDGET" : "");
    return ratio > budget;
}

} // namespace

int main(int argc, char *argv[])
{
    int startupRuns = 40;
    int saveRuns = 200;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (qstrcmp(argv[i], "--startup-runs") == 0)
            startupRuns = std::max(1, std::atoi(argv[i + 1]));
        else if (qstrcmp(argv[i], "--save-runs") == 0)
            saveRuns = std::max(1, std::atoi(argv[i + 1]));
    }

    // Never the user's working copy: a folder of our own. Offscreen without a display.
    QTemporaryDir root;
    if (!root.isValid() || !QDir(root.path()).mkpath(QStringLiteral("tmp"))
        || !QDir(root.path()).mkpath(QStringLiteral("card")))
        return 2;
    qputenv("TMPDIR", QFile::encodeName(root.filePath(QStringLiteral("tmp"))));
    // Nor the user's durable copy or remembered card.
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("config"))));
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && QDir(root.path()).mkpath(QStringLiteral("runtime"))) {
        QFile::setPermissions(root.filePath(QStringLiteral("runtime")), QFileDevice::ReadOwner
                                  | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root.filePath(QStringLiteral("runtime"))));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TalmerisSetup"));
    const QString card = root.filePath(QStringLiteral("card"));

    // Saving, first: it also leaves the working copy that a usual start reads.
    ProfileSession session;
    StartSession(session);
    SilentPrompter prompter;
    MainWindow window(session, prompter);
    FindControl<QLineEdit>(window, "receiveEmail1Edit")->setText(QStringLiteral("camera@example.org"));
    FindControl<QLineEdit>(window, "savePathEdit")->setText(card);
    QPushButton *ok = FindControl<QPushButton>(window, "okButton");
    ok->click();
    if (!prompter.last.text.startsWith(QStringLiteral("PROFILE.BIN has been saved in "))) {
        std::fprintf(stderr, "the page did not save: %s\n", qPrintable(prompter.last.text));
        return 2;
    }
    const ProfileImage image = EncodeProfileImage(session.record);
    const QByteArray profileBytes = ProfileFileBytes(image);
    const QByteArray workingCopyBytes = WorkingCopyBytes(image, session.custom);
    const QString profilePath = ProfileFilePath(card);
    const QString workingCopyPath = *WorkingCopyPath();
    const QString durableCopyPath = *DurableCopyPath();

    std::vector<double> okTimes;
    std::vector<double> directTimes;
    QElapsedTimer clock;
    for (int run = 0; run < saveRuns; ++run) {
        clock.start();
        ok->click();
        okTimes.push_back(double(clock.nsecsElapsed()) / 1e6);

        clock.start();
        if (!writeDirectly(profilePath, profileBytes, false)
            || !writeDirectly(workingCopyPath, workingCopyBytes, true)
            || !writeDirectly(durableCopyPath, workingCopyBytes, true))
            return 2;
        directTimes.push_back(double(clock.nsecsElapsed()) / 1e6);
    }

    const QString folder = QCoreApplication::applicationDirPath();
    const QString minimalProbe = folder + QStringLiteral("/minimal-dialog-probe");
    const QString talmerisProbe = folder + QStringLiteral("/talmeris-startup-probe");
    std::vector<double> minimalTimes;
    std::vector<double> talmerisTimes;
    timeToFirstPaint(minimalProbe); // warms the file cache for both
    timeToFirstPaint(talmerisProbe);
    for (int run = 0; run < startupRuns; ++run) {
        minimalTimes.push_back(timeToFirstPaint(minimalProbe));
        talmerisTimes.push_back(timeToFirstPaint(talmerisProbe));
    }

    const double minimal = median(minimalTimes);
    const double talmeris = median(talmerisTimes);
    const double direct = median(directTimes);
    const double okTime = median(okTimes);
    std::printf("Start-up to first paint, median of %d runs (platform %s):\n", startupRuns,
                qPrintable(QApplication::platformName()));
    std::printf("  minimal Qt dialog   %8.2f ms\n", minimal);
    std::printf("  TalmerisSetup       %8.2f ms\n", talmeris);
    bool over = overBudget(talmeris, minimal, kStartupBudget);
    std::printf("Saving, median of %d runs:\n", saveRuns);
    std::printf("  direct writes of PROFILE.BIN and both copies        %8.3f ms\n", direct);
    std::printf("  the page's \"OK\" (checks, store, the three files)    %8.3f ms\n", okTime);
    over = overBudget(okTime, direct, kSaveBudget) || over;
    return over ? 1 : 0;
}
