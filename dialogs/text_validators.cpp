#include "dialogs/text_validators.h"

#include "profile/code_page.h"

#include <algorithm>

QValidator::State CodePageValidator::validate(QString &input, int &) const
{
    return CodePage::holdsAll(input) ? Acceptable : Invalid;
}

QValidator::State DigitsValidator::validate(QString &input, int &) const
{
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    return std::all_of(input.begin(), input.end(), isDigit) ? Acceptable : Invalid;
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
