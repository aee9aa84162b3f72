#include "dialogs/camera_dialog.h"

#include "dialogs/dialog_controls.h"
#include "dialogs/prompter.h"
#include "dialogs/work_time_group.h"
#include "forms/dialog_tips.h"
#include "profile/profile_record.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>


CameraDialog::CameraDialog(ProfileRecord &record, Prompter &prompter, QWidget *parent)
    : ButtonDialog(parent)
    , m_record(record)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("DlgCAM"));
    setWindowTitle(tr("Camera Parameter Setting"));
}

CameraDialog::SettingControls &CameraDialog::controlsOf(CameraSetting setting)
{
    return m_settings[static_cast<int>(setting)];
}

void CameraDialog::createSetting(CameraSetting setting, QWidget *parent)
{
    SettingControls &controls = controlsOf(setting);
    const SettingRow &row = CameraRow(setting);
    controls.combo = MakeCombo(row.objectName, row.itemTexts(), parent);
    controls.label = MakeLabel(row.label(), controls.combo, parent);
    controls.label->setObjectName(row.objectName.chopped(5) + QStringLiteral("Label")); // "...Combo"
    SetTip(controls.combo, row.tip);
    connect(controls.combo, &QComboBox::currentIndexChanged, this,
            [this, setting] { onSettingChanged(setting); });
}

QWidget *CameraDialog::newSettingGroup(const CameraGroup &settings)
{
    auto *group = new QGroupBox(settings.title, this);
    group->setObjectName(settings.key + QStringLiteral("Group"));
    auto *form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (CameraSetting setting : settings.settings) {
        createSetting(setting, group);
        form->addRow(controlsOf(setting).label, controlsOf(setting).combo);
    }
    return group;
}

void CameraDialog::buildLayout()
{
    auto *heading = new QLabel(tr(" Camera Setting"), this);
    heading->setObjectName(QStringLiteral("headingLabel"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    heading->setFont(headingFont);

    auto *settingsColumn = new QVBoxLayout;
    for (const CameraGroup &group : CameraGroups())
        settingsColumn->addWidget(newSettingGroup(group));
    settingsColumn->addStretch();

    // Carried through unchanged: built and loaded like the others, never shown.
    for (CameraSetting setting : HiddenCameraSettings()) {
        createSetting(setting, this);
        controlsOf(setting).label->hide();
        controlsOf(setting).combo->hide();
    }

    // One label width for the three groups, so their lists line up.
    QList<QLabel *> labels;
    for (const SettingControls &controls : m_settings)
        labels << controls.label;
    AlignLabels(labels);

    auto *windowsColumn = new QVBoxLayout;
    for (int window = 0; window < CameraForm::kWindowCount; ++window) {
        auto *group = new WorkTimeGroup(window + 1, this);
        // The switch is read with the other controls; showing the form applies the window rule.
        connect(group, &WorkTimeGroup::switchChanged, this, [this] { step([] {}); });
        connect(group, &WorkTimeGroup::boxToggled, this,
                [this, window](int box, bool checked) {
                    step([&] { m_form.windows[window].boxClicked(box, checked); });
                });
        windowsColumn->addWidget(group);
        m_windows[window] = group;
    }
    windowsColumn->addStretch();

    auto *columns = new QHBoxLayout;
    columns->addLayout(settingsColumn, 2);
    columns->addLayout(windowsColumn, 3);

    QPushButton *ok = MakeDialogButton(QStringLiteral("OK"), QStringLiteral("okButton"), this);
    QPushButton *defaults = MakeDialogButton(tr("Default"), QStringLiteral("defaultButton"), this);
    QPushButton *cancel = MakeDialogButton(tr("Cancel"), QStringLiteral("cancelButton"), this);
    connect(ok, &QPushButton::clicked, this, &CameraDialog::onOk);
    connect(defaults, &QPushButton::clicked, this, &CameraDialog::onDefault);
    connect(cancel, &QPushButton::clicked, this, &CameraDialog::reject);

    // Tab runs down the left column's groups, then down the work-time windows.
    QList<QWidget *> chain;
    for (const CameraGroup &group : CameraGroups()) {
        for (CameraSetting setting : group.settings)
            chain << controlsOf(setting).combo;
    }
    for (const WorkTimeGroup *group : m_windows)
        chain << group->tabChain();
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
    if (!m_windows.front())
        buildLayout();
    m_form.load(m_record);
    showForm();
    return m_prompter.runModal(*this);
}

void CameraDialog::readControls()
{
    for (CameraSetting setting : kCameraSettings)
        m_form.setValue(setting, controlsOf(setting).combo->currentIndex());
    for (int window = 0; window < CameraForm::kWindowCount; ++window)
        m_windows[window]->take(m_form.windows[window].values);
}

void CameraDialog::showForm()
{
    const CameraState state = m_form.state();
    for (CameraSetting setting : kCameraSettings) {
        const SettingControls &controls = controlsOf(setting);
        const QSignalBlocker blocker(controls.combo);
        controls.combo->setCurrentIndex(m_form.value(setting));
        const bool enabled = state.isEnabled(setting);
        controls.combo->setEnabled(enabled);
        controls.label->setEnabled(enabled);
    }
    for (int window = 0; window < CameraForm::kWindowCount; ++window)
        m_windows[window]->display(m_form.windows[window]);
}

void CameraDialog::onSettingChanged(CameraSetting setting)
{
    readControls();
    const std::optional<Message> note = m_form.settingChanged(setting, m_form.value(setting));
    if (note)
        m_prompter.show(this, *note);
    showForm();
}

void CameraDialog::onOk()
{
    readControls();
    if (const std::optional<Message> failure = m_form.store(m_record)) {
        m_prompter.show(this, *failure);
        if (const int window = m_form.fault(); window >= 0)
            m_windows[window]->focusFault(m_form.windows[window].fault());
        return;
    }
    accept();
}

void CameraDialog::onDefault()
{
    // The toolkit shows a line break where the camera's own text has "\r\n".
    if (!m_prompter.askYesNo(this, tr("Camera Default Setting"),
                             tr("You'll restore the default camera setting,\r\nAre you sure?")))
        return;
    m_form.reset();
    showForm();
}
