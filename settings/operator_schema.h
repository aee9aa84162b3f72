#pragma once

#include "settings/setting_row.h"
#include "profile/operator_entry.h"

#include <span>

// An operator entry's settings, placed within the entry: its name, which no
// dialog changes, and the operator dialog's MMS and GPRS groups.
const SettingRow &OperatorNameRow();
const QList<SettingGroup> &OperatorGroups();

// The bytes of a text's place in the entry.
std::span<const char> EntryField(const OperatorEntry &entry, const RecordPlace &place);
std::span<char> EntryField(OperatorEntry &entry, const RecordPlace &place);
