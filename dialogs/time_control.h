#pragma once

#include "dialogs/setting_control.h"

class QComboBox;
class QLabel;

// A time as an hour list, a colon and a minute list, bound to the row's two
// places: the value is the list of the two positions, -1 for none.
class TimeControl : public SettingControl
{
public:
    TimeControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);

    QWidget *widget() const override;
    QList<QWidget *> widgets() const override;
    QComboBox *hour() const { return m_hour; }
    QLabel *colon() const { return m_colon; }
    QComboBox *minute() const { return m_minute; }
    QVariant value() const override;
    void show(const QVariant &value, const QStringList &items) override;
    void apply(const ControlState &state) override;
    void onChange(QObject *context, const std::function<void()> &changed) override;

private:
    QComboBox *m_hour;
    QComboBox *m_minute;
    QLabel *m_colon;
};
