#pragma once

#include "profile/operator_entry.h"

#include <array>

// The four operator entries the user may edit; they live for the whole run
// and the working copy keeps them from one run to the next.
struct CustomOperators {
    static constexpr int kCountryCustomerCount = 3;

    // "Customer1".."Customer3": the country "Customer".
    std::array<OperatorEntry, kCountryCustomerCount> country_customers;
    // "Customer": the extra last item of every other country but "Auto".
    OperatorEntry extra_customer;

    static CustomOperators BuiltIn();

    friend bool operator==(const CustomOperators &, const CustomOperators &) = default;
};
