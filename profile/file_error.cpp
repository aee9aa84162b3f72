#include "profile/file_error.h"

#include <cerrno>

QString FileError::message() const
{
    const char *text = "An unknown error occurred while accessing %1.";
    switch (cause) {
    case Cause::Generic: break;
    case Cause::FileNotFound: text = "%1 was not found."; break;
    case Cause::BadPath: text = "%1 contains an incorrect path."; break;
    case Cause::TooManyOpenFiles: text = "Could not open %1 because there are too many open files."; break;
    case Cause::AccessDenied: text = "Access to %1 was denied."; break;
    case Cause::InvalidFile: text = "An incorrect file handle was associated with %1."; break;
    case Cause::RemoveCurrentDir: text = "Could not remove %1 because it is the current directory."; break;
    case Cause::DirectoryFull: text = "Could not create %1 because the directory is full."; break;
    case Cause::BadSeek: text = "Seek failed on %1"; break;
    case Cause::HardIO: text = "Encountered a hardware I/O error while accessing %1."; break;
    case Cause::SharingViolation: text = "Encountered a sharing violation while accessing %1."; break;
    case Cause::LockViolation: text = "Encountered a locking violation while accessing %1."; break;
    case Cause::DiskFull: text = "Disk full while accessing %1."; break;
    case Cause::EndOfFile: text = "Attempted to access %1 past its end."; break;
    }
    return QString::fromLatin1(text).arg(path);
}

FileError::Cause FileError::causeFromErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
        return Cause::BadPath;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return Cause::AccessDenied;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return Cause::DiskFull;
    case EMFILE:
    case ENFILE:
        return Cause::TooManyOpenFiles;
    case EIO:
        return Cause::HardIO;
    case EBUSY:
    case ETXTBSY:
        return Cause::SharingViolation;
    default:
        return Cause::Generic;
    }
}
