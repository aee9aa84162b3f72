#include "profile/custom_operators.h"

CustomOperators CustomOperators::BuiltIn()
{
    return CustomOperators{
        .country_customers = {BlankCustomEntry("Customer1"), BlankCustomEntry("Customer2"),
                          BlankCustomEntry("Customer3")},
        .extra_customer = BlankCustomEntry("Customer"),
    };
}
