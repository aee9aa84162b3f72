#pragma once

#include "app/qt_prompter.h"
#include "pages/profile_session.h"

#include <QIcon>

// The application: restores the settings, runs the main window until the
// user closes it, and ends without writing anything.
class TalmerisSetupApp
{
public:
    TalmerisSetupApp() = default;

    int run();

    static QIcon applicationIcon();

private:
    ProfileSession m_session;
    QtPrompter m_prompter;
};
