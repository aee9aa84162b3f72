#include "app/talmeris_setup_app.h"

#include "app/talmeris_setup_dlg.h"

int TalmerisSetupApp::run()
{
    StartSession(m_session);
    TalmerisSetupDlg window(m_session, m_prompter);
    window.setWindowIcon(applicationIcon());
    window.exec();
    return 0;
}

QIcon TalmerisSetupApp::applicationIcon()
{
    return QIcon(QStringLiteral(":/icons/talmeris-setup.svg"));
}
