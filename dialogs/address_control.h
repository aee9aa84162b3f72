#pragma once

#include "dialogs/setting_control.h"

class Ipv4AddressEdit;

// An IPv4 address typed as four octets; the value is its dotted text.
class AddressControl : public SettingControl
{
public:
    AddressControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);

    QWidget *widget() const override;
    // The octets: the address itself takes no focus.
    QList<QWidget *> widgets() const override;
    QVariant value() const override;
    void show(const QVariant &value, const QStringList &items) override;
    void onChange(QObject *context, const std::function<void()> &changed) override;

private:
    Ipv4AddressEdit *m_edit;
};
