#include "profile/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/system_error.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

FileError errorAt(const QString &path, int error, QFileDevice::FileError qtError)
{
    FileError::Cause cause = FileError::causeFromSystemError(error);
    if (error == 0) {
        // Qt refused before any system call: name the cause it reports.
        if (QFileInfo(path).isDir())
            cause = FileError::Cause::AccessDenied;
        else if (qtError == QFileDevice::OpenError || qtError == QFileDevice::PermissionsError)
            cause = FileError::Cause::AccessDenied;
    }
    return FileError{cause, QDir::toNativeSeparators(path)};
}

// A link left where the working copy belongs would make the save write
// through it into another file: the link goes, or the save stops.
std::optional<FileError> removeLink(const QString &path)
{
    if (!QFileInfo(path).isSymLink())
        return std::nullopt;
    if (QFile::remove(path))
        return std::nullopt;
    return FileError{FileError::Cause::AccessDenied, QDir::toNativeSeparators(path)};
}

} // namespace

std::optional<FileError> WriteFileAtomically(const QString &path, QByteArrayView bytes,
                                             FileAccess access)
{
    if (access == FileAccess::OwnerOnly) {
        if (auto error = removeLink(path))
            return error;
    }

    QSaveFile file(path);
    ClearSystemError();
    if (!file.open(QIODevice::WriteOnly))
        return errorAt(path, LastSystemError(), file.error());

#ifndef Q_OS_WIN
    // Windows has no such mode: the copies live in the user's own profile folders.
    if (access == FileAccess::OwnerOnly) {
        ClearSystemError();
        if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
            const int error = LastSystemError();
            file.cancelWriting();
            return errorAt(path, error, file.error());
        }
    }
#endif

    ClearSystemError();
    const qint64 written = file.write(bytes.data(), bytes.size());
    if (written != bytes.size() || !file.flush()) {
        // A short write on a full disk may come back without an error.
        const int error = LastSystemError() != 0 ? LastSystemError() : NoSpaceError();
        file.cancelWriting();
        return errorAt(path, error, file.error());
    }

    ClearSystemError();
    if (!file.commit())
        return errorAt(path, LastSystemError() != 0 ? LastSystemError() : HardIOError(), file.error());
    return std::nullopt;
}

std::optional<QByteArray> ReadOwnFile(const QString &path, qint64 maxBytes)
{
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes(maxBytes, Qt::Uninitialized);
    qint64 total = 0;
    while (total < maxBytes) {
        const ssize_t got = ::read(fd, bytes.data() + total, std::size_t(maxBytes - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        total += got;
    }
    ::close(fd);
    bytes.truncate(total);
    return bytes;
#else
    // The link itself is opened, never what it points to, and refused.
    const HANDLE handle = ::CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                                        GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info {};
    if (::GetFileType(handle) != FILE_TYPE_DISK || !::GetFileInformationByHandle(handle, &info)
        || (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
        ::CloseHandle(handle);
        return std::nullopt;
    }
    QByteArray bytes(maxBytes, Qt::Uninitialized);
    qint64 total = 0;
    while (total < maxBytes) {
        DWORD got = 0;
        if (!::ReadFile(handle, bytes.data() + total, DWORD(maxBytes - total), &got, nullptr) || got == 0)
            break;
        total += got;
    }
    ::CloseHandle(handle);
    bytes.truncate(total);
    return bytes;
#endif
}
