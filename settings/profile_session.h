#pragma once

#include "presets/email_presets.h"
#include "presets/operator_catalogue.h"
#include "profile/custom_operators.h"
#include "profile/profile_record.h"

#include <cstdint>

// Everything the tool edits while it runs: the one settings record, the
// user's custom operators and the sender presets.
struct ProfileSession {
    ProfileRecord record = InitialProfileRecord();
    CustomOperators custom = CustomOperators::BuiltIn();
    EmailPresets presets = EmailPresets::BuiltIn();
    OperatorCatalogue catalogue{custom};
    // 0 until start-up has run, 2 after; its low byte is the record's area.
    std::int32_t currentArea = 0;

    ProfileSession() = default;
    ProfileSession(const ProfileSession &) = delete;
    ProfileSession &operator=(const ProfileSession &) = delete;
};

inline constexpr std::int32_t kStartupArea = 2;

// Restores the last saved settings (or the defaults) and sets the area code.
void StartSession(ProfileSession &session);
