#include "dialogs/text_control.h"

#include "dialogs/dialog_controls.h"

#include <QLineEdit>
#include <QSignalBlocker>

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
