#pragma once

#include <QString>

// Why a file could not be written, and which file: the user sees both.
struct FileError {
    enum class Cause {
        Generic,
        FileNotFound,
        BadPath,
        TooManyOpenFiles,
        AccessDenied,
        InvalidFile,
        RemoveCurrentDir,
        DirectoryFull,
        BadSeek,
        HardIO,
        SharingViolation,
        LockViolation,
        DiskFull,
        EndOfFile,
    };

    Cause cause = Cause::Generic;
    QString path; // full path, native separators

    // The cause's text with the path in it.
    QString message() const;

    // From the system's code (errno on Unix, GetLastError() on Windows).
    static Cause causeFromSystemError(int error);

    friend bool operator==(const FileError &, const FileError &) = default;
};
