#include "dialogs/operator_dialog.h"

#include "dialogs/dialog_controls.h"
#include "dialogs/enter_key.h"
#include "dialogs/ipv4_address_edit.h"
#include "dialogs/prompter.h"
#include "forms/dialog_tips.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using Field = OperatorForm::Field;

OperatorDialog::OperatorDialog(OperatorEntry &entry, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_entry(entry)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("DlgOperator"));
    setWindowTitle(tr("Operator Parameter Setting"));
}

void OperatorDialog::buildControls()
{
    auto *mmsGroup = new QGroupBox(OperatorForm::mmsTitle(), this);
    mmsGroup->setObjectName(QStringLiteral("mmsGroup"));
    auto *mms = MakeFormLayout(mmsGroup);

    m_url = MakeRecordTextEdit(QStringLiteral("urlEdit"), OperatorForm::limit(Field::Url), mmsGroup);
    m_gateway = new Ipv4AddressEdit(mmsGroup);
    m_gateway->setObjectName(QStringLiteral("gatewayEdit"));
    for (int octet = 0; octet < 4; ++octet) {
        m_gateway->octetEdit(octet)->setAccessibleName(tr("Gateway octet %1").arg(octet + 1));
        SetTip(m_gateway->octetEdit(octet), DialogTips::mmsGateway);
    }
    m_mmsApn = MakeRecordTextEdit(QStringLiteral("mmsApnEdit"), OperatorForm::limit(Field::MmsApn), mmsGroup);
    m_mmsApn->setAccessibleName(tr("MMS APN"));
    m_mmsPort = MakeRecordTextEdit(QStringLiteral("mmsPortEdit"), OperatorForm::limit(Field::MmsPort), mmsGroup);
    m_mmsPort->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10);
    m_mmsAccount = MakeRecordTextEdit(QStringLiteral("mmsAccountEdit"),
                                      OperatorForm::limit(Field::MmsAccount), mmsGroup);
    m_mmsAccount->setAccessibleName(tr("MMS Account"));
    m_mmsPassword = MakeRecordTextEdit(QStringLiteral("mmsPasswordEdit"),
                                       OperatorForm::limit(Field::MmsPassword), mmsGroup);
    m_mmsPassword->setAccessibleName(tr("MMS Password"));
    m_mmsPassword->setEchoMode(QLineEdit::Password);
    SetTip(m_url, DialogTips::mmsUrl);
    SetTip(m_mmsApn, DialogTips::mmsApn);
    SetTip(m_mmsPort, DialogTips::mmsPort);
    SetTip(m_mmsAccount, DialogTips::operatorLogin);
    SetTip(m_mmsPassword, DialogTips::operatorLogin);

    QList<QLabel *> labels{
        AddLabelledRow(mms, OperatorForm::label(Field::Url), m_url),
        AddLabelledRow(mms, OperatorForm::label(Field::Gateway), m_gateway),
        AddLabelledRow(mms, OperatorForm::label(Field::MmsApn), m_mmsApn),
        AddLabelledRow(mms, OperatorForm::label(Field::MmsPort), m_mmsPort),
        AddLabelledRow(mms, OperatorForm::label(Field::MmsAccount), m_mmsAccount),
        AddLabelledRow(mms, OperatorForm::label(Field::MmsPassword), m_mmsPassword),
    };

    auto *gprsGroup = new QGroupBox(OperatorForm::gprsTitle(), this);
    gprsGroup->setObjectName(QStringLiteral("gprsGroup"));
    auto *gprs = MakeFormLayout(gprsGroup);

    m_gprsApn = MakeRecordTextEdit(QStringLiteral("gprsApnEdit"), OperatorForm::limit(Field::GprsApn), gprsGroup);
    m_gprsApn->setAccessibleName(tr("GPRS APN"));
    m_gprsAccount = MakeRecordTextEdit(QStringLiteral("gprsAccountEdit"),
                                       OperatorForm::limit(Field::GprsAccount), gprsGroup);
    m_gprsAccount->setAccessibleName(tr("GPRS Account"));
    m_gprsPassword = MakeRecordTextEdit(QStringLiteral("gprsPasswordEdit"),
                                        OperatorForm::limit(Field::GprsPassword), gprsGroup);
    m_gprsPassword->setAccessibleName(tr("GPRS Password"));
    m_gprsPassword->setEchoMode(QLineEdit::Password);
    SetTip(m_gprsApn, DialogTips::gprsApn);
    SetTip(m_gprsAccount, DialogTips::operatorLogin);
    SetTip(m_gprsPassword, DialogTips::operatorLogin);

    labels << AddLabelledRow(gprs, OperatorForm::label(Field::GprsApn), m_gprsApn)
           << AddLabelledRow(gprs, OperatorForm::label(Field::GprsAccount), m_gprsAccount)
           << AddLabelledRow(gprs, OperatorForm::label(Field::GprsPassword), m_gprsPassword);
    AlignLabels(labels);

    // Room for a typical MMS centre address without scrolling.
    m_url->setMinimumWidth(fontMetrics().averageCharWidth() * 44);

    m_ok = MakeDialogButton(QStringLiteral("OK"), QStringLiteral("okButton"), this);
    m_cancel = MakeDialogButton(tr("Cancel"), QStringLiteral("cancelButton"), this);
    connect(m_ok, &QPushButton::clicked, this, &OperatorDialog::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &OperatorDialog::onCancel);

    // The address field takes no focus itself: its four octets are the stops.
    QList<QWidget *> chain{m_url};
    for (int octet = 0; octet < 4; ++octet)
        chain << m_gateway->octetEdit(octet);
    chain << m_mmsApn << m_mmsPort << m_mmsAccount << m_mmsPassword << m_gprsApn << m_gprsAccount << m_gprsPassword
          << m_ok << m_cancel;
    SetTabChain(chain);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mmsGroup);
    layout->addWidget(gprsGroup);
    layout->addLayout(MakeButtonRow({m_ok, m_cancel}));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int OperatorDialog::run()
{
    // Built when first opened, so that the main window paints sooner.
    if (!m_url)
        buildControls();
    m_form.load(m_entry);
    showForm();
    m_url->setFocus(Qt::OtherFocusReason);
    return m_prompter.runModal(*this);
}

