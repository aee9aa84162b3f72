#pragma once

#include "profile/custom_operators.h"
#include "profile/profile_record.h"

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <variant>

// A settings file read back into the record it was written from.
struct ReadBack {
    enum class Kind { ProfileFile, WorkingCopy };

    Kind kind = Kind::ProfileFile;
    // From PROFILE.BIN, bytes 0..19 are zero: the file does not hold them.
    ProfileRecord record{};
    // Only a working copy holds the custom operator entries.
    std::optional<CustomOperators> custom;
};

// Why a file could not be read back.
struct ReadBackError {
    enum class Cause { Missing, NotAFile, Unreadable, WrongSize, WrongVersion };

    Cause cause = Cause::Missing;
    QString path;
    QString detail; // the system's reason, or the size found

    QString message() const;
};

using ReadBackResult = std::variant<ReadBack, ReadBackError>;

// "PROFILE.BIN" or "Working copy".
QString ReadBackKindName(ReadBack::Kind kind);

// Decodes a file's bytes, told apart by their size; any content of the right
// size decodes.
ReadBackResult DecodeReadBack(QByteArrayView bytes);

// Reads and decodes a regular file; anything else is refused without reading it.
ReadBackResult ReadBackFile(const QString &path);
