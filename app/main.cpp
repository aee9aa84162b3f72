#include "app/qt_prompter.h"
#include "app/talmeris_setup_app.h"
#include "profile/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TalmerisSetup"));
    // Names the folders of the durable copy and of the tool's preferences.
    QApplication::setOrganizationName(QStringLiteral("Talmeris"));
    QApplication::setApplicationVersion(VersionText());
    // Lets the desktop match the window to its launcher and icon.
    QApplication::setDesktopFileName(QStringLiteral("talmeris-setup"));
    QApplication::setWindowIcon(TalmerisSetupApp::applicationIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Sets up a cellular trail camera and saves its PROFILE.BIN."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A PROFILE.BIN or working copy to open (optional)."),
                                 QStringLiteral("[FILE]"));
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs(qPrintable(QStringLiteral("TalmerisSetup opens one file at a time.\n") + parser.helpText()),
                   stderr);
        return 2;
    }

    std::optional<QString> file;
    // Whole, so that messages name it and "Save Path" gets a full folder.
    if (!files.isEmpty())
        file = QFileInfo(files.first()).absoluteFilePath();
    QtPrompter prompter;
    return TalmerisSetupApp(prompter).run(file);
}
