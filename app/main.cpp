#include "app/command_line.h"
#include "app/talmeris_setup_app.h"
#include "profile/version.h"

#include <QApplication>

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
    parser.process(application);
    // Lets the desktop match the window to its launcher and icon.
    QApplication::setDesktopFileName(QStringLiteral("talmeris-setup"));
    QApplication::setWindowIcon(TalmerisSetupApp::applicationIcon());
    return TalmerisSetupApp().run();
}
