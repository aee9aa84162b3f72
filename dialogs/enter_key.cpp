#include "dialogs/enter_key.h"

#include <QKeyEvent>
#include <QPushButton>

bool RouteEnterKey(const QWidget &dialog, const QKeyEvent &event)
{
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    if (!enter || (event.modifiers() & ~Qt::KeypadModifier))
        return false;
    if (auto *button = qobject_cast<QPushButton *>(dialog.focusWidget()); button && button->isEnabled())
        button->click();
    return true;
}
