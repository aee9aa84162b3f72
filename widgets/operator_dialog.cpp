#include "widgets/operator_dialog.h"

#include "widgets/dialog_controls.h"
#include "widgets/prompter.h"
#include "settings/operator_schema.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Whether more than one group has a row of the label.
bool sharedByGroups(const QString &label)
{
    return std::ranges::count_if(OperatorGroups(), [&label](const SettingGroup &group) {
               return std::ranges::any_of(group.rows, [&label](const SettingRow &row) { return row.label() == label; });
           }) > 1;
}

} // namespace

OperatorDialog::OperatorDialog(OperatorEntry &entry, Prompter &prompter, QWidget *parent)
    : ButtonDialog(parent)
    , OperatorFormHolder{OperatorModel(entry)}
    , WindowView(m_form, prompter, *this)
{
    setObjectName(QStringLiteral("DlgOperator"));
    setWindowTitle(tr("Operator Parameter Setting"));
}

void OperatorDialog::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    QList<QLabel *> labels;
    QList<QWidget *> chain;
    for (const SettingGroup &group : OperatorGroups()) {
        auto *box = new QGroupBox(group.title(), this);
        box->setObjectName(group.key + QStringLiteral("Group"));
        QFormLayout *form = MakeFormLayout(box);
        for (const SettingRow &row : group.rows) {
            SettingControl &made = bind(row, box);
            form->addRow(made.label(box), made.widget());
            labels << made.existingLabel();
            chain << made.widgets();
            // A label both groups use is said with its group ("MMS APN").
            if (sharedByGroups(row.label())) {
                made.widget()->setAccessibleName(
                    tr("%1 %2", "accessible name: the group's title, then the label").arg(group.title(), row.label()));
            }
        }
        layout->addWidget(box);
    }
    AlignLabels(labels);
    const QFontMetrics metrics = fontMetrics();
    control(QStringLiteral("mms_port"))->widget()->setMaximumWidth(metrics.horizontalAdvance(QStringLiteral("0")) * 10);
    // Room for a typical MMS centre address without scrolling.
    control(QStringLiteral("mms_url"))->widget()->setMinimumWidth(metrics.averageCharWidth() * 44);

    auto *ok = MakeDialogButton(QStringLiteral("OK"), QStringLiteral("okButton"), this);
    auto *cancel = MakeDialogButton(tr("Cancel"), QStringLiteral("cancelButton"), this);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (storeModel())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &OperatorDialog::onCancel);
    SetTabChain(chain << ok << cancel);

    layout->addLayout(MakeButtonRow({ok, cancel}));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int OperatorDialog::run()
{
    // Built when first opened, so that the main window paints sooner.
    if (controls().empty())
        buildControls();
    openModel();
    controls().front()->widget()->setFocus(Qt::OtherFocusReason);
    return m_prompter.runModal(*this);
}

void OperatorDialog::onCancel()
{
    // Checked as OK checks, but nothing is stored.
    std::optional<SettingFault> fault = read();
    if (!fault)
        fault = m_model.check();
    if (fault)
        report(*fault);
    else
        reject();
}
