#include "dialogs/operator_dialog.h"

#include "dialogs/dialog_controls.h"
#include "dialogs/ipv4_address_edit.h"
#include "dialogs/prompter.h"
#include "forms/dialog_tips.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using Field = OperatorForm::Field;

OperatorDialog::OperatorDialog(OperatorEntry &entry, Prompter &prompter, QWidget *parent)
    : ButtonDialog(parent)
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

    const auto makeEdit = [this](Field field, const char *name, QWidget *group) {
        edit(field) = MakeRecordTextEdit(QString::fromLatin1(name), OperatorForm::limit(field), group);
        return edit(field);
    };
    makeEdit(Field::Url, "urlEdit", mmsGroup);
    m_gateway = new Ipv4AddressEdit(mmsGroup);
    m_gateway->setObjectName(QStringLiteral("gatewayEdit"));
    for (int octet = 0; octet < 4; ++octet) {
        m_gateway->octetEdit(octet)->setAccessibleName(tr("Gateway octet %1").arg(octet + 1));
        SetTip(m_gateway->octetEdit(octet), DialogTips::mmsGateway);
    }
    makeEdit(Field::MmsApn, "mmsApnEdit", mmsGroup)->setAccessibleName(tr("MMS APN"));
    makeEdit(Field::MmsPort, "mmsPortEdit", mmsGroup)
        ->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10);
    makeEdit(Field::MmsAccount, "mmsAccountEdit", mmsGroup)->setAccessibleName(tr("MMS Account"));
    makeEdit(Field::MmsPassword, "mmsPasswordEdit", mmsGroup)->setAccessibleName(tr("MMS Password"));
    edit(Field::MmsPassword)->setEchoMode(QLineEdit::Password);
    SetTip(edit(Field::Url), DialogTips::mmsUrl);
    SetTip(edit(Field::MmsApn), DialogTips::mmsApn);
    SetTip(edit(Field::MmsPort), DialogTips::mmsPort);
    SetTip(edit(Field::MmsAccount), DialogTips::operatorLogin);
    SetTip(edit(Field::MmsPassword), DialogTips::operatorLogin);

    QList<QLabel *> labels;
    for (Field field : {Field::Url, Field::Gateway, Field::MmsApn, Field::MmsPort, Field::MmsAccount,
                        Field::MmsPassword}) {
        QWidget *control = field == Field::Gateway ? static_cast<QWidget *>(m_gateway) : edit(field);
        labels << AddLabelledRow(mms, OperatorForm::label(field), control);
    }

    auto *gprsGroup = new QGroupBox(OperatorForm::gprsTitle(), this);
    gprsGroup->setObjectName(QStringLiteral("gprsGroup"));
    auto *gprs = MakeFormLayout(gprsGroup);

    makeEdit(Field::GprsApn, "gprsApnEdit", gprsGroup)->setAccessibleName(tr("GPRS APN"));
    makeEdit(Field::GprsAccount, "gprsAccountEdit", gprsGroup)->setAccessibleName(tr("GPRS Account"));
    makeEdit(Field::GprsPassword, "gprsPasswordEdit", gprsGroup)
        ->setAccessibleName(tr("GPRS Password"));
    edit(Field::GprsPassword)->setEchoMode(QLineEdit::Password);
    SetTip(edit(Field::GprsApn), DialogTips::gprsApn);
    SetTip(edit(Field::GprsAccount), DialogTips::operatorLogin);
    SetTip(edit(Field::GprsPassword), DialogTips::operatorLogin);

    for (Field field : {Field::GprsApn, Field::GprsAccount, Field::GprsPassword})
        labels << AddLabelledRow(gprs, OperatorForm::label(field), edit(field));
    AlignLabels(labels);

    // Room for a typical MMS centre address without scrolling.
    edit(Field::Url)->setMinimumWidth(fontMetrics().averageCharWidth() * 44);

    m_ok = MakeDialogButton(QStringLiteral("OK"), QStringLiteral("okButton"), this);
    m_cancel = MakeDialogButton(tr("Cancel"), QStringLiteral("cancelButton"), this);
    connect(m_ok, &QPushButton::clicked, this, &OperatorDialog::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &OperatorDialog::onCancel);

    // The address field takes no focus itself: its four octets are the stops.
    QList<QWidget *> chain;
    for (QLineEdit *edit : m_edits) {
        if (edit)
            chain << edit;
        else
            for (int octet = 0; octet < 4; ++octet)
                chain << m_gateway->octetEdit(octet);
    }
    chain << m_ok << m_cancel;
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
    if (!m_gateway)
        buildControls();
    m_form.load(m_entry);
    showForm();
    edit(Field::Url)->setFocus(Qt::OtherFocusReason);
    return m_prompter.runModal(*this);
}

void OperatorDialog::readControls()
{
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        m_form.texts[i] = m_edits[i] ? m_edits[i]->text() : QString();
    m_form.gateway = m_gateway->octets();
}

void OperatorDialog::showForm()
{
    // Shown, not typed: the fields take the entry's texts as they are.
    for (std::size_t i = 0; i < m_edits.size(); ++i) {
        if (m_edits[i]) {
            const QSignalBlocker blocker(m_edits[i]);
            m_edits[i]->setText(m_form.texts[i]);
        }
    }
    m_gateway->setOctets(m_form.gateway);
}

bool OperatorDialog::refused(const std::optional<OperatorForm::Failure> &failure)
{
    if (!failure)
        return false;
    m_prompter.show(this, failure->message);
    if (QLineEdit *field = edit(failure->field)) {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    } else {
        m_gateway->setFocus(Qt::OtherFocusReason);
    }
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
