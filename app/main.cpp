#include "app/talmeris_setup_app.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TalmerisSetup"));
    QApplication::setWindowIcon(TalmerisSetupApp::applicationIcon());
    return TalmerisSetupApp().run();
}
