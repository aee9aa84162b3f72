#pragma once

#include "readback/read_back.h"
#include "readback/setting_field.h"

#include <QList>
#include <QString>

// Every setting of the file, grouped as the dialogs group them, with the
// item texts and ranges of the dialogs' own lists.
QList<SettingLine> ListSettings(const ReadBack &readBack);

// Every field a settings file can hold, in the listing's order: a working
// copy's custom entries last.
QList<const FieldShape *> ListedFields();
