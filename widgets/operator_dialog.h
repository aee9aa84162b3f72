#pragma once

#include "widgets/button_dialog.h"
#include "widgets/window_view.h"
#include "settings/operator_model.h"

class Prompter;

// The model lies in a base before the view's, so that it is made before the view takes it.
struct OperatorFormHolder {
    OperatorModel m_form;
};

// The custom operator's MMS and GPRS parameters. Edits the entry in place on
// OK; Cancel checks the port but writes nothing; Escape closes unchecked.
class OperatorDialog : public ButtonDialog, private OperatorFormHolder, public WindowView
{
    Q_OBJECT

public:
    explicit OperatorDialog(OperatorEntry &entry, Prompter &prompter, QWidget *parent = nullptr);

    // Fills the controls from the entry and runs the dialog modally.
    int run();

private:
    void buildControls();
    void onCancel();
};
