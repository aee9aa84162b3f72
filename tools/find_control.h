#pragma once

#include <QWidget>

// Finds a control by its object name in the parent's own window (the dialogs
// a page owns are windows of their own); a missing or doubled name ends the
// program loudly.
template <typename T>
T *FindControl(const QWidget &parent, const char *name)
{
    T *found = nullptr;
    for (T *widget : parent.findChildren<T *>(QString::fromLatin1(name))) {
        if (widget->window() != parent.window())
            continue;
        if (found)
            qFatal("two controls named %s", name);
        found = widget;
    }
    if (!found)
        qFatal("no control named %s", name);
    return found;
}
