#include "widgets/setting_controls.h"

#include "widgets/dialog_controls.h"
#include "widgets/ipv4_address_edit.h"
#include "settings/clock.h"
#include "settings/two_digit_texts.h"
#include "settings/work_time_schema.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

ChoiceControl::ChoiceControl(const SettingRow &row, const ControlPlace &place, QWidget *parent)
    : SettingControl(row, place)
    , m_combo(MakeCombo(objectName(), row.kind == SettingKind::TwoDigits ? TwoDigitItems(row.count) : row.itemTexts(),
                        parent))
{
    describe(parent);
}

QWidget *ChoiceControl::widget() const
{
    return m_combo;
}

QVariant ChoiceControl::value() const
{
    return m_combo->currentIndex();
}

void ChoiceControl::show(const QVariant &value, const QStringList &items)
{
    const QSignalBlocker blocker(m_combo);
    if (!items.isEmpty()) {
        QStringList shown;
        for (int i = 0; i < m_combo->count(); ++i)
            shown.append(m_combo->itemText(i));
        if (shown != items) {
            m_combo->clear();
            m_combo->addItems(items);
        }
    }
    const int index = value.toInt();
    m_combo->setCurrentIndex(index >= 0 && index < m_combo->count() ? index : -1);
}

void ChoiceControl::onChange(QObject *context, const std::function<void()> &changed)
{
    QObject::connect(m_combo, &QComboBox::currentIndexChanged, context, [changed] { changed(); });
}

namespace {

QLineEdit::EchoMode echoMode(Echo echo)
{
    switch (echo) {
    case Echo::Password: return QLineEdit::Password;
    case Echo::Blank: return QLineEdit::NoEcho;
    case Echo::Normal: break;
    }
    return QLineEdit::Normal;
}

} // namespace

TextControl::TextControl(const SettingRow &row, const ControlPlace &place, QWidget *parent)
    : SettingControl(row, place)
    , m_edit(MakeTypedEdit(objectName(), row.typing, parent))
{
    if (row.kind == SettingKind::Secret)
        m_edit->setEchoMode(QLineEdit::Password);
    describe(parent);
}

QWidget *TextControl::widget() const
{
    return m_edit;
}

QVariant TextControl::value() const
{
    return m_edit->text();
}

void TextControl::show(const QVariant &value, const QStringList &)
{
    // The same text set again would move the cursor and lose the undo steps.
    const QString text = value.toString();
    if (m_edit->text() == text)
        return;
    const QSignalBlocker blocker(m_edit);
    m_edit->setText(text);
}

void TextControl::apply(const ControlState &state)
{
    SettingControl::apply(state);
    const Echo own = row().kind == SettingKind::Secret ? Echo::Password : Echo::Normal;
    m_edit->setEchoMode(echoMode(state.echo.value_or(own)));
}

void TextControl::onChange(QObject *context, const std::function<void()> &changed)
{
    if (row().followsTyping)
        QObject::connect(m_edit, &QLineEdit::textChanged, context, [changed] { changed(); });
}

RadioControl::RadioControl(const SettingRow &row, const ControlPlace &place, QWidget *parent)
    : SettingControl(row, place)
    , m_group(new QButtonGroup(parent))
{
    const QStringList items = row.itemTexts();
    for (int item = 0; item < items.size(); ++item) {
        auto *button = new QRadioButton(items.at(item), parent);
        m_group->addButton(button, item);
        m_buttons.append(button);
    }
}

QWidget *RadioControl::widget() const
{
    return m_buttons.first();
}

QList<QWidget *> RadioControl::widgets() const
{
    return {m_buttons.begin(), m_buttons.end()};
}

QVariant RadioControl::value() const
{
    return m_group->checkedId();
}

void RadioControl::show(const QVariant &value, const QStringList &)
{
    const QSignalBlocker blocker(m_group);
    for (int item = 0; item < m_buttons.size(); ++item) {
        const QSignalBlocker buttonBlocker(m_buttons.at(item));
        m_buttons.at(item)->setChecked(value.toInt() == item);
    }
}

