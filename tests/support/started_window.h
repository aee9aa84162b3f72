#pragma once

#include "app/main_window.h"
#include "settings/profile_session.h"
#include "support/fake_prompter.h"
#include "tools/find_control.h"

#include <QWidget>

#include <memory>

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
        return FindControl<T>(*window, name);
    }
};
