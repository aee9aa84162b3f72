#include "dialogs/sender_email_dialog.h"

#include "dialogs/dialog_controls.h"
#include "dialogs/prompter.h"
#include "forms/sender_schema.h"

#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

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
    , WindowView(m_form, prompter, *this)
    , m_form(record, presets)
{
    setObjectName(QStringLiteral("DlgEmailSetting"));
    setWindowTitle(SenderEmailForm::caption());
}

void SenderEmailDialog::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    QList<QLabel *> labels;
    QList<QWidget *> chain;
    for (const SettingGroup &group : SenderGroups()) {
        QFormLayout *form = nullptr;
        QWidget *parent = this;
        if (group.key.isEmpty()) {
            form = MakeFormLayout(nullptr);
            // The frames below carry their own margins; line the combo up with their fields.
            form->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin), 0,
                                     style()->pixelMetric(QStyle::PM_LayoutRightMargin), 0);
            layout->addLayout(form);
        } else {
            parent = makeFrame(group.key, this);
            form = MakeFormLayout(parent);
            layout->addWidget(parent);
        }
        for (const SettingRow &row : group.rows) {
            SettingControl &control = bind(row, parent);
            chain << control.widgets();
            if (row.kind == SettingKind::Check) {
                form->addRow(QString(), control.widget());
                continue;
            }
            // The account's labels stay enabled when "Default" disables its
            // blank fields; the server's go with theirs.
            QLabel *label = group.key == QLatin1StringView("serverFrame")
                                ? control.label(parent)
                                : MakeLabel(row.label(), control.widget(), parent);
            form->addRow(label, control.widget());
            labels << label;
        }
    }
    AlignLabels(labels);

    // Room for a full address of typical length.
    control(QStringLiteral("sender_email.email"))->widget()->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
    control(QStringLiteral("sender_email.secure_type"))->widget()->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    control(QStringLiteral("sender_email.smtp_port"))
        ->widget()
        ->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10);

    QPushButton *ok = MakeDialogButton(QStringLiteral("OK"), QStringLiteral("okButton"), this);
    QPushButton *cancel = MakeDialogButton(tr("Cancel"), QStringLiteral("cancelButton"), this);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (store())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    SetTabChain(chain << ok << cancel);

    layout->addLayout(MakeButtonRow({ok, cancel}));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int SenderEmailDialog::run()
{
    // Built when first opened, so that the main window paints sooner.
    if (controls().empty())
        buildControls();
    WindowView::open();
    focus(SenderRows().first().key());
    return m_prompter.runModal(*this);
}
