#pragma once

#include "settings/setting_fault.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// How a text field shows its text.
enum class Echo { Normal, Password, Blank };

// What a window's rules make of one control now.
struct ControlState {
    bool enabled = true;
    // How an edit field shows its text; none keeps the row's own, a password masked.
    std::optional<Echo> echo;
};

// One window's logic without its widgets. Its view binds a control to each
// setting's key and runs the model: opening loads and shows, a change sets and
// shows, OK stores. A value is what its control holds: an item's position
// (-1 for none), a text, a box's state, a time's list of its hour's and
// minute's positions, or a window's day boxes as bits.
class WindowModel
{
public:
    virtual ~WindowModel() = default;

    // Takes every value from the session.
    virtual void load() = 0;
    virtual QVariant value(const QString &key) const = 0;
    // Takes a control's value as it is, no rule run: a view sets every
    // control's value before the rule of the one the user changed, so that a
    // rule's corrections are not read back over. A fault when the value cannot
    // be taken; the old value stays then.
    virtual std::optional<SettingFault> set(const QString &key, const QVariant &value) = 0;
    // The user changed the key's control, whose value is set: its rule runs
    // and may change other values. The answer is a note to show, if any.
    virtual std::optional<SettingFault> changed(const QString &key)
    {
        Q_UNUSED(key);
        return {};
    }
    virtual ControlState state(const QString &key) const
    {
        Q_UNUSED(key);
        return {};
    }
    // The items of a list that change as the window is used; empty keeps the row's own.
    virtual QStringList items(const QString &key) const
    {
        Q_UNUSED(key);
        return {};
    }
    // The control that enables a disabled one, where the user is put instead.
    virtual QString enabler(const QString &key) const
    {
        Q_UNUSED(key);
        return {};
    }
    virtual std::optional<SettingFault> check() const = 0;
    // Checks and stores into the session; the first failing check ends it,
    // and a value that could not be taken fails first.
    virtual std::optional<SettingFault> store() = 0;
};
