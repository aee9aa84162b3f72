#pragma once

#include "dialogs/setting_control.h"

class QButtonGroup;
class QRadioButton;

// A choice as one radio button per item: the value is the checked one's
// position, -1 when none is checked.
class RadioControl : public SettingControl
{
public:
    RadioControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);

    QWidget *widget() const override;
    QList<QWidget *> widgets() const override;
    QRadioButton *button(int item) const { return m_buttons.at(item); }
    QVariant value() const override;
    void show(const QVariant &value, const QStringList &items) override;
    void focus() override;
    void onChange(QObject *context, const std::function<void()> &changed) override;

private:
    QButtonGroup *m_group;
    QList<QRadioButton *> m_buttons;
};
