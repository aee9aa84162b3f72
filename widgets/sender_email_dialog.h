#pragma once

#include "widgets/button_dialog.h"
#include "widgets/window_view.h"
#include "settings/sender_model.h"

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

    SenderModel m_form;
};
