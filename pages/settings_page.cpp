#include "pages/settings_page.h"

#include "dialogs/camera_dialog.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/operator_dialog.h"
#include "dialogs/prompter.h"
#include "dialogs/sender_email_dialog.h"
#include "dialogs/field_note.h"
#include "forms/camera_schema.h"
#include "forms/page_items.h"
#include "forms/page_reading.h"
#include "forms/page_tips.h"
#include "forms/two_digit_texts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using Characters = TypedTextRule::Characters;

// What a screen reader hears beside a field's name: the hint beside it, then its tip.
QString describedBy(const QString &hint, const QString &tip)
{
    return QCoreApplication::translate("PageItems", "%1 %2", "accessible description: the hint, then the tip")
        .arg(hint, tip);
}

void setIndex(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

} // namespace

SettingsPage::SettingsPage(ProfileSession &session, Prompter &prompter, int headerConstant, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_prompter(prompter)
    , m_headerConstant(headerConstant)
    , m_form(session)
    , m_emailSettingDialog(new SenderEmailDialog(session.record, session.presets, prompter, this))
    , m_operatorDialog(new OperatorDialog(session.record.operator_, prompter, this))
    , m_camDialog(new CameraDialog(session.record, prompter, this))
{
    setObjectName(QStringLiteral("settingsPage"));
    buildControls();
    connectHandlers();
}

SettingsPage::~SettingsPage() = default;

void SettingsPage::buildControls()
{
    buildSettings();
    // Paired rows, so that neighbouring groups share their height.
    auto *groups = new QGridLayout;
    groups->addWidget(buildSendMode(), 0, 0);
    groups->addWidget(buildSendTo(), 0, 1);
    groups->addWidget(buildOperatorParameter(), 1, 0);
    groups->addWidget(buildGpsSms(), 1, 1);
    groups->addWidget(buildRecipients(), 2, 0, 1, 2);
    groups->addWidget(buildRenameFrame(), 3, 0, 1, 2);
    groups->setColumnStretch(0, 1);
    groups->setColumnStretch(1, 1);

    auto *page = new QVBoxLayout(this);
    page->addLayout(groups);
    page->addWidget(buildSavePath());
    page->addWidget(buildButtons());

    // Tab follows the groups from top to bottom, left to right, and each row of the recipients.
    QList<QWidget *> chain{settingCombo(PageSetting::Instant), m_instantNumberEdit,
                           settingCombo(PageSetting::DailyReport), m_dailyReportHourCombo, m_dailyReportMinuteCombo,
                           m_phoneRadio, m_emailRadio, m_emailSettingButton, settingCombo(PageSetting::EmailSize),
                           m_countryCombo, m_operatorCombo, m_customButton, settingCombo(PageSetting::Gps),
                           settingCombo(PageSetting::SmsSwitch), m_smsStartCombo, m_smsStopCombo};
    for (std::size_t i = 0; i < kRecipientCount; ++i)
        chain << m_phoneEdits[i] << m_emailEdits[i];
    chain << settingCombo(PageSetting::Rename) << m_renameEdit << m_camSettingButton << m_defaultAllButton
          << m_savePathEdit << m_browseButton << m_okButton << m_cancelButton;
    SetTabChain(chain);
}

void SettingsPage::buildSettings()
{
    for (PageSetting setting : kPageSettings) {
        const SettingRow &row = PageSettingOf(setting);
        settingCombo(setting) = MakeCombo(row.objectName, row.itemTexts(), this);
        settingLabel(setting) = MakeLabel(row.label(), settingCombo(setting), this);
        SetTip(settingCombo(setting), row.tip);
    }
}

QWidget *SettingsPage::buildSendMode()
{
    auto *group = new QGroupBox(PageItems::sendModeTitle(), this);
    // Nine digits: room for any number "OK" names out of range, none too large to read.
    m_instantNumberEdit = MakeTypedEdit(QStringLiteral("instantNumberEdit"), {Characters::Digits, 9}, group);
    m_instantNumberEdit->setAlignment(Qt::AlignCenter);
    m_instantNumberEdit->setAccessibleName(PageItems::instantNumberName());
    m_instantNumberEdit->setFixedWidth(m_instantNumberEdit->fontMetrics().horizontalAdvance(u'0') * 6 + 12);
    m_instantHint = new QLabel(PageItems::instantHint(), group);

    m_dailyReportHourCombo =
        MakeCombo(QStringLiteral("dailyReportHourCombo"), TwoDigitItems(kHourCount), group);
    m_dailyReportHourCombo->setAccessibleName(PageItems::dailyReportHourName());
    m_dailyReportColon = new QLabel(QStringLiteral(":"), group);
    m_dailyReportMinuteCombo =
        MakeCombo(QStringLiteral("dailyReportMinuteCombo"), TwoDigitItems(kMinuteCount), group);
    m_dailyReportMinuteCombo->setAccessibleName(PageItems::dailyReportMinuteName());
    SetTip(m_instantNumberEdit, PageTips::instantNumber);
    // Screen readers hear the hint beside the field as well as the tip.
    m_instantNumberEdit->setAccessibleDescription(
        describedBy(m_instantHint->text(), m_instantNumberEdit->toolTip()));
    SetTip(m_dailyReportHourCombo, PageTips::dailyReportTime);
    SetTip(m_dailyReportMinuteCombo, PageTips::dailyReportTime);

    auto *instantValue = new QHBoxLayout;
    instantValue->addWidget(m_instantNumberEdit);
    instantValue->addWidget(m_instantHint);
    instantValue->addStretch();

    auto *time = new QHBoxLayout;
    time->addWidget(m_dailyReportHourCombo);
    time->addWidget(m_dailyReportColon);
    time->addWidget(m_dailyReportMinuteCombo);
    time->addStretch();

    auto *grid = new QGridLayout(group);
    grid->addWidget(settingLabel(PageSetting::Instant), 0, 0);
    grid->addWidget(settingCombo(PageSetting::Instant), 0, 1);
    grid->addLayout(instantValue, 0, 2);
    grid->addWidget(settingLabel(PageSetting::DailyReport), 1, 0);
    grid->addWidget(settingCombo(PageSetting::DailyReport), 1, 1);
    grid->addLayout(time, 1, 2);
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget *SettingsPage::buildSendTo()
{
    auto *group = new QGroupBox(PageItems::sendToTitle(), this);
    const QStringList sendToItems = PageItems::sendToItems();
    m_phoneRadio = new QRadioButton(sendToItems.at(0), group);
    m_phoneRadio->setObjectName(QStringLiteral("phoneRadio"));
    m_emailRadio = new QRadioButton(sendToItems.at(1), group);
    m_emailRadio->setObjectName(QStringLiteral("emailRadio"));
    m_sendToGroup = new QButtonGroup(this);
    m_sendToGroup->addButton(m_phoneRadio, 0);
    m_sendToGroup->addButton(m_emailRadio, 1);
    m_emailSettingButton = MakeDialogButton(PageItems::emailSettingButtonText(), QStringLiteral("emailSettingButton"), group);
    SetTip(m_phoneRadio, PageTips::sendByPhone);
    SetTip(m_emailRadio, PageTips::sendByEmail);
    SetTip(m_emailSettingButton, PageTips::emailSetting);

    auto *grid = new QGridLayout(group);
    grid->addWidget(m_phoneRadio, 0, 0);
    grid->addWidget(m_emailRadio, 0, 1);
    grid->addWidget(m_emailSettingButton, 0, 2);
    grid->addWidget(settingLabel(PageSetting::EmailSize), 1, 0, 1, 2);
    grid->addWidget(settingCombo(PageSetting::EmailSize), 1, 2);
    grid->setColumnStretch(3, 1);
    return group;
}

QWidget *SettingsPage::buildRecipients()
{
    auto *group = new QGroupBox(PageItems::recipientsTitle(), this);
    auto *grid = new QGridLayout(group);
    for (int i = 0; i < kRecipientCount; ++i) {
        const auto slot = std::size_t(i);
        // No limit: a number too long is named by "OK", not cut while it is typed.
        m_phoneEdits[slot] =
            MakeTypedEdit(QStringLiteral("phoneNumber%1Edit").arg(i + 1), {Characters::PhoneNumber}, group);
        m_phoneLabels[slot] = MakeLabel(PageItems::phoneNumberLabel(i), m_phoneEdits[slot], group);
        m_phoneLabels[slot]->setObjectName(QStringLiteral("phoneNumber%1Label").arg(i + 1));
        m_emailEdits[slot] =
            MakeTypedEdit(QStringLiteral("receiveEmail%1Edit").arg(i + 1), {Characters::CodePage}, group);
        m_emailLabels[slot] = MakeLabel(PageItems::receiveEmailLabel(i), m_emailEdits[slot], group);
        m_emailLabels[slot]->setObjectName(QStringLiteral("receiveEmail%1Label").arg(i + 1));
        SetTip(m_phoneEdits[slot], PageTips::phoneNumber);
        SetTip(m_emailEdits[slot], PageTips::receiveEmail);

        grid->addWidget(m_phoneLabels[slot], i, 0);
        grid->addWidget(m_phoneEdits[slot], i, 1);
        grid->addWidget(m_emailLabels[slot], i, 2);
        grid->addWidget(m_emailEdits[slot], i, 3);
    }
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 3);
    grid->setColumnMinimumWidth(2, 12);
    return group;
}

QWidget *SettingsPage::buildOperatorParameter()
{
    auto *group = new QGroupBox(PageItems::operatorParameterTitle(), this);
    m_countryCombo = MakeCombo(QStringLiteral("countryCombo"), {}, group);
    m_operatorCombo = MakeCombo(QStringLiteral("operatorCombo"), {}, group);
    m_customButton = MakeDialogButton(PageItems::customButtonText(), QStringLiteral("customButton"), group);
    SetTip(m_countryCombo, PageTips::country);
    SetTip(m_operatorCombo, PageTips::operatorName);

    auto *grid = new QGridLayout(group);
    grid->addWidget(MakeLabel(PageItems::countryLabel(), m_countryCombo, group), 0, 0);
    grid->addWidget(m_countryCombo, 0, 1);
    grid->addWidget(MakeLabel(PageItems::operatorLabel(), m_operatorCombo, group), 1, 0);
    grid->addWidget(m_operatorCombo, 1, 1);
    grid->addWidget(m_customButton, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    return group;
}

QWidget *SettingsPage::buildGpsSms()
{
    auto *group = new QGroupBox(PageItems::gpsSmsTitle(), this);
    m_smsStartCombo = MakeCombo(QStringLiteral("smsStartCombo"), TwoDigitItems(kHourCount), group);
    m_smsStopCombo = MakeCombo(QStringLiteral("smsStopCombo"), TwoDigitItems(kHourCount), group);
    m_smsWorkTimeLabel = new QLabel(PageItems::smsWorkTimeLabel(), group);
    m_smsStartLabel = MakeLabel(PageItems::smsStartLabel(), m_smsStartCombo, group);
    m_smsStopLabel = MakeLabel(PageItems::smsStopLabel(), m_smsStopCombo, group);
    m_smsStartCombo->setAccessibleName(PageItems::smsStartName());
    m_smsStopCombo->setAccessibleName(PageItems::smsStopName());
    SetTip(m_smsStartCombo, PageTips::smsStart);
    SetTip(m_smsStopCombo, PageTips::smsStop);

    auto *hours = new QHBoxLayout;
    hours->addWidget(m_smsStartLabel);
    hours->addWidget(m_smsStartCombo);
    hours->addSpacing(8);
    hours->addWidget(m_smsStopLabel);
    hours->addWidget(m_smsStopCombo);
    hours->addStretch();

    auto *grid = new QGridLayout(group);
    grid->addWidget(settingLabel(PageSetting::Gps), 0, 0);
    grid->addWidget(settingCombo(PageSetting::Gps), 0, 1);
    grid->addWidget(settingLabel(PageSetting::SmsSwitch), 1, 0);
    grid->addWidget(settingCombo(PageSetting::SmsSwitch), 1, 1);
    grid->addWidget(m_smsWorkTimeLabel, 2, 0);
    grid->addLayout(hours, 2, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
    return group;
}

QWidget *SettingsPage::buildRenameFrame()
{
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    // Letters shown in upper case; any other character the card holds is taken, so that "OK" can name it.
    m_renameEdit =
        MakeTypedEdit(QStringLiteral("renameEdit"), {Characters::CodePage, kRenameTextLimit, true}, frame);
    m_renameEdit->setAccessibleName(PageItems::renameTextName());
    m_renameEdit->setFixedWidth(m_renameEdit->fontMetrics().horizontalAdvance(u'W') * kRenameTextLimit + 16);
    m_renameHint = new QLabel(PageItems::renameHint(), frame);
    m_camSettingButton = MakeDialogButton(PageItems::camSettingButtonText(), QStringLiteral("camSettingButton"), frame);
    m_defaultAllButton = MakeDialogButton(PageItems::defaultAllButtonText(), QStringLiteral("defaultAllButton"), frame);
    SetTip(m_renameEdit, PageTips::renameText);
    m_renameEdit->setAccessibleDescription(describedBy(m_renameHint->text(), m_renameEdit->toolTip()));
    SetTip(m_camSettingButton, PageTips::camSetting);
    SetTip(m_defaultAllButton, PageTips::defaultAll);

    auto *row = new QHBoxLayout(frame);
    row->addWidget(settingLabel(PageSetting::Rename));
    row->addWidget(settingCombo(PageSetting::Rename));
    row->addWidget(m_renameEdit);
    row->addWidget(m_renameHint);
    row->addStretch();
    row->addWidget(m_camSettingButton);
    row->addWidget(m_defaultAllButton);
    return frame;
}

QWidget *SettingsPage::buildSavePath()
{
    auto *row = new QWidget(this);
    m_savePathEdit = new QLineEdit(row);
    m_savePathEdit->setObjectName(QStringLiteral("savePathEdit"));
    m_savePathNote = new FieldNote(m_savePathEdit, {Characters::Any, kSavePathLimit});
    m_browseButton = MakeDialogButton(QStringLiteral("..."), QStringLiteral("browseButton"), row);
    m_browseButton->setAccessibleName(PageItems::browseName());
    SetTip(m_savePathEdit, PageTips::savePath);
    SetTip(m_browseButton, PageTips::browse);

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MakeLabel(PageItems::savePathLabel(), m_savePathEdit, row));
    layout->addWidget(m_savePathEdit, 1);
    layout->addWidget(m_browseButton);
    return row;
}

QWidget *SettingsPage::buildButtons()
{
    auto *row = new QWidget(this);
    m_okButton = MakeDialogButton(QStringLiteral("OK"), QStringLiteral("okButton"), row);
    m_cancelButton = MakeDialogButton(PageItems::cancelButtonText(), QStringLiteral("cancelButton"), row);
    SetTip(m_okButton, PageTips::ok);
    SetTip(m_cancelButton, PageTips::cancel);

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(m_okButton);
    layout->addWidget(m_cancelButton);
    return row;
}

void SettingsPage::connectHandlers()
{
    // Other controls follow these: a change runs the page's rules at once.
    for (PageSetting setting : {PageSetting::Instant, PageSetting::DailyReport, PageSetting::SmsSwitch,
                                PageSetting::Rename})
        connect(settingCombo(setting), &QComboBox::currentIndexChanged, this,
                [this, setting](int index) { step([&] { m_form.choiceChanged(setting, index); }); });
    // The time has no rules: reading the controls takes it.
    connect(m_dailyReportHourCombo, &QComboBox::currentIndexChanged, this, &SettingsPage::readControls);
    connect(m_dailyReportMinuteCombo, &QComboBox::currentIndexChanged, this, &SettingsPage::readControls);
    // The checked button is read with the other controls. On its change of state, not
    // on a click: a screen reader's "Toggle" checks a button without clicking it.
    connect(m_sendToGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            step([] {});
    });
    connect(m_smsStartCombo, &QComboBox::currentIndexChanged, this,
            [this](int hour) { step([&] { m_form.smsStartChanged(hour); }); });
    connect(m_smsStopCombo, &QComboBox::currentIndexChanged, this,
            [this](int hour) { step([&] { m_form.smsStopChanged(hour); }); });
    connect(m_countryCombo, &QComboBox::currentIndexChanged, this, &SettingsPage::onCountryChanged);
    connect(m_operatorCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        step([&] { m_form.operators().operatorChanged(index); });
    });
    // Each dialog edits the record: the page's values are read first.
    const auto opens = [this](QPushButton *button, auto *dialog) {
        connect(button, &QPushButton::clicked, this, [this, dialog] {
            readControls();
            dialog->run();
        });
    };
    opens(m_emailSettingButton, m_emailSettingDialog);
    opens(m_customButton, m_operatorDialog);
    opens(m_camSettingButton, m_camDialog);
    connect(m_okButton, &QPushButton::clicked, this, &SettingsPage::onOkClicked);
    connect(m_browseButton, &QPushButton::clicked, this, &SettingsPage::onBrowseClicked);
    connect(m_defaultAllButton, &QPushButton::clicked, this, &SettingsPage::onDefaultAllClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &SettingsPage::cancelRequested);
}

