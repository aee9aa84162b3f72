#pragma once

#include "support/fake_prompter.h"
#include "tools/find_control.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

// Opens the dialog with `action` run inside its modal loop. The dialog's
// result, -1 when the action left it open; without an action it only opens.
template <typename Dialog>
int RunDialog(FakePrompter &prompter, Dialog &dialog, const std::function<void(QDialog &)> &action = {})
{
    if (action) {
        prompter.modalActions.enqueue([action](QDialog &d) {
            action(d);
            return d.isVisible() ? -1 : d.result();
        });
    }
    return dialog.run();
}

inline QLineEdit *Edit(QWidget &dialog, const char *name)
{
    return FindControl<QLineEdit>(dialog, name);
}

inline void Press(QWidget &dialog, const char *name)
{
    FindControl<QPushButton>(dialog, name)->click();
}
