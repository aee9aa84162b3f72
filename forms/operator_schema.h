#pragma once

#include "forms/setting_row.h"

// An operator entry's settings, placed within the entry: its name, which no
// dialog changes, and the operator dialog's MMS and GPRS groups.
const SettingRow &OperatorNameRow();
const QList<SettingGroup> &OperatorGroups();
