#pragma once

#include "widgets/setting_control.h"
#include "settings/window_model.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Prompter;
class QWidget;

// Runs a window's model through the controls bound to it: opening loads and
// shows, a change reads every control and shows the model again, OK stores;
// a fault's message is shown and the user is put on that setting's control.
class WindowView
{
public:
    WindowView(WindowModel &model, Prompter &prompter, QWidget &window);
    virtual ~WindowView();
    WindowView(const WindowView &) = delete;
    WindowView &operator=(const WindowView &) = delete;

protected:
    // Makes the row's control and binds it; a change runs `changed(key)`.
    SettingControl &bind(const SettingRow &row, QWidget *parent, const ControlPlace &place = {});
    // The control bound to the key; none for a key no control holds.
    SettingControl *control(const QString &key) const;
    const std::vector<std::unique_ptr<SettingControl>> &controls() const { return m_controls; }

    // Loads the model and shows it.
    void openModel();
    // The user changed the key's control: a step running the key's rule.
    void changed(const QString &key);
    // Everything is read, then `rule` runs, then everything is shown; a
    // reading fault is reported before the rule's note.
    void step(const std::function<std::optional<SettingFault>()> &rule);
    // Reads every control into the model, in the order they were bound;
    // the first fault is kept for report().
    std::optional<SettingFault> read();
    // Shows every value and state, then what the rows cannot show.
    void showModel();
    virtual void showMore() {}
    // OK: reads and stores. A fault is reported; true when the model stored.
    bool storeModel();
    // Shows the fault's message and puts the user on its setting's control,
    // or on the one that enables it when that is disabled.
    void report(const SettingFault &fault);
    void focus(const QString &key);

    WindowModel &m_model;
    Prompter &m_prompter;
    QWidget &m_window;

private:
    std::vector<std::unique_ptr<SettingControl>> m_controls;
};