void RadioControl::focus()
{
    // Put here for a field it disables, the user is to choose the other button.
    for (QRadioButton *button : m_buttons)
        if (!button->isChecked()) {
            button->setFocus(Qt::OtherFocusReason);
            return;
        }
    widget()->setFocus(Qt::OtherFocusReason);
}

void RadioControl::onChange(QObject *context, const std::function<void()> &changed)
{
    // On its change of state, not on a click: a screen reader's "Toggle"
    // checks a button without clicking it.
    QObject::connect(m_group, &QButtonGroup::idToggled, context, [changed](int, bool checked) {
        if (checked)
            changed();
    });
}

CheckControl::CheckControl(const SettingRow &row, const ControlPlace &place, QWidget *parent)
    : SettingControl(row, place)
    , m_box(new QCheckBox(row.label(), parent))
{
    m_box->setObjectName(objectName());
    describe(parent);
}

QWidget *CheckControl::widget() const
{
    return m_box;
}

QVariant CheckControl::value() const
{
    return int(m_box->isChecked());
}

void CheckControl::show(const QVariant &value, const QStringList &)
{
    const QSignalBlocker blocker(m_box);
    m_box->setChecked(value.toInt() != 0);
}

void CheckControl::onChange(QObject *context, const std::function<void()> &changed)
{
    // Its change of state, however it comes: a click, Space or a screen reader's "Toggle".
    QObject::connect(m_box, &QCheckBox::toggled, context, [changed] { changed(); });
}

namespace {

constexpr int kOctetCount = 4;

} // namespace

AddressControl::AddressControl(const SettingRow &row, const ControlPlace &place, QWidget *parent)
    : SettingControl(row, place)
    , m_edit(new Ipv4AddressEdit(parent))
{
    m_edit->setObjectName(objectName());
    // The octets take the focus, so they carry the names and the tip.
    for (int octet = 0; octet < kOctetCount; ++octet) {
        QLineEdit *edit = m_edit->octetEdit(octet);
        edit->setAccessibleName(QCoreApplication::translate("AddressControl", "%1 octet %2",
                                                            "accessible name: the label, then the octet's number")
                                    .arg(row.label(), QString::number(octet + 1)));
        SetTip(edit, row.tip);
    }
}

QWidget *AddressControl::widget() const
{
    return m_edit;
}

QList<QWidget *> AddressControl::widgets() const
{
    QList<QWidget *> octets;
    for (int octet = 0; octet < kOctetCount; ++octet)
        octets.append(m_edit->octetEdit(octet));
    return octets;
}

QVariant AddressControl::value() const
{
    return DottedQuadText(m_edit->octets());
}

void AddressControl::show(const QVariant &value, const QStringList &)
{
    // An octet given its own text again would lose its cursor.
    const Ipv4Octets octets = ReadDottedQuad(value.toString()).value_or(Ipv4Octets{});
    for (int octet = 0; octet < kOctetCount; ++octet) {
        const QString text = QString::number(octets[std::size_t(octet)]);
        if (m_edit->octetEdit(octet)->text() != text)
            m_edit->octetEdit(octet)->setText(text);
    }
}

void AddressControl::onChange(QObject *context, const std::function<void()> &changed)
{
    if (!row().followsTyping)
        return;
    for (QWidget *octet : widgets())
        QObject::connect(static_cast<QLineEdit *>(octet), &QLineEdit::textEdited, context, [changed] { changed(); });
}

TimeControl::TimeControl(const SettingRow &row, const ControlPlace &place, QWidget *parent)
    : SettingControl(row, place)
    , m_hour(MakeCombo(objectName(QStringLiteral("HourCombo")), TwoDigitItems(kHourCount), parent))
    , m_minute(MakeCombo(objectName(QStringLiteral("MinuteCombo")), TwoDigitItems(kMinuteCount), parent))
    , m_colon(new QLabel(QStringLiteral(":"), parent))
{
    m_colon->setObjectName(objectName(QStringLiteral("Colon")));
    describe(parent);
    SetTip(m_minute, row.tip);
    // Two lists share one label, so each says which half of the time it holds.
    m_hour->setAccessibleName(
        QCoreApplication::translate("WorkTimeGroup", "%1 %2 hour", "accessible name: the window's title, the time's label")
            .arg(title(), row.label()));
    m_minute->setAccessibleName(
        QCoreApplication::translate("WorkTimeGroup", "%1 %2 minute", "accessible name: the window's title, the time's label")
            .arg(title(), row.label()));
}

