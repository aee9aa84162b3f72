#include "settings/profile_defaults.h"

#include "settings/camera_schema.h"
#include "settings/page_schema.h"
#include "settings/sender_schema.h"
#include "settings/work_time_schema.h"
#include "profile/profile_files.h"
#include "profile/settings_copies.h"

#include <cstring>
#include <map>

namespace {

// The numbers by record offset: rows that share a byte put their bits into it together.
using DefaultNumbers = std::map<std::size_t, std::pair<RecordPlace, int>>;

void putDefault(ProfileRecord &record, DefaultNumbers &numbers, const SettingRow &row, std::size_t outerOffset = 0)
{
    if (!row.recordDefault)
        return;
    for (const RecordPlace &place : row.places) {
        const std::size_t offset = outerOffset + place.offset;
        if (row.isText()) {
            std::memset(reinterpret_cast<char *>(&record) + offset, 0, place.width);
            continue;
        }
        auto &[field, value] = numbers[offset];
        field = place;
        field.offset = offset;
        value |= (row.defaultValue & place.mask) << place.shift;
    }
}

} // namespace

void SetProfileDefaults(ProfileRecord &record, std::int32_t currentArea)
{
    SetUnlistedDefaults(record, currentArea);
    DefaultNumbers numbers;
    for (const SettingGroup &group : CameraGroups())
        for (const SettingRow &row : group.rows)
            putDefault(record, numbers, row);
    for (int window = 0; window < WorkTimeGroups().size(); ++window)
        for (const SettingRow &row : WorkTimeGroups().at(window).rows)
            putDefault(record, numbers, row, WorkTimePlace(window).offset);
    for (const SettingGroup &group : PageGroups())
        for (const SettingRow &row : group.rows)
            putDefault(record, numbers, row);
    for (const SettingRow &row : SenderRows())
        putDefault(record, numbers, row);
    for (const auto &[offset, number] : numbers)
        number.first.write(&record, number.second);
}

void LoadSettings(ProfileRecord &record, CustomOperators &custom, std::int32_t currentArea)
{
    if (!LoadWorkingCopy(record, custom))
        SetProfileDefaults(record, currentArea);
}

void RestoreSettings(const std::optional<QByteArray> &bytes, ProfileRecord &record, CustomOperators &custom,
                     std::int32_t currentArea)
{
    if (!RestoreWorkingCopy(bytes, record, custom))
        SetProfileDefaults(record, currentArea);
}
