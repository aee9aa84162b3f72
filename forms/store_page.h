#pragma once

#include "forms/message.h"
#include "forms/operator_selection.h"
#include "forms/page_fault.h"
#include "forms/page_values.h"
#include "forms/profile_session.h"

#include <optional>

inline constexpr int kPhoneMinLength = 4;
inline constexpr int kPhoneMaxLength = 15;
inline constexpr int kEmailMaxLength = 47;

// Checks the page and stores it into the record, step by step in a fixed
// order. The first failing check ends it with its message, and `fault` names
// the control at fault; what the steps before it stored stays stored.
std::optional<Message> StorePage(const PageControls &controls, PageValues &values, ProfileSession &session,
                                 OperatorSelection &operators, PageFault &fault);
