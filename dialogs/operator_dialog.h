#pragma once

#include "dialogs/button_dialog.h"
#include "forms/operator_form.h"

#include <array>

class Ipv4AddressEdit;
class Prompter;
class QLineEdit;
class QPushButton;

// The custom operator's MMS and GPRS parameters. Edits the entry in place on
// OK; Cancel checks the port but writes nothing; Escape closes unchecked.
class OperatorDialog : public ButtonDialog
{
    Q_OBJECT

public:
    explicit OperatorDialog(OperatorEntry &entry, Prompter &prompter, QWidget *parent = nullptr);

    // Fills the controls from the entry and runs the dialog modally.
    int run();

private:
    void buildControls();
    void readControls();
    void showForm();
    bool refused(const std::optional<OperatorForm::Failure> &failure);
    void onOk();
    void onCancel();

    OperatorEntry &m_entry;
    Prompter &m_prompter;
    OperatorForm m_form;

    // One edit per text field, in the order of OperatorForm::Field; none for the gateway.
    std::array<QLineEdit *, OperatorForm::kFieldCount> m_edits{};
    QLineEdit *&edit(OperatorForm::Field field) { return m_edits[std::size_t(field)]; }
    Ipv4AddressEdit *m_gateway = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
