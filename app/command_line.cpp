#include "app/command_line.h"

#include "profile/profile_files.h"
#include "profile/settings_copies.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstring>

namespace {

// Where the working copy goes, as the user names that folder.
QString temporaryFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("%TEMP%");
#else
    return QCoreApplication::translate("CommandLine", "$TMPDIR, else /tmp");
#endif
}

} // namespace

void DescribeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine",
            "Sets up a Talmeris cellular trail camera: the picture, schedule, sending,\n"
            "recipient, mobile-operator and sender-account settings. It checks them and\n"
            "writes them as %1 (%2 bytes) into the folder you choose, normally the\n"
            "top folder of the camera's SD card.\n"
            "\n"
            "Each save also keeps a working copy, %3 (%4 bytes, readable by\n"
            "you only), in the temporary folder (%5); the next start\n"
            "opens with the settings it holds. A durable copy of the same bytes in\n"
            "your data folder stands in when the temporary folder has been emptied.\n"
            "Both hold the password of the sender account: \"Default All\" deletes them.\n"
            "\n"
            "FILE, when given, is a PROFILE.BIN or a working copy whose settings the\n"
            "tool opens; nothing is written until you press OK.\n"
            "\n"
            "talmeris-profile reads a card's settings back.")
            .arg(QFileInfo(ProfileFilePath(QString())).fileName())
            .arg(kProfileFileSize)
            .arg(WorkingCopyName().mid(1))
            .arg(kWorkingCopySize)
            .arg(temporaryFolder()));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("CommandLine",
                                                             "A PROFILE.BIN or working copy to open (optional)."),
                                 QStringLiteral("[FILE]"));
}

bool AsksForInformation(int argc, const char *const argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"-h", "--help", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

int AnswerInformation(QCommandLineParser &parser, const QStringList &arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parser.parse(arguments)) {
        err << QCoreApplication::applicationName() << ": " << parser.errorText() << '\n';
        return 1;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    out << parser.helpText();
    return 0;
}
