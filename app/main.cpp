#include "app/talmeris_setup_app.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TalmerisSetup"));
    // Lets the desktop match the window to its launcher and icon.
    QApplication::setDesktopFileName(QStringLiteral("talmeris-setup"));
    QApplication::setWindowIcon(TalmerisSetupApp::applicationIcon());
    return TalmerisSetupApp().run();
}
