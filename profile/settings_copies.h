#pragma once

#include "profile/custom_operators.h"
#include "profile/file_error.h"
#include "profile/profile_record.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Where the tool keeps the settings it last saved, and which copy the next
// start reads: the working copy in the temporary folder, and the same bytes
// once more in the user's own data folder, which is not emptied at boot.

// "/setup" + version + ".bak", appended to either folder.
QString WorkingCopyName();

// In the temporary folder; nothing when its path is empty or 260 characters and longer.
std::optional<QString> WorkingCopyPath();

// The durable copy's full path, or nothing when the system names no data folder.
std::optional<QString> DurableCopyPath();

// Fills the record (and the custom entries) from the working copy, else from
// the durable copy; false, with nothing changed, when neither is usable (also
// when there is no temporary folder).
bool LoadWorkingCopy(ProfileRecord &record, CustomOperators &custom);

// Writes PROFILE.BIN into the folder, then the working copy. Each file is
// replaced whole or not at all; a failure on PROFILE.BIN writes no working copy.
std::optional<FileError> SaveProfile(const QString &folder, const ProfileRecord &record,
                                     const CustomOperators &custom);

// Writes only PROFILE.BIN into the folder, replaced whole or not at all; a
// folder that is missing or not a folder is refused as a bad path.
std::optional<FileError> SaveProfileFile(const QString &folder, const ProfileRecord &record);

// Writes the working copy's bytes as the durable copy, owner-only and in one step.
std::optional<FileError> SaveDurableCopy(const ProfileRecord &record, const CustomOperators &custom);

// Its bytes, by the rules of the working copy: a link or someone else's file reads as missing.
std::optional<QByteArray> ReadDurableCopy();

// Deletes the working copy and the durable copy; whether that worked is not examined.
void DeleteWorkingCopy();
void DeleteDurableCopy();