QWidget *TimeControl::widget() const
{
    return m_hour;
}

QList<QWidget *> TimeControl::widgets() const
{
    return {m_hour, m_minute};
}

QVariant TimeControl::value() const
{
    return QVariantList{m_hour->currentIndex(), m_minute->currentIndex()};
}

void TimeControl::show(const QVariant &value, const QStringList &)
{
    const QVariantList halves = value.toList();
    for (QComboBox *half : {m_hour, m_minute}) {
        const QSignalBlocker blocker(half);
        const int index = halves.value(half == m_hour ? 0 : 1, -1).toInt();
        half->setCurrentIndex(index < half->count() ? index : -1);
    }
}

void TimeControl::apply(const ControlState &state)
{
    SettingControl::apply(state);
    m_colon->setEnabled(state.enabled);
}

void TimeControl::onChange(QObject *context, const std::function<void()> &changed)
{
    for (QComboBox *half : {m_hour, m_minute})
        QObject::connect(half, &QComboBox::currentIndexChanged, context, [changed] { changed(); });
}

DaysControl::DaysControl(const SettingRow &row, const ControlPlace &place, QWidget *parent)
    : SettingControl(row, place)
{
    const QStringList texts = row.itemTexts();
    for (int box = 0; box < texts.size(); ++box) {
        auto *check = new QCheckBox(texts.at(box), parent);
        // Named in English in every language.
        const QString stem =
            box == 0 ? QStringLiteral("All") : QString::fromLatin1(WeekDayKeys().at(std::size_t(box - 1)));
        check->setObjectName(objectName(stem + QStringLiteral("Check")));
        check->setLayoutDirection(Qt::RightToLeft); // text to the left of the box
        m_boxes.append(check);
    }
    describe(parent);
    for (QCheckBox *check : m_boxes)
        check->setAccessibleName(spokenName(check->text()));
}

QWidget *DaysControl::widget() const
{
    return m_boxes.first();
}

QList<QWidget *> DaysControl::widgets() const
{
    return {m_boxes.begin(), m_boxes.end()};
}

QVariant DaysControl::value() const
{
    int boxes = 0;
    for (int box = 0; box < m_boxes.size(); ++box)
        if (m_boxes.at(box)->isChecked())
            boxes |= bit(box);
    return boxes;
}

void DaysControl::show(const QVariant &value, const QStringList &)
{
    for (int box = 0; box < m_boxes.size(); ++box) {
        const QSignalBlocker blocker(m_boxes.at(box));
        m_boxes.at(box)->setChecked((value.toInt() & bit(box)) != 0);
    }
}

void DaysControl::onChange(QObject *context, const std::function<void()> &changed)
{
    // Its change of state, however it comes: a click, Space or a screen reader's "Toggle".
    for (QCheckBox *check : m_boxes)
        QObject::connect(check, &QCheckBox::toggled, context, [changed] { changed(); });
}

std::unique_ptr<SettingControl> MakeSettingControl(const SettingRow &row, const ControlPlace &place, QWidget *parent)
{
    switch (row.kind) {
    case SettingKind::Choice:
        if (row.radios)
            return std::make_unique<RadioControl>(row, place, parent);
        return std::make_unique<ChoiceControl>(row, place, parent);
    case SettingKind::TwoDigits:
    case SettingKind::SecureType:
    case SettingKind::Operator: return std::make_unique<ChoiceControl>(row, place, parent);
    case SettingKind::Number:
    case SettingKind::Text:
    case SettingKind::Secret: return std::make_unique<TextControl>(row, place, parent);
    case SettingKind::Check: return std::make_unique<CheckControl>(row, place, parent);
    case SettingKind::Address: return std::make_unique<AddressControl>(row, place, parent);
    case SettingKind::Time: return std::make_unique<TimeControl>(row, place, parent);
    case SettingKind::Days: return std::make_unique<DaysControl>(row, place, parent);
    }
    qFatal("No control for the setting %s", qPrintable(row.key()));
}
