#pragma once

#include "settings/tip.h"
#include "settings/typed_text.h"

#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Building blocks every window shares.

// An edit field that takes what its rule allows and says what it leaves out.
QLineEdit *MakeTypedEdit(const QString &objectName, const TypedTextRule &rule, QWidget *parent);

// A combo box holding the items, none of them chosen yet.
QComboBox *MakeCombo(const QString &objectName, const QStringList &items, QWidget *parent);

// A label that names its buddy field.
QLabel *MakeLabel(const QString &text, QWidget *buddy, QWidget *parent);

// A form layout with its labels left-aligned and its fields growing.
QFormLayout *MakeFormLayout(QWidget *parent);

// Gives every label the width of the widest, so fields line up across groups.
void AlignLabels(const QList<QLabel *> &labels);

// A push button that never becomes the default: the dialog decides what
// Enter does.
QPushButton *MakeDialogButton(const QString &text, const QString &objectName, QWidget *parent);

// The buttons at the right-hand side, in the order given.
QHBoxLayout *MakeButtonRow(const QList<QPushButton *> &buttons);

// The control's tooltip, translated; screen readers read it as its description.
void SetTip(QWidget *control, const Tip &tip);

// Tab visits the controls in the order given.
void SetTabChain(const QList<QWidget *> &controls);
