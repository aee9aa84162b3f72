#include "profile/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

FileError errorAt(const QString &path, int error, QFileDevice::FileError qtError)
{
    FileError::Cause cause = FileError::causeFromErrno(error);
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
    errno = 0;
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
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return errorAt(path, errno, file.error());

    if (access == FileAccess::OwnerOnly) {
        errno = 0;
        if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
            const int error = errno;
            file.cancelWriting();
            return errorAt(path, error, file.error());
        }
    }

    errno = 0;
    const qint64 written = file.write(bytes.data(), bytes.size());
    if (written != bytes.size() || !file.flush()) {
        // A short write on a full disk may come back without an error.
        const int error = errno != 0 ? errno : ENOSPC;
        file.cancelWriting();
        return errorAt(path, error, file.error());
    }

    errno = 0;
    if (!file.commit())
        return errorAt(path, errno != 0 ? errno : EIO, file.error());
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
    if (QFileInfo(path).isSymLink())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(maxBytes);
#endif
}
