#pragma once

#include "forms/message.h"
#include "forms/page_fault.h"
#include "forms/page_values.h"

#include <optional>

inline constexpr int kSavePathLimit = 128;
inline constexpr int kRenameTextLimit = 8;

// Takes the controls into the values in the page's fixed order. A value that
// cannot be taken keeps what it held; the first such one's message says why
// and `fault` names its control.
std::optional<Message> ReadPage(PageValues &values, const PageControls &controls, PageFault &fault);

// The number field's value, or nothing when its text is no integer.
std::optional<int> ReadInstantNumber(const QString &text);
