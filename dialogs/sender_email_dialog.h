#pragma once

#include "dialogs/button_dialog.h"
#include "forms/sender_email_form.h"

class Prompter;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The sender account: a provider from "Select Email" with the personal
// texts typed in. OK rewrites `select_email` and `sender_email`; Cancel,
// Escape and the close box leave the record alone.
class SenderEmailDialog : public ButtonDialog
{
    Q_OBJECT

public:
    explicit SenderEmailDialog(ProfileRecord &record, EmailPresets &presets, Prompter &prompter,
                             QWidget *parent = nullptr);

    // Loads the record's account and runs the dialog modally.
    int run();

private:
    void buildControls();
    void readControls();
    void showForm();
    // Reads the controls, runs one step of the form, and shows the form.
    template <typename Step> void step(Step &&formStep) { readControls(); formStep(); showForm(); }
    void showTexts();
    void showState();
    void onProviderChanged(int position);
    void onEmailChanged();
    void onShowPasswordToggled(bool checked);
    void onOk();
    void onCancel();

    ProfileRecord &m_record;
    Prompter &m_prompter;
    SenderEmailForm m_form;

    QComboBox *m_selectEmail = nullptr;
    QLineEdit *m_email = nullptr;
    QLineEdit *m_account = nullptr;
    QLineEdit *m_password = nullptr;
    QCheckBox *m_showPassword = nullptr;
    QLineEdit *m_smtpServer = nullptr;
    QComboBox *m_secureType = nullptr;
    QLineEdit *m_smtpPort = nullptr;
    QLabel *m_smtpServerLabel = nullptr;
    QLabel *m_secureTypeLabel = nullptr;
    QLabel *m_smtpPortLabel = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
