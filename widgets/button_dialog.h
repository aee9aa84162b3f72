#pragma once

#include <QDialog>

// A dialog without a default button. Enter with the focus on a push button
// presses that button; in a field it does nothing, so that neither typing
// nor confirming can throw the entries away.
class ButtonDialog : public QDialog
{
    Q_OBJECT

public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
