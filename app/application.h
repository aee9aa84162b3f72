#pragma once

#include "settings/profile_session.h"

#include <QIcon>
#include <QString>

#include <memory>
#include <optional>

class Prompter;
class MainWindow;

// The application: restores the settings, runs the main window until the
// user closes it, and ends without writing anything.
class Application
{
public:
    explicit Application(Prompter &prompter);
    ~Application();

    // Restores the settings and makes the main window, showing the card folder
    // saved to last; opens `file` when one is given. Each successful save is
    // remembered for the next start.
    MainWindow &start(const std::optional<QString> &file);

    int run(const std::optional<QString> &file);

    static QIcon applicationIcon();

private:
    ProfileSession m_session;
    Prompter &m_prompter;
    std::unique_ptr<MainWindow> m_window;
};