void SettingsPage::load()
{
    m_form.load();
    showOpened();
    m_form.markSaved(controlValues());
}

bool SettingsPage::mayClose()
{
    if (!m_form.hasUnsavedChanges(controlValues()))
        return true;
    return m_prompter.askYesNo(this, DiscardChangesCaption(), DiscardChangesQuestion());
}

bool SettingsPage::openFile(const QString &path)
{
    if (const auto refused = m_form.openFile(path)) {
        m_prompter.show(this, *refused);
        return false;
    }
    showOpened();
    return true;
}

void SettingsPage::showSavePath(const QString &folder)
{
    step([&] { m_form.values().save_path = folder; });
}

void SettingsPage::showOpened()
{
    const QSignalBlocker blocker(m_countryCombo);
    m_countryCombo->clear();
    m_countryCombo->addItems(m_session.catalogue.countryNames());
    fillOperatorCombo();
    showForm();
}

void SettingsPage::fillOperatorCombo()
{
    const QSignalBlocker blocker(m_operatorCombo);
    m_operatorCombo->clear();
    m_operatorCombo->addItems(m_form.operators().operatorItems());
}

PageControls SettingsPage::controlValues() const
{
    PageControls controls;
    controls.save_path = m_savePathEdit->text();
    controls.instant_number = m_instantNumberEdit->text();
    controls.daily_report_hour = m_dailyReportHourCombo->currentIndex();
    controls.daily_report_minute = m_dailyReportMinuteCombo->currentIndex();
    controls.send_to = m_sendToGroup->checkedId();
    controls.rename_text = m_renameEdit->text();
    for (PageSetting setting : kPageSettings)
        controls.choice(setting) = m_settingCombos[std::size_t(setting)]->currentIndex();
    controls.sms_start_hour = m_smsStartCombo->currentIndex();
    controls.sms_stop_hour = m_smsStopCombo->currentIndex();
    for (std::size_t i = 0; i < kRecipientCount; ++i) {
        controls.phone_number[i] = m_phoneEdits[i]->text();
        controls.receive_email[i] = m_emailEdits[i]->text();
    }
    return controls;
}

