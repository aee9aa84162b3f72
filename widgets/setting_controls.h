#pragma once

#include "widgets/setting_control.h"

class Ipv4AddressEdit;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The controls of each kind of setting, made by MakeSettingControl.

// A list: the value is the chosen item's position, -1 for none.
class ChoiceControl : public SettingControl
{
public:
    ChoiceControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);

    QWidget *widget() const override;
    QVariant value() const override;
    void show(const QVariant &value, const QStringList &items) override;
    void onChange(QObject *context, const std::function<void()> &changed) override;

private:
    QComboBox *m_combo;
};

// An edit field that takes what its row's rule allows: a text, a password,
// or a number as typed.
class TextControl : public SettingControl
{
public:
    TextControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);

    QWidget *widget() const override;
    QLineEdit *edit() const { return m_edit; }
    QVariant value() const override;
    void show(const QVariant &value, const QStringList &items) override;
    void apply(const ControlState &state) override;
    void onChange(QObject *context, const std::function<void()> &changed) override;

private:
    QLineEdit *m_edit;
};

// A choice as one radio button per item: the value is the checked one's
// position, -1 when none is checked.
class RadioControl : public SettingControl
{
public:
    RadioControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);

    QWidget *widget() const override;
    QList<QWidget *> widgets() const override;
    QRadioButton *button(int item) const { return m_buttons.at(item); }
    QVariant value() const override;
    void show(const QVariant &value, const QStringList &items) override;
    void focus() override;
    void onChange(QObject *context, const std::function<void()> &changed) override;

private:
    QButtonGroup *m_group;
    QList<QRadioButton *> m_buttons;
};

// A check box whose text is its row's label: the value is 1 when checked, else 0.
class CheckControl : public SettingControl
{
public:
    CheckControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);

    QWidget *widget() const override;
    QVariant value() const override;
    void show(const QVariant &value, const QStringList &items) override;
    void onChange(QObject *context, const std::function<void()> &changed) override;

private:
    QCheckBox *m_box;
};

// An IPv4 address typed as four octets; the value is its dotted text.
class AddressControl : public SettingControl
{
public:
    AddressControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);

    QWidget *widget() const override;
    // The octets: the address itself takes no focus.
    QList<QWidget *> widgets() const override;
    QVariant value() const override;
    void show(const QVariant &value, const QStringList &items) override;
    void onChange(QObject *context, const std::function<void()> &changed) override;

private:
    Ipv4AddressEdit *m_edit;
};

// A time as an hour list, a colon and a minute list, bound to the row's two
// places: the value is the list of the two positions, -1 for none.
class TimeControl : public SettingControl
{
public:
    TimeControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);

    QWidget *widget() const override;
    QList<QWidget *> widgets() const override;
    QComboBox *hour() const { return m_hour; }
    QLabel *colon() const { return m_colon; }
    QComboBox *minute() const { return m_minute; }
    QVariant value() const override;
    void show(const QVariant &value, const QStringList &items) override;
    void apply(const ControlState &state) override;
    void onChange(QObject *context, const std::function<void()> &changed) override;

private:
    QComboBox *m_hour;
    QComboBox *m_minute;
    QLabel *m_colon;
};

// The "ALL" box and the seven day boxes, Sunday first, as the row's items
// name them: the value holds a bit per box, 0..6 the days and 7 "ALL".
class DaysControl : public SettingControl
{
public:
    DaysControl(const SettingRow &row, const ControlPlace &place, QWidget *parent);

    QWidget *widget() const override;
    QList<QWidget *> widgets() const override;
    // 0 is "ALL", 1 to 7 Sunday to Saturday.
    QCheckBox *box(int box) const { return m_boxes.at(box); }
    QVariant value() const override;
    void show(const QVariant &value, const QStringList &items) override;
    void onChange(QObject *context, const std::function<void()> &changed) override;

private:
    // The bit of box `box`.
    static int bit(int box) { return box == 0 ? 0x80 : 1 << (box - 1); }

    QList<QCheckBox *> m_boxes;
};
