#pragma once

#include <QString>

#include <span>

// Stores the text as 8-bit text with its terminating zero at the field's
// start; bytes behind the zero keep their content. A text too long for the
// field is cut so that the zero still fits: no write ever leaves the field.
void StoreRecordText(std::span<char> field, const QString &text);

// The text before the first zero byte; the whole field when it has none.
QString LoadRecordText(std::span<const char> field);

// Sets every byte of the field to zero.
void ClearRecordText(std::span<char> field);
