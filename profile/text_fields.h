#pragma once

#include "profile/custom_operators.h"
#include "profile/profile_record.h"

#include <functional>
#include <span>

// Every 8-bit text field of the record and of the operator entries.
void ForEachTextField(ProfileRecord &record, const std::function<void(std::span<char>)> &visit);
void ForEachTextField(OperatorEntry &entry, const std::function<void(std::span<char>)> &visit);

// A file this tool did not write may hold a text without its terminating
// zero; the camera would read on into the next field. The last byte of such
// a field becomes zero.
void TerminateTextFields(ProfileRecord &record);
void TerminateTextFields(CustomOperators &custom);

// True when every text field holds a zero inside its width.
bool TextFieldsTerminated(const ProfileRecord &record);
bool TextFieldsTerminated(const CustomOperators &custom);
