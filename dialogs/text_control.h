#pragma once

#include "dialogs/setting_control.h"

class QLineEdit;

// An edit field that takes what its row's rule allows: a text, a password,
// or a number as typed.
class TextControl : public SettingControl
{
public:
    TextControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);

    QWidget *widget() const override;
    QLineEdit *edit() const { return m_edit; }
    QVariant value() const override;
    void show(const QVariant &value, const QStringList &items) override;
    void apply(const ControlState &state) override;
    void onChange(QObject *context, const std::function<void()> &changed) override;

private:
    QLineEdit *m_edit;
};
