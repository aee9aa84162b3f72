#pragma once

#include "profile/custom_operators.h"
#include "profile/file_error.h"
#include "profile/profile_record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

// A PROFILE.BIN or a working copy the user chose to open, told apart by size.
enum class SettingsFileKind { ProfileFile, WorkingCopy };

// Why a chosen file was refused; the message names the file.
struct SettingsFileFault {
    enum class Cause { Unreadable, Link, Folder, NotAFile, WrongSize, WrongVersion };

    Cause cause = Cause::Unreadable;
    QString path; // native separators
    qint64 size = 0;
    // Unreadable: the system's cause.
    FileError::Cause error = FileError::Cause::Generic;

    QString message() const;
};

using SettingsFileResult = std::variant<SettingsFileKind, SettingsFileFault>;

// A regular file of one of the two sizes, read whole; a link is not followed.
std::variant<QByteArray, SettingsFileFault> ReadSettingsFile(const QString &path);

// Puts a settings file's bytes into the record: a PROFILE.BIN gives record
// bytes 20..975, a working copy the whole record and the custom entries.
// Texts are ended and the area set as for a working copy loaded at start-up.
// On a fault nothing changes; `path` only names the file in it.
SettingsFileResult OpenSettingsBytes(QByteArrayView bytes, const QString &path, ProfileRecord &record,
                                     CustomOperators &custom, std::int32_t currentArea);

SettingsFileResult OpenSettingsFile(const QString &path, ProfileRecord &record, CustomOperators &custom,
                                    std::int32_t currentArea);
