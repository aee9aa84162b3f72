#include "widgets/field_note.h"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kMargin = 4;
// A note is at least this many average characters wide, so it wraps seldom.
constexpr int kNoteColumns = 40;

} // namespace

QString FieldNoteName(const QLineEdit *edit)
{
    return edit->objectName() + QStringLiteral("Note");
}

FieldNote::FieldNote(QLineEdit *edit, const TypedTextRule &rule)
    : QValidator(edit)
    , m_edit(edit)
    , m_rule(rule)
{
    edit->setMaxLength(32767);
    edit->setValidator(this);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this] {
        if (m_fitted)
            hideNote();
    });
}

QValidator::State FieldNote::validate(QString &input, int &pos) const
{
    if (m_produced && input == *m_produced) {
        m_produced.reset();
        return Acceptable;
    }
    if (m_edit->signalsBlocked()) {
        // The window replaced the text the note spoke of.
        hideNote();
        if (m_rule.upperCase)
            input = TakeTyped(input, pos, {TypedTextRule::Characters::Any, -1, true, false}).text;
        return Acceptable;
    }
    TypedTextRule rule = m_rule;
    // A masked field's characters are never shown, in the note neither.
    rule.secret = rule.secret || m_edit->echoMode() != QLineEdit::Normal;
    const TypedText taken = TakeTyped(input, pos, rule);
    m_fitted = taken.note.isEmpty();
    if (!m_fitted)
        showNote(taken.note);
    if (taken.refused)
        return Invalid;
    if (taken.text != input) {
        input = taken.text;
        m_produced = input;
    }
    pos = taken.cursor;
    return Acceptable;
}

bool FieldNote::eventFilter(QObject *watched, QEvent *event)
{
    // Once the user moves on, the note would only hide the controls below it.
    if (watched == m_edit && (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide))
        hideNote();
    return QValidator::eventFilter(watched, event);
}

void FieldNote::showNote(const QString &note) const
{
    QWidget *window = m_edit->window();
    if (!m_label || m_label->parentWidget() != window) {
        delete m_label;
        m_label = new QLabel(window);
        m_label->setObjectName(FieldNoteName(m_edit));
        // A balloon like a tooltip's, over the window rather than in its layout, so nothing moves.
        m_label->setPalette(QToolTip::palette());
        m_label->setBackgroundRole(QPalette::ToolTipBase);
        m_label->setForegroundRole(QPalette::ToolTipText);
        m_label->setAutoFillBackground(true);
        m_label->setFrameStyle(QFrame::Box | QFrame::Plain);
        m_label->setMargin(kMargin);
        m_label->setWordWrap(true);
        m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_label->setText(note);

    // Under the field, or above it where the window ends.
    const QRect field(m_edit->mapTo(window, QPoint(0, 0)), m_edit->size());
    const int room = std::max(window->width() - 2 * kMargin, 1);
    const int width =
        std::min(std::max(field.width(), m_label->fontMetrics().averageCharWidth() * kNoteColumns), room);
    const int hinted = m_label->heightForWidth(width);
    const int height = hinted > 0 ? hinted : m_label->sizeHint().height();
    const int x = std::clamp(field.left(), kMargin, std::max(kMargin, window->width() - kMargin - width));
    int y = field.bottom() + 2;
    if (y + height > window->height() - kMargin)
        y = std::max(kMargin, field.top() - 2 - height);
    m_label->setGeometry(x, y, width, height);
    m_label->show();
    m_label->raise();

    if (!m_shown)
        m_ownDescription = m_edit->accessibleDescription();
    m_shown = true;
    const QString described = m_ownDescription.isEmpty() ? m_edit->toolTip() : m_ownDescription;
    m_edit->setAccessibleDescription(described.isEmpty() ? note : note + u'\n' + described);
    QAccessibleEvent alert(m_label, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void FieldNote::hideNote() const
{
    if (!m_shown)
        return;
    m_shown = false;
    if (m_label)
        m_label->hide();
    m_edit->setAccessibleDescription(m_ownDescription);
}
