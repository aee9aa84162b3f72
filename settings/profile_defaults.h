#pragma once

#include "profile/custom_operators.h"
#include "profile/profile_record.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

// Puts the defaults into the record: every setting row's, and those of the
// fields no row names. The settings whose rows say so keep their bytes.
// `currentArea` is the program's area code at the moment of the call.
void SetProfileDefaults(ProfileRecord &record, std::int32_t currentArea);

// The working copy, else the durable copy, else the defaults.
void LoadSettings(ProfileRecord &record, CustomOperators &custom, std::int32_t currentArea);
// The same from a copy's bytes.
void RestoreSettings(const std::optional<QByteArray> &bytes, ProfileRecord &record, CustomOperators &custom,
                     std::int32_t currentArea);
