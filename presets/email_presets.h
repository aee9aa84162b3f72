#pragma once

#include "profile/email_entry.h"

#include <QStringList>

#include <array>

// The sender providers of the "Select Email" combo, each with its preset
// account. The presets are scratch space while the tool runs: the sender
// dialog keeps in them what the user last typed for each provider.
struct EmailPresets {
    static constexpr int kProviderCount = 11;
    static constexpr int kDefaultPosition = 0;
    static constexpr int kRevierweltPosition = 7;
    static constexpr int kOtherPosition = 10;

    std::array<EmailEntry, kProviderCount> entries;
    // The default account for the country "Finland"; never listed.
    EmailEntry FinlandSender;

    static EmailPresets BuiltIn();

    // The preset the page stores for a country when no provider was chosen.
    const EmailEntry &defaultAccount(int countryRow) const;
};

// The names in the order of the "Select Email" combo.
QStringList ProviderNames();
