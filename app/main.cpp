#include "app/application.h"
#include "app/command_line.h"
#include "app/qt_prompter.h"
#include "profile/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("TalmerisSetup"));
    QCoreApplication::setApplicationVersion(VersionText());
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    if (AsksForInformation(argc, argv)) {
        QCoreApplication information(argc, argv);
        parser.process(information); // prints and exits
        return 0;
    }

    QApplication application(argc, argv);
    // Names the folders of the durable copy and of the tool's preferences.
    QApplication::setOrganizationName(QStringLiteral("Talmeris"));
    // Lets the desktop match the window to its launcher and icon.
    QApplication::setDesktopFileName(QStringLiteral("talmeris-setup"));
    QApplication::setWindowIcon(Application::applicationIcon());

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
    return Application(prompter).run(file);
}
