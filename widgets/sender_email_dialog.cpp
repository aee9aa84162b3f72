#include "widgets/sender_email_dialog.h"

#include "widgets/dialog_controls.h"
#include "widgets/prompter.h"
#include "settings/sender_schema.h"

#include <QCoreApplication>
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
    setWindowTitle(QCoreApplication::translate("SenderItems", SenderModel::kCaption));
}

void SenderEmailDialog::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    QList<QLabel *> labels;
    QList<QWidget *> chain;
    for (const SettingGroup &group : SenderGroups()) {
        QFrame *frame = group.key.isEmpty() ? nullptr : makeFrame(group.key, this);
        QWidget *parent = frame ? static_cast<QWidget *>(frame) : this;
        QFormLayout *form = MakeFormLayout(frame);
        if (frame) {
            layout->addWidget(frame);
        } else {
            // The frames below carry their own margins; line the combo up with their fields.
            form->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin), 0,
                                     style()->pixelMetric(QStyle::PM_LayoutRightMargin), 0);
            layout->addLayout(form);
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
    const auto field = [this](const char *key) { return control(QLatin1StringView(key))->widget(); };
    field("sender_email.email")->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
    field("sender_email.secure_type")->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    field("sender_email.smtp_port")->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10);

    QPushButton *ok = MakeDialogButton(QStringLiteral("OK"), QStringLiteral("okButton"), this);
    QPushButton *cancel = MakeDialogButton(tr("Cancel"), QStringLiteral("cancelButton"), this);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (storeModel())
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
    openModel();
    focus(SenderRows().first().key());
    return m_prompter.runModal(*this);
}