void SettingsPage::readControls()
{
    m_pointAtFault = false;
    const PageControls controls = controlValues();
    const auto message = m_form.take(controls);
    m_keepTypedNumber = !ReadInstantNumber(controls.instant_number).has_value();
    if (message) {
        m_prompter.show(this, *message);
        m_pointAtFault = true;
        focusFault();
    }
}

void SettingsPage::focusFault()
{
    const std::optional<PageFault> &fault = m_form.fault();
    if (!fault)
        return;
    using Field = PageFault::Field;
    const auto slot = std::size_t(std::clamp(fault->recipient, 0, kRecipientCount - 1));
    // A disabled field is still checked: the user is put on the control that enables it.
    QLineEdit *field = m_savePathEdit;
    QWidget *enabler = m_savePathEdit;
    switch (fault->field) {
    case Field::SavePath: break;
    case Field::InstantNumber: field = m_instantNumberEdit; enabler = settingCombo(PageSetting::Instant); break;
    case Field::PhoneNumber: field = m_phoneEdits[slot]; enabler = m_phoneRadio; break;
    case Field::ReceiveEmail: field = m_emailEdits[slot]; enabler = m_emailRadio; break;
    case Field::RenameText: field = m_renameEdit; enabler = settingCombo(PageSetting::Rename); break;
    }
    if (!field->isEnabled()) {
        enabler->setFocus(Qt::OtherFocusReason);
        return;
    }
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void SettingsPage::showForm()
{
    const PageValues &values = m_form.values();
    QList<QObject *> controls{m_sendToGroup};
    for (QWidget *control : findChildren<QWidget *>())
        controls.append(control);
    const auto blockers = BlockSignals(controls);

    // Typing stops at the limit, but a longer folder from the picker is shown
    // whole, to be refused when the page is read: cut, it would name another folder.
    m_savePathNote->setLimit(std::max<int>(kSavePathLimit, int(values.save_path.size())));
    m_savePathEdit->setText(values.save_path);
    if (!m_keepTypedNumber)
        m_instantNumberEdit->setText(QString::number(values.instant_number));
    m_keepTypedNumber = false;
    setIndex(m_dailyReportHourCombo, values.daily_report_hour);
    setIndex(m_dailyReportMinuteCombo, values.daily_report_minute);
    m_phoneRadio->setChecked(values.send_to == 0);
    m_emailRadio->setChecked(values.send_to == 1);
    for (PageSetting setting : kPageSettings)
        setIndex(m_settingCombos[std::size_t(setting)], values.choice(setting));
    setIndex(m_countryCombo, values.country_position);
    setIndex(m_operatorCombo, values.operator_position);
    m_renameEdit->setText(values.rename_text);
    setIndex(m_smsStartCombo, values.sms_start_hour);
    setIndex(m_smsStopCombo, values.sms_stop_hour);
    for (std::size_t i = 0; i < kRecipientCount; ++i) {
        m_phoneEdits[i]->setText(values.phone_number[i]);
        m_emailEdits[i]->setText(values.receive_email[i]);
    }

    const PageState state = m_form.state();
    m_instantNumberEdit->setEnabled(state.instant_number_enabled);
    m_instantHint->setEnabled(state.instant_number_enabled);
    m_dailyReportHourCombo->setEnabled(state.daily_report_time_enabled);
    m_dailyReportColon->setEnabled(state.daily_report_time_enabled);
    m_dailyReportMinuteCombo->setEnabled(state.daily_report_time_enabled);
    for (QWidget *widget :
         QList<QWidget *>{m_smsWorkTimeLabel, m_smsStartLabel, m_smsStartCombo, m_smsStopLabel, m_smsStopCombo})
        widget->setEnabled(state.sms_work_time_enabled);
    m_renameEdit->setEnabled(state.rename_text_enabled);
    m_renameHint->setEnabled(state.rename_text_enabled);
    m_phoneLabels[0]->setText(state.first_phone_label);
    SetTip(m_phoneEdits[0], state.command_phone ? PageTips::commandPhone : PageTips::phoneNumber);
    for (std::size_t i = 0; i < kRecipientCount; ++i) {
        m_phoneLabels[i]->setEnabled(state.phone_enabled[i]);
        m_phoneEdits[i]->setEnabled(state.phone_enabled[i]);
        m_emailLabels[i]->setEnabled(state.email_enabled[i]);
        m_emailEdits[i]->setEnabled(state.email_enabled[i]);
    }
    settingLabel(PageSetting::EmailSize)->setEnabled(state.email_size_enabled);
    settingCombo(PageSetting::EmailSize)->setEnabled(state.email_size_enabled);
    m_customButton->setEnabled(state.custom_enabled);
    SetTip(m_customButton, state.custom_enabled ? PageTips::custom : PageTips::customDisabled);

    if (std::exchange(m_pointAtFault, false))
        focusFault();
}

void SettingsPage::onCountryChanged(int index)
{
    step([&] {
        m_form.operators().countryChanged(index);
        fillOperatorCombo();
    });
}

void SettingsPage::onOkClicked()
{
    const auto saveAnyway = [this](const QStringList &problems) {
        return m_prompter.askYesNo(this, SaveCaption(), CannotSendQuestion(problems));
    };
    const OkOutcome outcome = m_form.save(controlValues(), m_headerConstant, saveAnyway);
    for (const Message &message : outcome.messages)
        m_prompter.show(this, message);
    if (outcome.saved_in)
        emit saved(*outcome.saved_in);
    focusFault();
}

void SettingsPage::onBrowseClicked()
{
    readControls();
    const auto folder =
        m_prompter.pickFolder(this, SavePathPickerTitle(), m_form.pickerStart(), m_form.pickerDrives());
    if (!folder)
        return;
    if (const auto refused = m_form.folderChosen(*folder)) {
        m_prompter.show(this, *refused);
        return;
    }
    showForm();
}

void SettingsPage::onDefaultAllClicked()
{
    readControls();
    if (!m_prompter.askYesNo(this, DefaultAllCaption(), DefaultAllQuestion()))
        return;
    m_form.defaultAll();
    m_keepTypedNumber = false;
    fillOperatorCombo();
    showForm();
}
