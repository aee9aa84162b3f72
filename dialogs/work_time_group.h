#pragma once

#include "forms/work_time_form.h"

#include <QGroupBox>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;

// The controls of one work-time window: "Switch", "Start", "Stop" and the
// "ALL" and day boxes. Object names start with "workTime<number>".
class WorkTimeGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit WorkTimeGroup(int number, QWidget *parent = nullptr);

    void take(WorkTimeValues &values) const;
    // The controls in the order Tab visits them.
    QList<QWidget *> tabChain() const;
    // Shows the values and applies the window rule, without signals.
    void display(const WorkTimeForm &form);
    // Puts the user on the first control at fault: the start time or the "ALL" box,
    // or the switch when the window's details are disabled.
    void focusFault(WorkTimeForm::Fault fault);

signals:
    void switchChanged(int index);
    // The user checked or cleared a box: 0 is "ALL", 1 to 7 Sunday to Saturday.
    void boxToggled(int box, bool checked);

private:
    enum Time { StartHour, StartMinute, StopHour, StopMinute, TimeCount };

    QLabel *m_switchLabel = nullptr;
    QComboBox *m_switch = nullptr;
    std::array<QComboBox *, TimeCount> m_times{};
    std::array<QCheckBox *, WorkTimeForm::kBoxCount> m_boxes{};
};
