#include "dialogs/work_time_group.h"

#include "dialogs/dialog_controls.h"
#include "forms/camera_schema.h"
#include "forms/dialog_tips.h"
#include "forms/two_digit_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace {

void select(QComboBox *combo, int index)
{
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index);
}

} // namespace

WorkTimeGroup::WorkTimeGroup(int number, QWidget *parent)
    : QGroupBox(WorkTimeTitle(number), parent)
{
    const QString prefix = QStringLiteral("workTime%1").arg(number);
    setObjectName(prefix + QStringLiteral("Group"));
    auto *grid = new QGridLayout(this);

    m_switchLabel = new QLabel(WorkTimeSwitchLabel(), this);
    m_switchLabel->setObjectName(prefix + QStringLiteral("SwitchLabel"));
    m_switch = MakeCombo(prefix + QStringLiteral("SwitchCombo"), WorkTimeSwitchItems(), this);
    m_switchLabel->setBuddy(m_switch);
    // Four groups share their labels: each name says which window it belongs to.
    m_switch->setAccessibleName(tr("%1 Switch", "accessible name: the window's title").arg(title()));
    SetTip(m_switch, DialogTips::workTimeSwitch);
    grid->addWidget(m_switchLabel, 0, 0);
    grid->addWidget(m_switch, 0, 1, 1, 3);
    connect(m_switch, &QComboBox::currentIndexChanged, this, &WorkTimeGroup::switchChanged);

    const std::array<QString, 2> timeTexts = {WorkTimeStartLabel(), WorkTimeStopLabel()};
    // Object names stay English in every language: tests and tools find controls by them.
    const std::array<QString, 2> timeKeys = {QStringLiteral("Start"), QStringLiteral("Stop")};
    for (int row = 0; row < 2; ++row) {
        const QString &text = timeTexts[row];
        const QString name = prefix + timeKeys[row];
        auto *label = new QLabel(text, this);
        label->setObjectName(name + QStringLiteral("Label"));
        auto *hour = MakeCombo(name + QStringLiteral("HourCombo"), TwoDigitItems(kHourCount), this);
        auto *minute = MakeCombo(name + QStringLiteral("MinuteCombo"), TwoDigitItems(kMinuteCount), this);
        // Two lists share one label, so each says which half of the time it holds.
        hour->setAccessibleName(tr("%1 %2 hour", "accessible name: the window's title, the time's label")
                                    .arg(title(), text));
        minute->setAccessibleName(tr("%1 %2 minute", "accessible name: the window's title, the time's label")
                                      .arg(title(), text));
        label->setBuddy(hour);
        for (QComboBox *half : {hour, minute})
            SetTip(half, row == 0 ? DialogTips::workTimeStart : DialogTips::workTimeStop);
        auto *colon = new QLabel(QStringLiteral(":"), this);
        colon->setObjectName(name + QStringLiteral("Colon"));

        grid->addWidget(label, row + 1, 0);
        grid->addWidget(hour, row + 1, 1);
        grid->addWidget(colon, row + 1, 2);
        grid->addWidget(minute, row + 1, 3);
        m_times[row * 2] = hour;
        m_times[row * 2 + 1] = minute;
    }

    // "ALL" stands alone above the days; the days follow in two rows.
    grid->setColumnMinimumWidth(4, 12);
    const QString allText = WorkTimeAllText(number);
    const QStringList dayNames = WeekDayNames();
    for (int box = 0; box < WorkTimeForm::kBoxCount; ++box) {
        const bool isAll = box == WorkTimeForm::kAllBox;
        const int dayIndex = box - WorkTimeForm::kFirstDayBox;
        const QString text = isAll ? allText : dayNames.at(dayIndex);
        auto *check = new QCheckBox(text, this);
        const QString key =
            isAll ? QStringLiteral("All") : QString::fromLatin1(WeekDayKeys().at(std::size_t(dayIndex)));
        check->setObjectName(prefix + key + QStringLiteral("Check"));
        check->setAccessibleName(tr("%1 %2", "accessible name: the window's title, the box's text").arg(title(), text));
        check->setLayoutDirection(Qt::RightToLeft); // text to the left of the box
        const int day = box - WorkTimeForm::kFirstDayBox;
        if (isAll)
            grid->addWidget(check, 0, 5);
        else
            grid->addWidget(check, 1 + day / 4, 5 + day % 4);
        // Its change of state, however it comes: a click, Space or a screen reader's "Toggle".
        connect(check, &QCheckBox::toggled, this, [this, box](bool checked) { emit boxToggled(box, checked); });
        if (isAll)
            SetTip(check, DialogTips::workTimeAll);
        m_boxes[box] = check;
    }
    grid->setColumnStretch(9, 1);
}

QList<QWidget *> WorkTimeGroup::tabChain() const
{
    QList<QWidget *> chain{m_switch};
    for (QComboBox *time : m_times)
        chain << time;
    for (QCheckBox *box : m_boxes)
        chain << box;
    return chain;
}

void WorkTimeGroup::take(WorkTimeValues &values) const
{
    values.switchIndex = m_switch->currentIndex();
    values.startHour = m_times[StartHour]->currentIndex();
    values.startMinute = m_times[StartMinute]->currentIndex();
    values.stopHour = m_times[StopHour]->currentIndex();
    values.stopMinute = m_times[StopMinute]->currentIndex();
    values.all = m_boxes[WorkTimeForm::kAllBox]->isChecked() ? 1 : 0;
    for (int day = 0; day < WorkTimeValues::kDayCount; ++day)
        values.days[day] = m_boxes[WorkTimeForm::kFirstDayBox + day]->isChecked() ? 1 : 0;
}

void WorkTimeGroup::focusFault(WorkTimeForm::Fault fault)
{
    QWidget *control = m_switch;
    if (fault == WorkTimeForm::Fault::Times)
        control = m_times[StartHour];
    else if (fault == WorkTimeForm::Fault::Days)
        control = m_boxes[WorkTimeForm::kAllBox];
    (control->isEnabled() ? control : m_switch)->setFocus(Qt::OtherFocusReason);
}

void WorkTimeGroup::display(const WorkTimeForm &form)
{
    const WorkTimeValues &values = form.values;
    select(m_switch, values.switchIndex);
    select(m_times[StartHour], values.startHour);
    select(m_times[StartMinute], values.startMinute);
    select(m_times[StopHour], values.stopHour);
    select(m_times[StopMinute], values.stopMinute);
    for (int box = 0; box < WorkTimeForm::kBoxCount; ++box) {
        const int state = box == WorkTimeForm::kAllBox ? values.all
                                                       : values.days[box - WorkTimeForm::kFirstDayBox];
        const QSignalBlocker blocker(m_boxes[box]);
        m_boxes[box]->setChecked(state != 0);
    }

    // Every control but the switch belongs to the window's details.
    const bool enabled = form.state().details_enabled;
    for (QWidget *widget : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (widget != m_switch && widget != m_switchLabel)
            widget->setEnabled(enabled);
    }
}
