#include "dialogs/sender_email_dialog.h"

#include "dialogs/dialog_controls.h"
#include "dialogs/prompter.h"
#include "forms/dialog_tips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <array>

using Echo = SenderEmailForm::Echo;
using SenderField = SenderEmailForm::Field;

namespace {

QLineEdit::EchoMode echoMode(Echo echo)
{
    switch (echo) {
    case Echo::Normal: return QLineEdit::Normal;
    case Echo::Password: return QLineEdit::Password;
    case Echo::Blank: return QLineEdit::NoEcho;
    }
    return QLineEdit::Normal;
}

QFrame *makeFrame(const QString &objectName, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(objectName);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return frame;
}

} // namespace

SenderEmailDialog::SenderEmailDialog(ProfileRecord &record, EmailPresets &presets, Prompter &prompter,
                                 QWidget *parent)
    : ButtonDialog(parent)
    , m_record(record)
    , m_prompter(prompter)
    , m_form(presets)
{
    setObjectName(QStringLiteral("DlgEmailSetting"));
    setWindowTitle(SenderEmailForm::caption());
}

void SenderEmailDialog::buildControls()
{
    m_selectEmail = MakeCombo(QStringLiteral("selectEmailCombo"), ProviderNames(), this);
    auto *top = MakeFormLayout(nullptr);
    // The frames below carry their own margins; line the combo up with their fields.
    top->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin), 0,
                            style()->pixelMetric(QStyle::PM_LayoutRightMargin), 0);
    QList<QLabel *> labels{AddLabelledRow(top, SenderEmailForm::selectEmailLabel(), m_selectEmail)};

    QFrame *accountFrame = makeFrame(QStringLiteral("accountFrame"), this);
    auto *account = MakeFormLayout(accountFrame);
    m_email = MakeRecordTextEdit(QStringLiteral("emailEdit"), SenderEmailForm::kEmailLimit, accountFrame);
    m_account = MakeRecordTextEdit(QStringLiteral("accountEdit"), SenderEmailForm::kAccountLimit,
                                   accountFrame);
    m_password = MakeRecordTextEdit(QStringLiteral("passwordEdit"), SenderEmailForm::kPasswordLimit,
                                    accountFrame);
    m_showPassword = new QCheckBox(tr("Show password"), accountFrame);
    m_showPassword->setObjectName(QStringLiteral("showPasswordCheck"));
    labels << AddLabelledRow(account, SenderEmailForm::label(SenderField::Email), m_email)
           << AddLabelledRow(account, SenderEmailForm::label(SenderField::Account), m_account)
           << AddLabelledRow(account, SenderEmailForm::label(SenderField::Password), m_password);
    account->addRow(QString(), m_showPassword);

    QFrame *serverFrame = makeFrame(QStringLiteral("serverFrame"), this);
    auto *server = MakeFormLayout(serverFrame);
    m_smtpServer = MakeRecordTextEdit(QStringLiteral("smtpServerEdit"), SenderEmailForm::kServerLimit,
                                      serverFrame);
    m_secureType = MakeCombo(QStringLiteral("secureTypeCombo"), SenderEmailForm::secureTypeNames(),
                            serverFrame);
    m_secureType->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_smtpPort = MakeTypedEdit(QStringLiteral("smtpPortEdit"),
                               {TypedTextRule::Characters::Digits, SenderEmailForm::kPortLimit}, serverFrame);
    m_smtpPort->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10);
    SetTip(m_selectEmail, DialogTips::selectEmail);
    SetTip(m_email, DialogTips::senderEmail);
    SetTip(m_account, DialogTips::senderAccount);
    SetTip(m_password, DialogTips::senderPassword);
    SetTip(m_smtpServer, DialogTips::smtpServer);
    SetTip(m_secureType, DialogTips::secureType);
    SetTip(m_smtpPort, DialogTips::smtpPort);
    m_smtpServerLabel = AddLabelledRow(server, SenderEmailForm::label(SenderField::SmtpServer), m_smtpServer);
    m_secureTypeLabel = AddLabelledRow(server, SenderEmailForm::secureTypeLabel(), m_secureType);
    m_smtpPortLabel = AddLabelledRow(server, SenderEmailForm::label(SenderField::SmtpPort), m_smtpPort);
    labels << m_smtpServerLabel << m_secureTypeLabel << m_smtpPortLabel;
    AlignLabels(labels);

    // Room for a full address of typical length.
    m_email->setMinimumWidth(fontMetrics().averageCharWidth() * 36);

    connect(m_selectEmail, &QComboBox::currentIndexChanged, this, &SenderEmailDialog::onProviderChanged);
    connect(m_email, &QLineEdit::textChanged, this, &SenderEmailDialog::onEmailChanged);
    // Its change of state, however it comes: a click, Space or a screen reader's "Toggle".
    connect(m_showPassword, &QCheckBox::toggled, this, &SenderEmailDialog::onShowPasswordToggled);

    m_ok = MakeDialogButton(QStringLiteral("OK"), QStringLiteral("okButton"), this);
    m_cancel = MakeDialogButton(tr("Cancel"), QStringLiteral("cancelButton"), this);
    connect(m_ok, &QPushButton::clicked, this, &SenderEmailDialog::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &SenderEmailDialog::onCancel);

    SetTabChain({m_selectEmail, m_email, m_account, m_password, m_showPassword, m_smtpServer, m_secureType,
                 m_smtpPort, m_ok, m_cancel});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(accountFrame);
    layout->addWidget(serverFrame);
    layout->addLayout(MakeButtonRow({m_ok, m_cancel}));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int SenderEmailDialog::run()
{
    // Built when first opened, so that the main window paints sooner.
    if (!m_selectEmail)
        buildControls();
    m_form.load(m_record);
    {
        const QSignalBlocker blocker(m_selectEmail);
        m_selectEmail->setCurrentIndex(m_form.position());
    }
    showForm();
    m_selectEmail->setFocus(Qt::OtherFocusReason);
    return m_prompter.runModal(*this);
}

