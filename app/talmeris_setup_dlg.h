#pragma once

#include <QDialog>

class DlgGSM;
class Prompter;
struct ProfileSession;

// The main window: it hosts the settings page at its origin and is sized to it.
class TalmerisSetupDlg : public QDialog
{
    Q_OBJECT

public:
    // The page's "OK" stores this into the record's header_value.
    static constexpr int kHeaderConstant = 2;

    TalmerisSetupDlg(ProfileSession &session, Prompter &prompter, QWidget *parent = nullptr);

    DlgGSM *page() const { return m_page; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    DlgGSM *m_page;
};

// The caption: "Quenda " and the version.
QString MainWindowCaption();
