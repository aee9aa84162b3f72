#include "profile/file_error.h"

#include <QCoreApplication>

#include <cerrno>

QString FileError::message() const
{
    const char *text = QT_TRANSLATE_NOOP("FileErrors", "An unknown error occurred while accessing %1.");
    switch (cause) {
    case Cause::Generic: break;
    case Cause::FileNotFound:
        text = QT_TRANSLATE_NOOP("FileErrors", "%1 was not found.");
        break;
    case Cause::BadPath:
        text = QT_TRANSLATE_NOOP("FileErrors", "%1 contains an incorrect path.");
        break;
    case Cause::TooManyOpenFiles:
        text = QT_TRANSLATE_NOOP("FileErrors", "Could not open %1 because there are too many open files.");
        break;
    case Cause::AccessDenied:
        text = QT_TRANSLATE_NOOP("FileErrors", "Access to %1 was denied.");
        break;
    case Cause::InvalidFile:
        text = QT_TRANSLATE_NOOP("FileErrors", "An incorrect file handle was associated with %1.");
        break;
    case Cause::RemoveCurrentDir:
        text = QT_TRANSLATE_NOOP("FileErrors", "Could not remove %1 because it is the current directory.");
        break;
    case Cause::DirectoryFull:
        text = QT_TRANSLATE_NOOP("FileErrors", "Could not create %1 because the directory is full.");
        break;
    case Cause::BadSeek:
        text = QT_TRANSLATE_NOOP("FileErrors", "Seek failed on %1");
        break;
    case Cause::HardIO:
        text = QT_TRANSLATE_NOOP("FileErrors", "Encountered a hardware I/O error while accessing %1.");
        break;
    case Cause::SharingViolation:
        text = QT_TRANSLATE_NOOP("FileErrors", "Encountered a sharing violation while accessing %1.");
        break;
    case Cause::LockViolation:
        text = QT_TRANSLATE_NOOP("FileErrors", "Encountered a locking violation while accessing %1.");
        break;
    case Cause::DiskFull:
        text = QT_TRANSLATE_NOOP("FileErrors", "Disk full while accessing %1.");
        break;
    case Cause::EndOfFile:
        text = QT_TRANSLATE_NOOP("FileErrors", "Attempted to access %1 past its end.");
        break;
    }
    return QCoreApplication::translate("FileErrors", text).arg(path);
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
