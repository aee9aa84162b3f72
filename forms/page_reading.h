#pragma once

#include "forms/message.h"
#include "forms/page_fault.h"
#include "forms/page_values.h"

#include <optional>

inline constexpr int kSavePathLimit = 128;
inline constexpr int kRenameTextLimit = 8;

// Takes the controls into the values in the page's fixed order. A value that
// cannot be taken stops the reading there: it and the values after it keep
// what they held, the message says why and `fault` names the control.
std::optional<Message> ReadPage(PageValues &values, const PageControls &controls, PageFault &fault);

// The number field's text for a value.
QString InstantNumberText(int value);
