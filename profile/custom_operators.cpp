#include "profile/custom_operators.h"

CustomOperators CustomOperators::BuiltIn()
{
    return CustomOperators{
        .CustomEntries = {BlankCustomEntry("Customer1"), BlankCustomEntry("Customer2"),
                          BlankCustomEntry("Customer3")},
        .CustomerEntry = BlankCustomEntry("Customer"),
    };
}
