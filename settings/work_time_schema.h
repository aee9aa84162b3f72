#pragma once

#include "settings/setting_row.h"

#include <QList>

#include <array>

// The camera's weekly work-time windows, each a group keyed "workTime1" and
// titled "Work Time 1": its switch, its start and stop times and its days,
// placed within its six bytes and stored only once every window's check passes.
// The days' items are the "ALL" box's text, spelled "All" in windows 2 and 4,
// then the day names from Sunday.
const QList<SettingGroup> &WorkTimeGroups();

// Window `window`, from 0: "work_time_1" and where its bytes lie in the record.
RecordPlace WorkTimePlace(int window);

// The day names untranslated, to name the day boxes the same in every language.
const std::array<const char *, 7> &WeekDayKeys();
