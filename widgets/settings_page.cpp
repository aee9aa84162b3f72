#include "widgets/settings_page.h"

#include "widgets/camera_dialog.h"
#include "widgets/dialog_controls.h"
#include "widgets/field_note.h"
#include "widgets/operator_dialog.h"
#include "widgets/prompter.h"
#include "widgets/setting_controls.h"
#include "widgets/sender_email_dialog.h"
#include "settings/page_schema.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QGroupBox *groupBox(const SettingGroup &group, QWidget *parent)
{
    return new QGroupBox(group.title(), parent);
}

// An edit field for a few characters: as wide as `count` of them.
void fitWidth(QWidget *edit, QChar widest, int count, int margin)
{
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(widest) * count + margin);
}

} // namespace

SettingsPage::SettingsPage(ProfileSession &session, Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , WindowView(m_page, prompter, *this)
    , m_page(session)
    , m_emailSettingDialog(new SenderEmailDialog(session.record, session.presets, prompter, this))
    , m_operatorDialog(new OperatorDialog(session.record.operator_, prompter, this))
    , m_camDialog(new CameraDialog(session.record, prompter, this))
{
    setObjectName(QStringLiteral("settingsPage"));
    const auto group = [](const QString &key) -> const SettingGroup & {
        for (const SettingGroup &each : PageGroups())
            if (each.key == key)
                return each;
        qFatal("No page group %s", qPrintable(key));
    };
    const PageKeys &keys = PageKey();
    // The folder is read first: a folder too long is named before any other value.
    QWidget *savePath = buildSavePath();

    // Paired rows, so that neighbouring groups share their height.
    auto *groups = new QGridLayout;
    groups->addWidget(buildSendMode(group(keys.sendModeGroup)), 0, 0);
    groups->addWidget(buildSendTo(group(keys.sendToGroup)), 0, 1);
    groups->addWidget(buildOperator(group(keys.operatorGroup)), 1, 0);
    groups->addWidget(buildControl(group(keys.controlGroup)), 1, 1);
    groups->addWidget(buildRecipients(group(QStringLiteral("recipients"))), 2, 0, 1, 2);
    groups->addWidget(buildRename(group(QStringLiteral("rename"))), 3, 0, 1, 2);
    groups->setColumnStretch(0, 1);
    groups->setColumnStretch(1, 1);

    auto *page = new QVBoxLayout(this);
    page->addLayout(groups);
    page->addWidget(savePath);
    m_tabChain << control(keys.savePath)->widget() << findChild<QPushButton *>(QStringLiteral("browseButton"));
    page->addWidget(buildButtons());
    // Tab follows the groups from top to bottom, left to right, and each row of the recipients.
    SetTabChain(m_tabChain);
}

SettingsPage::~SettingsPage() = default;

SettingControl &SettingsPage::place(const SettingRow &row, QWidget *parent)
{
    SettingControl &made = bind(row, parent);
    m_tabChain << made.widgets();
    return made;
}

QPushButton *SettingsPage::button(PageAction action, QWidget *parent)
{
    const PageButton &made = PageButtonOf(action);
    QPushButton *pushButton = MakeDialogButton(made.text(), made.objectName, parent);
    SetTip(pushButton, made.tip);
    return pushButton;
}

// Each switch starts a line; the settings it switches stand beside it.
QWidget *SettingsPage::buildSendMode(const SettingGroup &group)
{
    QGroupBox *box = groupBox(group, this);
    auto *grid = new QGridLayout(box);
    QHBoxLayout *beside = nullptr;
    int line = -1;
    for (const SettingRow &row : group.rows) {
        SettingControl &made = place(row, box);
        if (row.kind == SettingKind::Choice) {
            if (beside)
                beside->addStretch();
            grid->addWidget(made.label(box), ++line, 0);
            grid->addWidget(made.widget(), line, 1);
            beside = new QHBoxLayout;
            grid->addLayout(beside, line, 2);
            continue;
        }
        made.nameItself();
        if (row.kind == SettingKind::Number) {
            auto *edit = static_cast<QLineEdit *>(made.widget());
            edit->setAlignment(Qt::AlignCenter);
            fitWidth(edit, u'0', 6, 12);
        } else if (beside->count() > 0) {
            // Hour : minute.
            m_dailyReportColon = new QLabel(QStringLiteral(":"), box);
            beside->addWidget(m_dailyReportColon);
        }
        beside->addWidget(made.widget());
        if (made.hint())
            beside->addWidget(made.hint());
    }
    beside->addStretch();
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget *SettingsPage::buildSendTo(const SettingGroup &group)
{
    QGroupBox *box = groupBox(group, this);
    auto &sendTo = static_cast<RadioControl &>(place(group.rows.at(0), box));
    // Object names stay English in every language: tests and tools find controls by them.
    sendTo.button(0)->setObjectName(QStringLiteral("phoneRadio"));
    sendTo.button(1)->setObjectName(QStringLiteral("emailRadio"));
    SetTip(sendTo.button(0), {"PageTips", QT_TRANSLATE_NOOP("PageTips",
                                                            "Send photos and videos by MMS to the phone numbers below.")});
    SetTip(sendTo.button(1), {"PageTips", QT_TRANSLATE_NOOP("PageTips",
                                                            "Send photos and videos by e-mail to the addresses below.")});
    QPushButton *emailSetting = button(PageAction::EmailSetting, box);
    m_tabChain << emailSetting;

    auto *grid = new QGridLayout(box);
    grid->addWidget(sendTo.button(0), 0, 0);
    grid->addWidget(sendTo.button(1), 0, 1);
    grid->addWidget(emailSetting, 0, 2);
    // The lists below the buttons, a line each.
    for (int line = 1; line < group.rows.size(); ++line) {
        SettingControl &list = place(group.rows.at(line), box);
        grid->addWidget(list.label(box), line, 0, 1, 2);
        grid->addWidget(list.widget(), line, 2);
    }
    grid->setColumnStretch(3, 1);
    // Each dialog edits the record: the page's values are read first.
    connect(emailSetting, &QPushButton::clicked, this, [this] {
        step([] { return std::nullopt; });
        m_emailSettingDialog->run();
    });
    return box;
}

QWidget *SettingsPage::buildOperator(const SettingGroup &group)
{
    QGroupBox *box = groupBox(group, this);
    auto *grid = new QGridLayout(box);
    for (int line = 0; line < group.rows.size(); ++line) {
        SettingControl &made = place(group.rows.at(line), box);
        grid->addWidget(made.label(box), line, 0);
        grid->addWidget(made.widget(), line, 1);
    }
    m_customButton = button(PageAction::Custom, box);
    m_tabChain << m_customButton;
    grid->addWidget(m_customButton, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    connect(m_customButton, &QPushButton::clicked, this, [this] {
        step([] { return std::nullopt; });
        m_operatorDialog->run();
    });
    return box;
}

// A line per switch; the hours share the last line, beside their row's label.
QWidget *SettingsPage::buildControl(const SettingGroup &group)
{
    QGroupBox *box = groupBox(group, this);
    auto *grid = new QGridLayout(box);
    auto *hours = new QHBoxLayout;
    int line = 0;
    for (const SettingRow &row : group.rows) {
        SettingControl &made = place(row, box);
        if (row.kind == SettingKind::Choice) {
            grid->addWidget(made.label(box), line, 0);
            grid->addWidget(made.widget(), line++, 1);
            continue;
        }
        if (hours->count() > 0)
            hours->addSpacing(8);
        hours->addWidget(made.label(box));
        hours->addWidget(made.widget());
    }
    hours->addStretch();
    m_smsWorkTimeLabel = new QLabel(PageText().smsWorkTime(), box);
    grid->addWidget(m_smsWorkTimeLabel, line, 0);
    grid->addLayout(hours, line, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(line + 1, 1);
    return box;
}

// A phone and an address a line, each with its label.
QWidget *SettingsPage::buildRecipients(const SettingGroup &group)
{
    QGroupBox *box = groupBox(group, this);
    auto *grid = new QGridLayout(box);
    std::vector<SettingControl *> made;
    for (const SettingRow &row : group.rows)
        made.push_back(&bind(row, box));
    const auto lines = int(made.size() / 2);
    for (int line = 0; line < lines; ++line) {
        for (int column = 0; column < 2; ++column) {
            SettingControl &recipient = *made[std::size_t(column * lines + line)];
            grid->addWidget(recipient.label(box), line, column * 2);
            grid->addWidget(recipient.widget(), line, column * 2 + 1);
            m_tabChain << recipient.widget();
        }
    }
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 3);
    grid->setColumnMinimumWidth(2, 12);
    return box;
}

QWidget *SettingsPage::buildRename(const SettingGroup &group)
{
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(frame);
    SettingControl &rename = place(group.rows.at(0), frame);
    SettingControl &text = place(group.rows.at(1), frame);
    text.nameItself();
    fitWidth(text.widget(), u'W', group.rows.at(1).typing.limit, 16);
    QPushButton *camSetting = button(PageAction::CamSetting, frame);
    QPushButton *defaultAll = button(PageAction::DefaultAll, frame);
    m_tabChain << camSetting << defaultAll;

    row->addWidget(rename.label(frame));
    row->addWidget(rename.widget());
    row->addWidget(text.widget());
    row->addWidget(text.hint());
    row->addStretch();
    row->addWidget(camSetting);
    row->addWidget(defaultAll);
    connect(camSetting, &QPushButton::clicked, this, [this] {
        step([] { return std::nullopt; });
        m_camDialog->run();
    });
    connect(defaultAll, &QPushButton::clicked, this, &SettingsPage::onDefaultAll);
    return frame;
}

QWidget *SettingsPage::buildSavePath()
{
    auto *row = new QWidget(this);
    SettingControl &path = bind(SavePathRow(), row);
    m_savePathNote = qobject_cast<FieldNote *>(const_cast<QValidator *>(
        static_cast<QLineEdit *>(path.widget())->validator()));
    QPushButton *browse = button(PageAction::Browse, row);
    browse->setAccessibleName(QCoreApplication::translate("PageItems", "Choose the save folder"));
    connect(browse, &QPushButton::clicked, this, &SettingsPage::onBrowse);

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(path.label(row));
    layout->addWidget(path.widget(), 1);
    layout->addWidget(browse);
    return row;
}

QWidget *SettingsPage::buildButtons()
{
    auto *row = new QWidget(this);
    QPushButton *ok = button(PageAction::Ok, row);
    QPushButton *cancel = button(PageAction::Cancel, row);
    m_tabChain << ok << cancel;
    connect(ok, &QPushButton::clicked, this, &SettingsPage::onOk);
    connect(cancel, &QPushButton::clicked, this, &SettingsPage::cancelRequested);

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(ok);
    layout->addWidget(cancel);
    return row;
}

void SettingsPage::showMore()
{
    const PageKeys &keys = PageKey();
    m_dailyReportColon->setEnabled(m_page.state(keys.dailyReportHour).enabled);
    m_smsWorkTimeLabel->setEnabled(m_page.state(keys.smsStart).enabled);

    SettingControl &commandPhone = *control(keys.phones.first());
    const bool commands = m_page.commandPhone();
    commandPhone.existingLabel()->setText(commands ? PageText().commandPhone() : commandPhone.row().label());
    SetTip(commandPhone.widget(), commands ? PageText().commandPhoneTip : commandPhone.row().tip);

    const bool custom = m_page.customEnabled();
    m_customButton->setEnabled(custom);
    SetTip(m_customButton, custom ? PageButtonOf(PageAction::Custom).tip : PageText().customDisabledTip);

    // Typing stops at the limit, but a longer folder from the picker is shown
    // whole, to be refused when the page is read: cut, it would name another folder.
    const auto pathLength = int(m_page.value(keys.savePath).toString().size());
    m_savePathNote->setLimit(std::max(SavePathRow().typing.limit, pathLength));
}

PageModel::Ask SettingsPage::asker()
{
    return [this](const Message &question) { return m_prompter.askYesNo(this, question.caption, question.text); };
}

void SettingsPage::load()
{
    openModel();
    m_page.markSaved();
}

bool SettingsPage::mayClose()
{
    read();
    return m_page.mayClose(asker());
}

bool SettingsPage::openFile(const QString &path)
{
    if (const auto refused = m_page.openFile(path)) {
        m_prompter.show(this, *refused);
        return false;
    }
    showModel();
    return true;
}

void SettingsPage::showSavePath(const QString &folder)
{
    step([&] { return m_page.set(PageKey().savePath, folder); });
}

void SettingsPage::onOk()
{
    read();
    const OkOutcome outcome = m_page.save(asker());
    for (const SettingFault &message : outcome.messages)
        report(message);
    if (outcome.savedIn)
        emit saved(*outcome.savedIn);
}

void SettingsPage::onBrowse()
{
    if (const auto fault = read())
        report(*fault);
    const auto folder = m_prompter.pickFolder(this, QCoreApplication::translate("Messages", "Please Select the Save Path"),
                                              m_page.pickerStart(), m_page.pickerDrives());
    if (!folder)
        return;
    if (const auto refused = m_page.folderChosen(*folder)) {
        m_prompter.show(this, *refused);
        return;
    }
    showModel();
}

void SettingsPage::onDefaultAll()
{
    if (const auto fault = read())
        report(*fault);
    if (m_page.defaultAll(asker()))
        showModel();
}
