#include "widgets/camera_dialog.h"

#include "widgets/dialog_controls.h"
#include "widgets/prompter.h"
#include "widgets/setting_controls.h"
#include "settings/camera_schema.h"
#include "settings/work_time_schema.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CameraDialog::CameraDialog(ProfileRecord &record, Prompter &prompter, QWidget *parent)
    : ButtonDialog(parent)
    , WindowView(m_form, prompter, *this)
    , m_form(record)
{
    setObjectName(QStringLiteral("DlgCAM"));
    setWindowTitle(tr("Camera Parameter Setting"));
}

QGroupBox *CameraDialog::newGroupBox(const SettingGroup &group)
{
    auto *box = new QGroupBox(group.title(), this);
    box->setObjectName(group.key + QStringLiteral("Group"));
    return box;
}

QGroupBox *CameraDialog::newSettingGroup(const SettingGroup &group, QList<QLabel *> &labels)
{
    QGroupBox *box = newGroupBox(group);
    auto *form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const SettingRow &row : group.rows) {
        SettingControl &control = bind(row, box);
        QLabel *label = control.label(box);
        labels << label;
        form->addRow(label, control.widget());
    }
    return box;
}

QGroupBox *CameraDialog::newWorkTimeGroup(int window)
{
    const SettingGroup &group = WorkTimeGroups().at(window);
    QGroupBox *box = newGroupBox(group);
    const ControlPlace place{WorkTimePlace(window).key + QLatin1Char('.'), group.key, box->title()};
    auto *grid = new QGridLayout(box);

    SettingControl &onOff = bind(group.rows.at(0), box, place);
    grid->addWidget(onOff.label(box), 0, 0);
    grid->addWidget(onOff.widget(), 0, 1, 1, 3);
    for (int row = 1; row <= 2; ++row) {
        auto &time = dynamic_cast<TimeControl &>(bind(group.rows.at(row), box, place));
        grid->addWidget(time.label(box), row, 0);
        grid->addWidget(time.hour(), row, 1);
        grid->addWidget(time.colon(), row, 2);
        grid->addWidget(time.minute(), row, 3);
    }

    // "ALL" stands alone above the days; the days follow in two rows.
    grid->setColumnMinimumWidth(4, 12);
    auto &days = dynamic_cast<DaysControl &>(bind(group.rows.at(3), box, place));
    grid->addWidget(days.box(0), 0, 5);
    for (int day = 0; day < 7; ++day)
        grid->addWidget(days.box(day + 1), 1 + day / 4, 5 + day % 4);
    grid->setColumnStretch(9, 1);
    return box;
}

void CameraDialog::buildLayout()
{
    auto *heading = new QLabel(tr(" Camera Setting"), this);
    heading->setObjectName(QStringLiteral("headingLabel"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    heading->setFont(headingFont);

    QList<QLabel *> labels;
    const QList<SettingGroup> &groups = CameraGroups();
    auto *settingsColumn = new QVBoxLayout;
    for (const SettingGroup &group : groups.sliced(0, groups.size() - 1))
        settingsColumn->addWidget(newSettingGroup(group, labels));
    settingsColumn->addStretch();

    auto *windowsColumn = new QVBoxLayout;
    for (int window = 0; window < WorkTimeGroups().size(); ++window)
        windowsColumn->addWidget(newWorkTimeGroup(window));
    windowsColumn->addStretch();

    // Tab runs down the left column's groups, then down the work-time windows.
    QList<QWidget *> chain;
    for (const auto &bound : controls())
        chain << bound->widgets();

    // Carried through unchanged: built and loaded like the others, never shown.
    for (const SettingRow &row : groups.last().rows) {
        SettingControl &control = bind(row, this);
        labels << control.label(this);
        control.existingLabel()->hide();
        control.widget()->hide();
    }
    // One label width for the three groups, so their lists line up.
    AlignLabels(labels);

    auto *columns = new QHBoxLayout;
    columns->addLayout(settingsColumn, 2);
    columns->addLayout(windowsColumn, 3);

    QPushButton *ok = MakeDialogButton(QStringLiteral("OK"), QStringLiteral("okButton"), this);
    QPushButton *defaults = MakeDialogButton(tr("Default"), QStringLiteral("defaultButton"), this);
    QPushButton *cancel = MakeDialogButton(tr("Cancel"), QStringLiteral("cancelButton"), this);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (storeModel())
            accept();
    });
    connect(defaults, &QPushButton::clicked, this, &CameraDialog::onDefault);
    connect(cancel, &QPushButton::clicked, this, &CameraDialog::reject);
    chain << ok << defaults << cancel;
    SetTabChain(chain);

    auto *main = new QVBoxLayout(this);
    main->addWidget(heading);
    main->addLayout(columns);
    main->addLayout(MakeButtonRow({ok, defaults, cancel}));
    main->setSizeConstraint(QLayout::SetMinimumSize);
}

int CameraDialog::run()
{
    // Built when first opened, so that the main window paints sooner.
    if (controls().empty())
        buildLayout();
    openModel();
    return m_prompter.runModal(*this);
}

void CameraDialog::onDefault()
{
    // The toolkit shows a line break where the camera's own text has "\r\n".
    if (!m_prompter.askYesNo(this, tr("Camera Default Setting"),
                             tr("You'll restore the default camera setting,\r\nAre you sure?")))
        return;
    m_form.reset();
    showModel();
}
