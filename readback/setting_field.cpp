#include "readback/setting_field.h"

#include <algorithm>

bool SettingLine::inRange() const
{
    return std::ranges::all_of(fields, &SettingField::inRange);
}

bool SettingLine::secret() const
{
    return std::ranges::any_of(fields, [](const SettingField &field) { return field.shape->secret; });
}
