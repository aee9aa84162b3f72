#pragma once

#include "profile/custom_operators.h"
#include "profile/file_error.h"
#include "profile/profile_image.h"
#include "profile/profile_record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

inline constexpr qsizetype kProfileFileSize = kProfileRecordSize - kCameraPartOffset; // 956
inline constexpr qsizetype kCustomBlockSize =
    (CustomOperators::kCountryCustomerCount + 1) * qsizetype(sizeof(OperatorEntry)); // 1056
inline constexpr qsizetype kWorkingCopySize = kProfileRecordSize + kCustomBlockSize; // 2032
// The block is the custom entries' bytes in their order.
static_assert(sizeof(CustomOperators) == kCustomBlockSize);

// "/setup" + version + ".bak", appended to the temporary folder.
QString WorkingCopyName();

// In the temporary folder; nothing when its path is empty or 260 characters and longer.
std::optional<QString> WorkingCopyPath();

// The save folder exactly as given, then "/PROFILE.BIN".
QString ProfileFilePath(const QString &folder);

// The two files' contents, built from one encoded image.
QByteArray ProfileFileBytes(const ProfileImage &image);
QByteArray WorkingCopyBytes(const ProfileImage &image, const CustomOperators &custom);

// True when the decoded image starts with the version mark working copies carry.
bool CarriesVersionMark(const ProfileImage &decoded);

// The custom entries from the bytes behind the record in a working copy.
void ReadCustomBlock(QByteArrayView block, CustomOperators &custom);

// Fills the record (and the custom entries) from the working copy, else from
// the durable copy; false, with nothing changed, when neither is usable (also
// when there is no temporary folder).
bool LoadWorkingCopy(ProfileRecord &record, CustomOperators &custom);

// The same from the copy's bytes (nothing when there is no readable copy).
bool RestoreWorkingCopy(const std::optional<QByteArray> &bytes, ProfileRecord &record, CustomOperators &custom);

// Writes PROFILE.BIN into the folder, then the working copy. Each file is
// replaced whole or not at all; a failure on PROFILE.BIN writes no working copy.
std::optional<FileError> SaveProfile(const QString &folder, const ProfileRecord &record,
                                     const CustomOperators &custom);

// Deletes the working copy and the durable copy; whether that worked is not examined.
void DeleteWorkingCopy();
