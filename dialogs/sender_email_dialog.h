#pragma once

#include "dialogs/button_dialog.h"
#include "dialogs/window_view.h"
#include "forms/sender_email_form.h"

class Prompter;

// The sender account: a provider from "Select Email" with the personal
// texts typed in. OK rewrites `select_email` and `sender_email`; Cancel,
// Escape and the close box leave the record alone.
class SenderEmailDialog : public ButtonDialog, public WindowView
{
    Q_OBJECT

public:
    explicit SenderEmailDialog(ProfileRecord &record, EmailPresets &presets, Prompter &prompter,
                             QWidget *parent = nullptr);

    // Loads the record's account and runs the dialog modally.
    int run();

private:
    void buildControls();

    SenderEmailForm m_form;
};
