#pragma once

#include "dialogs/setting_control.h"

class QCheckBox;

// A check box whose text is its row's label: the value is 1 when checked, else 0.
class CheckControl : public SettingControl
{
public:
    CheckControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);

    QWidget *widget() const override;
    QVariant value() const override;
    void show(const QVariant &value, const QStringList &items) override;
    void onChange(QObject *context, const std::function<void()> &changed) override;

private:
    QCheckBox *m_box;
};
