#pragma once

#include "dialogs/setting_control.h"

class QComboBox;

// A list: the value is the chosen item's position, -1 for none.
class ChoiceControl : public SettingControl
{
public:
    ChoiceControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);

    QWidget *widget() const override;
    QVariant value() const override;
    void show(const QVariant &value, const QStringList &items) override;
    void onChange(QObject *context, const std::function<void()> &changed) override;

private:
    QComboBox *m_combo;
};