void SenderEmailDialog::readControls()
{
    m_form.texts = {m_email->text(), m_account->text(), m_password->text(), m_smtpServer->text(),
                    m_smtpPort->text()};
    m_form.secureTypeIndex = m_secureType->currentIndex();
}

void SenderEmailDialog::showForm()
{
    showState();
    showTexts();
}

void SenderEmailDialog::showTexts()
{
    // Account after Email: the account written here wins over the address.
    const auto blockers = BlockSignals({m_email, m_account, m_password, m_smtpServer, m_smtpPort, m_secureType});
    m_email->setText(m_form.texts.email);
    m_account->setText(m_form.texts.account);
    m_password->setText(m_form.texts.password);
    m_smtpServer->setText(m_form.texts.smtpServer);
    m_smtpPort->setText(m_form.texts.smtpPort);
    m_secureType->setCurrentIndex(m_form.secureTypeIndex);
}

void SenderEmailDialog::showState()
{
    const SenderEmailForm::State state = m_form.state();
    for (QLineEdit *edit : {m_email, m_account, m_smtpServer, m_smtpPort})
        edit->setEchoMode(echoMode(state.textEcho));
    m_password->setEchoMode(echoMode(state.passwordEcho));

    for (QLineEdit *edit : {m_email, m_account, m_password})
        edit->setEnabled(state.accountEnabled);
    m_showPassword->setEnabled(state.showPasswordEnabled);
    {
        // What the rules show is not the user's choice: the flag stays.
        const QSignalBlocker blocker(m_showPassword);
        m_showPassword->setChecked(state.showPasswordChecked);
    }

    for (QWidget *control : QList<QWidget *>{m_smtpServer, m_secureType, m_smtpPort, m_smtpServerLabel,
                                             m_secureTypeLabel, m_smtpPortLabel})
        control->setEnabled(state.serverEnabled);
}

void SenderEmailDialog::onProviderChanged(int position)
{
    step([&] { m_form.switchProvider(position); });
}

void SenderEmailDialog::onEmailChanged()
{
    // The form holds the address as last read or shown, before this change.
    const QString before = m_form.texts.email;
    readControls();
    m_form.emailChanged(before);
    const QSignalBlocker blocker(m_account);
    m_account->setText(m_form.texts.account);
}

void SenderEmailDialog::onShowPasswordToggled(bool checked)
{
    readControls();
    m_form.setShowPassword(checked);
    showState();
}

void SenderEmailDialog::onOk()
{
    readControls();
    const std::optional<SenderEmailForm::Failure> failure = m_form.store(m_record);
    if (!failure) {
        accept();
        return;
    }
    m_prompter.show(this, failure->message);
    // In the order of SenderEmailForm::Field.
    const std::array fields = {m_email, m_account, m_password, m_smtpServer, m_smtpPort};
    QLineEdit *field = fields[std::size_t(failure->field)];
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void SenderEmailDialog::onCancel()
{
    readControls();
    reject();
}
