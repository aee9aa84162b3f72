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
    // Room for what diff and check append, so that a line costs one allocation.
    QString name;
    name.reserve(128);
    for (const QString &group : groups) {
        name += group;
        name += QLatin1StringView(" / ");
    }
    name += label;
    return name;
}

QString OutOfRangeText(const QString &shown)
{
    return shown + QStringLiteral(" (out of range)");
}
