#include "dialogs/days_control.h"

#include "forms/work_time_schema.h"

#include <QCheckBox>
#include <QSignalBlocker>

DaysControl::DaysControl(const SettingRow &row, const ControlPlace &place, QWidget *parent)
    : SettingControl(row, place)
{
    const QStringList texts = row.itemTexts();
    for (int box = 0; box < texts.size(); ++box) {
        auto *check = new QCheckBox(texts.at(box), parent);
        // Named in English in every language.
        const QString stem =
            box == 0 ? QStringLiteral("All") : QString::fromLatin1(WeekDayKeys().at(std::size_t(box - 1)));
        check->setObjectName(objectName(stem + QStringLiteral("Check")));
        check->setLayoutDirection(Qt::RightToLeft); // text to the left of the box
        m_boxes.append(check);
    }
    describe(parent);
    for (QCheckBox *check : m_boxes)
        check->setAccessibleName(spokenName(check->text()));
}

QWidget *DaysControl::widget() const
{
    return m_boxes.first();
}

QList<QWidget *> DaysControl::widgets() const
{
    return {m_boxes.begin(), m_boxes.end()};
}

QVariant DaysControl::value() const
{
    int boxes = 0;
    for (int box = 0; box < m_boxes.size(); ++box)
        if (m_boxes.at(box)->isChecked())
            boxes |= bit(box);
    return boxes;
}

void DaysControl::show(const QVariant &value, const QStringList &)
{
    for (int box = 0; box < m_boxes.size(); ++box) {
        const QSignalBlocker blocker(m_boxes.at(box));
        m_boxes.at(box)->setChecked((value.toInt() & bit(box)) != 0);
    }
}

void DaysControl::onChange(QObject *context, const std::function<void()> &changed)
{
    // Its change of state, however it comes: a click, Space or a screen reader's "Toggle".
    for (QCheckBox *check : m_boxes)
        QObject::connect(check, &QCheckBox::toggled, context, [changed] { changed(); });
}
