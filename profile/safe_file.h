#pragma once

#include "profile/file_error.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

enum class FileAccess { Shared, OwnerOnly };

// Replaces the file with the bytes in one step: on any failure, a full disk
// included, the previous file stays whole and the cause is returned.
std::optional<FileError> WriteFileAtomically(const QString &path, QByteArrayView bytes,
                                             FileAccess access);

// Up to `maxBytes` of a regular file that belongs to the user. A symbolic
// link, someone else's file or anything unreadable reads as missing.
std::optional<QByteArray> ReadOwnFile(const QString &path, qint64 maxBytes);
