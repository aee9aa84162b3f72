#pragma once

#include <QString>

#include <optional>

// The folder the last successful save wrote PROFILE.BIN into, kept among the
// tool's own preferences (never in the settings record).
void RememberCardFolder(const QString &folder);

// The remembered folder, when it still exists.
std::optional<QString> RememberedCardFolder();