void OperatorDialog::readControls()
{
    m_form.url = m_url->text();
    m_form.gateway = m_gateway->octets();
    m_form.mmsApn = m_mmsApn->text();
    m_form.mmsPort = m_mmsPort->text();
    m_form.mmsAccount = m_mmsAccount->text();
    m_form.mmsPassword = m_mmsPassword->text();
    m_form.gprsApn = m_gprsApn->text();
    m_form.gprsAccount = m_gprsAccount->text();
    m_form.gprsPassword = m_gprsPassword->text();
}

void OperatorDialog::showForm()
{
    m_url->setText(m_form.url);
    m_gateway->setOctets(m_form.gateway);
    m_mmsApn->setText(m_form.mmsApn);
    m_mmsPort->setText(m_form.mmsPort);
    m_mmsAccount->setText(m_form.mmsAccount);
    m_mmsPassword->setText(m_form.mmsPassword);
    m_gprsApn->setText(m_form.gprsApn);
    m_gprsAccount->setText(m_form.gprsAccount);
    m_gprsPassword->setText(m_form.gprsPassword);
}

bool OperatorDialog::refused(const std::optional<OperatorForm::Failure> &failure)
{
    if (!failure)
        return false;
    m_prompter.show(this, failure->message);

    QWidget *field = nullptr;
    switch (failure->field) {
    case Field::Url: field = m_url; break;
    case Field::Gateway: field = m_gateway; break;
    case Field::MmsApn: field = m_mmsApn; break;
    case Field::MmsPort: field = m_mmsPort; break;
    case Field::MmsAccount: field = m_mmsAccount; break;
    case Field::MmsPassword: field = m_mmsPassword; break;
    case Field::GprsApn: field = m_gprsApn; break;
    case Field::GprsAccount: field = m_gprsAccount; break;
    case Field::GprsPassword: field = m_gprsPassword; break;
    }
    field->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
    return true;
}

void OperatorDialog::onOk()
{
    readControls();
    if (!refused(m_form.store(m_entry)))
        accept();
}

void OperatorDialog::onCancel()
{
    readControls();
    if (!refused(m_form.check()))
        reject();
}

void OperatorDialog::keyPressEvent(QKeyEvent *event)
{
    if (!RouteEnterKey(*this, *event))
        QDialog::keyPressEvent(event);
}
