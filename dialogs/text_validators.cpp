#include "dialogs/text_validators.h"

#include "profile/code_page.h"

QValidator::State CodePageValidator::validate(QString &input, int &) const
{
    return CodePage::holdsAll(input) ? Acceptable : Invalid;
}

QValidator::State DigitsValidator::validate(QString &input, int &) const
{
    for (QChar c : input) {
        if (c < u'0' || c > u'9')
            return Invalid;
    }
    return Acceptable;
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
