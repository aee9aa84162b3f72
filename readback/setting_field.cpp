#include "readback/setting_field.h"

#include <algorithm>

bool SettingLine::inRange() const
{
    return std::ranges::all_of(fields, &SettingField::inRange);
}

bool SettingLine::secret() const
{
    return std::ranges::any_of(fields, &SettingField::secret);
}

QString SettingLine::name() const
{
    return (QStringList(groups) << label).join(QStringLiteral(" / "));
}

QString OutOfRangeText(const QString &shown)
{
    return shown + QStringLiteral(" (out of range)");
}
