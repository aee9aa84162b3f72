#pragma once

#include <QJsonObject>

// A JSON Schema (draft 2020-12) of the settings document that `show --json`
// prints and `write` takes: every key with its type, items, range, length and
// what it does, so that an editor can check and complete a settings file.
QJsonObject SettingsJsonSchema();
