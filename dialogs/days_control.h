#pragma once

#include "dialogs/setting_control.h"

class QCheckBox;

// The "ALL" box and the seven day boxes, Sunday first, as the row's items
// name them: the value holds a bit per box, 0..6 the days and 7 "ALL".
class DaysControl : public SettingControl
{
public:
    DaysControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);

    QWidget *widget() const override;
    QList<QWidget *> widgets() const override;
    // 0 is "ALL", 1 to 7 Sunday to Saturday.
    QCheckBox *box(int box) const { return m_boxes.at(box); }
    QVariant value() const override;
    void show(const QVariant &value, const QStringList &items) override;
    void onChange(QObject *context, const std::function<void()> &changed) override;

private:
    // The bit of box `box`.
    static int bit(int box) { return box == 0 ? 0x80 : 1 << (box - 1); }

    QList<QCheckBox *> m_boxes;
};
