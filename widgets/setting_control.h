#pragma once

#include "settings/setting_row.h"
#include "settings/window_model.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

class QLabel;
class QObject;
class QWidget;

// Where a row's control goes: rows repeated in several groups put the group
// before their key ("work_time_2.") and before their object names ("workTime2"),
// and its title before their accessible names ("Work Time 2 Switch").
struct ControlPlace {
    QString keyPrefix;
    QString namePrefix;
    QString title;
};

// A setting's control, made from its row and bound to its key once: the view
// reads it, shows it and enables it through this, and never lists it again.
class SettingControl
{
public:
    SettingControl(const SettingRow &row, const ControlPlace &place);
    virtual ~SettingControl() = default;
    SettingControl(const SettingControl &) = delete;
    SettingControl &operator=(const SettingControl &) = delete;

    const SettingRow &row() const { return m_row; }
    const QString &key() const { return m_key; }
    // The widget that takes the focus and that its label names.
    virtual QWidget *widget() const = 0;
    // Every widget of the control, in the order Tab visits them.
    virtual QList<QWidget *> widgets() const { return {widget()}; }

    virtual QVariant value() const = 0;
    // Shows the model's value without signals; a list takes new items first.
    virtual void show(const QVariant &value, const QStringList &items) = 0;
    // Enables the control with its label and hint; echo applies to edit fields.
    virtual void apply(const ControlState &state);
    // Calls `changed` when the user changes the value; an edit field only when
    // its row follows typing.
    virtual void onChange(QObject *context, const std::function<void()> &changed) = 0;
    // Puts the user on the control; an edit field's text is selected.
    virtual void focus();

    // The visible label naming the control, made on the first call.
    QLabel *label(QWidget *parent);
    QLabel *existingLabel() const { return m_label; }
    // A control placed without a label says its name itself.
    void nameItself();
    // The row's hint beside the control, if it has one.
    QLabel *hint() const { return m_hint; }

protected:
    // The object name of this control's widget, and of a widget beside it ("Label").
    QString objectName(const QString &suffix = {}) const;
    // Sets the tip and the hint, once the widget exists; in a titled group, the name.
    void describe(QWidget *parent);
    const QString &title() const { return m_title; }
    // A part's accessible name: the group's title, then the part's text.
    QString spokenName(const QString &text) const;

private:
    const SettingRow &m_row;
    QString m_key;
    QString m_namePrefix;
    QString m_title;
    QLabel *m_label = nullptr;
    QLabel *m_hint = nullptr;
};

// The control for the row's kind, in `parent`.
std::unique_ptr<SettingControl> MakeSettingControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);
