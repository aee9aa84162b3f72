#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

// Reads a number the way C's "%d" does: leading blanks, an optional sign and
// at least one digit; whatever follows is left unread. Nothing when the text
// does not begin with a number. Huge values saturate instead of wrapping.
// `used` receives the count of characters read.
std::optional<std::int64_t> ReadLeadingDecimal(QStringView text, qsizetype *used = nullptr);
