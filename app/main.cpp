#include "app/application.h"
#include "app/command_line.h"
#include "app/qt_prompter.h"
#include "app/translators.h"
#include "platform/console.h"
#include "profile/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("TalmerisSetup"));
    QCoreApplication::setApplicationVersion(VersionText());
    if (AsksForInformation(argc, argv)) {
        AttachParentConsole();
        const Utf8Console console;
        QCoreApplication information(argc, argv);
        const Translators translators;
        QCommandLineParser parser;
        DescribeCommandLine(parser);
        return AnswerInformation(parser, information.arguments());
    }

    QApplication application(argc, argv);
    // Before any text is made: every window and message is in the desktop's language.
    const Translators translators;
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    // Names the folders of the durable copy and of the tool's preferences.
    QApplication::setOrganizationName(QStringLiteral("Talmeris"));
    // Lets the desktop match the window to its launcher and icon.
    QApplication::setDesktopFileName(QStringLiteral("talmeris-setup"));
    QApplication::setWindowIcon(Application::applicationIcon());

    parser.process(application);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        const QString refusal = QCoreApplication::translate("CommandLine", "TalmerisSetup opens one file at a time.");
        std::fputs(qPrintable(refusal + QLatin1Char('\n') + parser.helpText()), stderr);
        return 2;
    }

    std::optional<QString> file;
    // Whole, so that messages name it and "Save Path" gets a full folder.
    if (!files.isEmpty())
        file = QFileInfo(files.first()).absoluteFilePath();
    QtPrompter prompter;
    return Application(prompter).run(file);
}
