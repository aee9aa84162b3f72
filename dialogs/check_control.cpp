#include "dialogs/check_control.h"

#include <QCheckBox>
#include <QSignalBlocker>

CheckControl::CheckControl(const SettingRow &row, const ControlPlace &place, QWidget *parent)
    : SettingControl(row, place)
    , m_box(new QCheckBox(row.label(), parent))
{
    m_box->setObjectName(objectName());
    describe(parent);
}

QWidget *CheckControl::widget() const
{
    return m_box;
}

QVariant CheckControl::value() const
{
    return int(m_box->isChecked());
}

void CheckControl::show(const QVariant &value, const QStringList &)
{
    const QSignalBlocker blocker(m_box);
    m_box->setChecked(value.toInt() != 0);
}

void CheckControl::onChange(QObject *context, const std::function<void()> &changed)
{
    // Its change of state, however it comes: a click, Space or a screen reader's "Toggle".
    QObject::connect(m_box, &QCheckBox::toggled, context, [changed] { changed(); });
}
