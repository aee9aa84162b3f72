#pragma once

#include "profile/custom_operators.h"
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

// The save folder exactly as given, then "/PROFILE.BIN".
QString ProfileFilePath(const QString &folder);

// The two files' contents, built from one encoded image.
QByteArray ProfileFileBytes(const ProfileImage &image);
QByteArray WorkingCopyBytes(const ProfileImage &image, const CustomOperators &custom);

// True when the decoded image starts with the version mark working copies carry.
bool CarriesVersionMark(const ProfileImage &decoded);

// The custom entries from the bytes behind the record in a working copy.
void ReadCustomBlock(QByteArrayView block, CustomOperators &custom);

// True when the bytes are a copy of this version's settings.
bool IsUsableCopy(const std::optional<QByteArray> &bytes);

// Fills the record (and the custom entries) from a copy's bytes (nothing when
// there is no readable copy); false, with nothing changed, when they are not usable.
bool RestoreWorkingCopy(const std::optional<QByteArray> &bytes, ProfileRecord &record, CustomOperators &custom);
