#pragma once

#include "settings/typed_text.h"

#include <QPointer>
#include <QString>
#include <QValidator>

#include <optional>

class QLabel;
class QLineEdit;

// Holds an edit field to its rule. What the user types or pastes beyond it is
// left out, and a note at the field says at once what and why, to screen
// readers too; the next edit that fits, or leaving the field, takes it away.
// Text the window shows itself arrives with the field's signals blocked: it
// is the window's, not the user's, and is shown as it is.
class FieldNote : public QValidator
{
    Q_OBJECT

public:
    // Becomes the field's validator. The rule's limit takes the place of the
    // field's own, which would cut a paste without a word.
    FieldNote(QLineEdit *edit, const TypedTextRule &rule);

    void setLimit(int limit) { m_rule.limit = limit; }

    State validate(QString &input, int &pos) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showNote(const QString &note) const;
    void hideNote() const;

    QLineEdit *m_edit;
    TypedTextRule m_rule;
    // validate() is const to the field; the note is no part of its text.
    mutable QPointer<QLabel> m_label;
    mutable bool m_shown = false;
    mutable QString m_ownDescription;
    // The last edit was taken whole: the next textEdited takes the note away.
    mutable bool m_fitted = false;
    // What this validator made of an edit, which the field checks once more.
    mutable std::optional<QString> m_produced;
};

// The object name of the note beside a field.
QString FieldNoteName(const QLineEdit *edit);
