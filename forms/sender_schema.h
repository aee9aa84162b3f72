#pragma once

#include "forms/setting_row.h"

// The sender e-mail dialog's settings, placed in the record.
const QList<SettingRow> &SenderRows();
