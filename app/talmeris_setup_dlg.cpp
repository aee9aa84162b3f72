#include "app/talmeris_setup_dlg.h"

#include "pages/dlg_gsm.h"
#include "profile/version.h"

#include <QKeyEvent>
#include <QVBoxLayout>

QString MainWindowCaption()
{
    return QStringLiteral("Quenda ") + VersionText();
}

TalmerisSetupDlg::TalmerisSetupDlg(ProfileSession &session, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_page(new DlgGSM(session, prompter, kHeaderConstant, this))
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(MainWindowCaption());
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);

    m_page->open_page();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_page);
    // The window ends where the page ends.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_page, &DlgGSM::cancelRequested, this, &QDialog::reject);
}

void TalmerisSetupDlg::keyPressEvent(QKeyEvent *event)
{
    // Enter and Escape neither save nor close: that is for "OK", "Cancel" and the close box.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
