#include "support/started_window.h"

#include <QTest>

StartedWindow::StartedWindow(bool shown)
{
    StartSession(session);
    window = std::make_unique<MainWindow>(session, prompter);
    if (shown) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the main window did not show");
    }
}
