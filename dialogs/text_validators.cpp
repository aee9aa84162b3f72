#include "dialogs/text_validators.h"

#include "profile/code_page.h"

#include <QLineEdit>

CodePageValidator::CodePageValidator(QObject *parent)
    : QValidator(parent)
{
}

QValidator::State CodePageValidator::validate(QString &input, int &) const
{
    return CodePage::holdsAll(input) ? Acceptable : Invalid;
}

DigitsValidator::DigitsValidator(QObject *parent)
    : CodePageValidator(parent)
{
}

QValidator::State DigitsValidator::validate(QString &input, int &) const
{
    for (QChar c : input) {
        if (c < u'0' || c > u'9')
            return Invalid;
    }
    return Acceptable;
}

LengthLimitValidator::LengthLimitValidator(int limit, QLineEdit *edit)
    : CodePageValidator(edit)
    , m_limit(limit)
    , m_edit(edit)
{
}

QValidator::State LengthLimitValidator::validate(QString &input, int &pos) const
{
    if (input.size() > m_limit && input.size() >= m_edit->text().size())
        return Invalid;
    return CodePageValidator::validate(input, pos);
}

UpperCaseValidator::UpperCaseValidator(QObject *parent)
    : CodePageValidator(parent)
{
}

QValidator::State UpperCaseValidator::validate(QString &input, int &pos) const
{
    if (CodePageValidator::validate(input, pos) == Invalid)
        return Invalid;
    // Upper-casing may leave the code page (the sharp s becomes "SS"): keep
    // such a character as typed.
    QString upper;
    for (QChar c : input) {
        const QChar u = c.toUpper();
        upper.append(CodePage::holds(u) ? u : c);
    }
    input = upper;
    return Acceptable;
}
