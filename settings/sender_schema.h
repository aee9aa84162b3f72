#pragma once

#include "settings/setting_row.h"

// The sender e-mail dialog's settings in its order: the provider, the account
// with "Show password", the server. Each group but the first has a frame.
const QList<SettingGroup> &SenderGroups();
// Those placed in the record.
const QList<SettingRow> &SenderRows();
const SettingRow &SenderRow(const QString &key);
