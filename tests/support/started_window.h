#pragma once

#include "app/main_window.h"
#include "pages/profile_session.h"
#include "support/fake_prompter.h"

#include <QWidget>

#include <memory>

// Finds a control by its object name in the parent's own window (the
// dialogs a page owns are windows of their own); a missing or doubled name
// ends the test run loudly.
template <typename T>
T *findControl(const QWidget &parent, const char *name)
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

// The main window as the tool starts it, from the current temporary folder.
struct StartedWindow {
    ProfileSession session;
    FakePrompter prompter;
    std::unique_ptr<MainWindow> window;

    // `shown`: on screen (offscreen), as the user would see it.
    explicit StartedWindow(bool shown = false);

    template <typename T>
    T *control(const char *name) const
    {
        return findControl<T>(*window, name);
    }
};
