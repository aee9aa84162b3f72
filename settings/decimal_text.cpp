#include "settings/decimal_text.h"

#include <limits>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<std::int64_t> ReadLeadingDecimal(QStringView text, qsizetype *used)
{
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    if (pos >= text.size() || !isDigit(text[pos]))
        return std::nullopt;

    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        const int digit = text[pos].unicode() - u'0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    if (used)
        *used = pos;
    return negative ? -value : value;
}
