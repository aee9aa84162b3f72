#include "widgets/dialog_controls.h"

#include "widgets/field_note.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

QLineEdit *MakeTypedEdit(const QString &objectName, const TypedTextRule &rule, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    new FieldNote(edit, rule);
    return edit;
}

void SetTip(QWidget *control, const Tip &tip)
{
    control->setToolTip(tip.isEmpty() ? QString() : QCoreApplication::translate(tip.context, tip.source));
}

QFormLayout *MakeFormLayout(QWidget *parent)
{
    auto *layout = new QFormLayout(parent);
    layout->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return layout;
}

QComboBox *MakeCombo(const QString &objectName, const QStringList &items, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->addItems(items);
    return combo;
}

QLabel *MakeLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

void AlignLabels(const QList<QLabel *> &labels)
{
    int widest = 0;
    for (const QLabel *label : labels)
        widest = std::max(widest, label->sizeHint().width());
    for (QLabel *label : labels)
        label->setMinimumWidth(widest);
}

QPushButton *MakeDialogButton(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void SetTabChain(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

QHBoxLayout *MakeButtonRow(const QList<QPushButton *> &buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton *button : buttons)
        row->addWidget(button);
    return row;
}
