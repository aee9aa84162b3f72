#pragma once

#include "profile/custom_operators.h"
#include "profile/file_error.h"
#include "profile/profile_record.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The working copy's bytes kept a second time in the user's own data folder,
// which, unlike the temporary folder, is not emptied at boot.

// The durable copy's full path, or nothing when the system names no data folder.
std::optional<QString> DurableCopyPath();

// Writes the same bytes as the working copy, owner-only and in one step.
std::optional<FileError> SaveDurableCopy(const ProfileRecord &record, const CustomOperators &custom);

// Its bytes, by the rules of the working copy: a link or someone else's file reads as missing.
std::optional<QByteArray> ReadDurableCopy();

void DeleteDurableCopy();
