#pragma once

#include "settings/setting_row.h"

#include <QList>
#include <QStringList>

// The camera's one-byte choices, each a drop-down list whose item position is
// the stored byte, in their groups as the dialog shows them. The last group's
// settings are built, loaded and stored like the others but never shown; its
// title names it only where the settings are read back.
const QList<SettingGroup> &CameraGroups();

// "Off", "On": the lists of the camera's and the page's switches.
QStringList OffOnItems();
