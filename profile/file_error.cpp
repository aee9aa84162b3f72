#include "profile/file_error.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#endif

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

#ifdef Q_OS_WIN

FileError::Cause FileError::causeFromSystemError(int error)
{
    switch (DWORD(error)) {
    case ERROR_FILE_NOT_FOUND:
        return Cause::FileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_DRIVE:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return Cause::BadPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return Cause::TooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return Cause::AccessDenied;
    case ERROR_INVALID_HANDLE:
        return Cause::InvalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return Cause::RemoveCurrentDir;
    case ERROR_CANNOT_MAKE:
        return Cause::DirectoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
        return Cause::BadSeek;
    // A card pulled while it is written.
    case ERROR_NOT_READY:
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_IO_DEVICE:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_NO_MEDIA_IN_DRIVE:
        return Cause::HardIO;
    case ERROR_SHARING_VIOLATION:
        return Cause::SharingViolation;
    case ERROR_LOCK_VIOLATION:
        return Cause::LockViolation;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL:
        return Cause::DiskFull;
    case ERROR_HANDLE_EOF:
        return Cause::EndOfFile;
    default:
        return Cause::Generic;
    }
}

#else

FileError::Cause FileError::causeFromSystemError(int error)
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

#endif
