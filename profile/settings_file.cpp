#include "profile/settings_file.h"

#include "profile/profile_files.h"
#include "profile/profile_image.h"
#include "profile/text_fields.h"
#include "profile/version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include "platform/system_error.h"

#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

SettingsFileFault fault(SettingsFileFault::Cause cause, const QString &path)
{
    return SettingsFileFault{cause, QDir::toNativeSeparators(path)};
}

SettingsFileFault unreadable(const QString &path, int error)
{
    SettingsFileFault refused = fault(SettingsFileFault::Cause::Unreadable, path);
    refused.error = IsFileNotFound(error) ? FileError::Cause::FileNotFound : FileError::causeFromSystemError(error);
    return refused;
}

SettingsFileFault wrongSize(const QString &path, qint64 size)
{
    SettingsFileFault refused = fault(SettingsFileFault::Cause::WrongSize, path);
    refused.size = size;
    return refused;
}

bool settingsFileSize(qint64 size)
{
    return size == kProfileFileSize || size == kWorkingCopySize;
}

} // namespace

QString SettingsFileFault::message() const
{
    switch (cause) {
    case Cause::Unreadable: break;
    case Cause::Link: return QCoreApplication::translate("FileErrors", "%1 is a link. Open the file it points to.").arg(path);
    case Cause::Folder: return QCoreApplication::translate("FileErrors", "%1 is a folder, not a settings file.").arg(path);
    case Cause::NotAFile: return QCoreApplication::translate("FileErrors", "%1 is a device, pipe or socket, not a settings file.").arg(path);
    case Cause::WrongSize:
        return QCoreApplication::translate("FileErrors",
                                           "%1 holds %2 bytes, so it is not a settings file: a PROFILE.BIN holds %3 "
                                           "bytes, a working copy %4.")
            .arg(path)
            .arg(size)
            .arg(kProfileFileSize)
            .arg(kWorkingCopySize);
    case Cause::WrongVersion:
        return QCoreApplication::translate("FileErrors",
                                           "%1 is a working copy of another version: it does not carry the mark of %2.")
            .arg(path, VersionText());
    }
    return FileError{error, path}.message();
}

std::variant<QByteArray, SettingsFileFault> ReadSettingsFile(const QString &path)
{
#ifndef Q_OS_WIN
    // Not following a link and not waiting on a pipe; what is checked is what is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ELOOP ? fault(SettingsFileFault::Cause::Link, path) : unreadable(path, errno);
    // Closed on the way out, after a refusal has read errno.
    const auto closing = qScopeGuard([fd] { ::close(fd); });
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return unreadable(path, errno);
    if (!S_ISREG(status.st_mode))
        return fault(S_ISDIR(status.st_mode) ? SettingsFileFault::Cause::Folder : SettingsFileFault::Cause::NotAFile,
                     path);
    if (!settingsFileSize(status.st_size))
        return wrongSize(path, status.st_size);
    // One byte more than the larger layout tells a file that grew meanwhile.
    QByteArray bytes(kWorkingCopySize + 1, Qt::Uninitialized);
    qsizetype total = 0;
    while (total < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + total, std::size_t(bytes.size() - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return unreadable(path, errno);
        if (got == 0)
            break;
        total += got;
    }
    bytes.truncate(total);
#else
    // A link or junction is opened itself, not followed; a folder opens so that it can be named.
    const HANDLE handle = ::CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                                        GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return unreadable(path, LastSystemError());
    const auto closing = qScopeGuard([handle] { ::CloseHandle(handle); });
    if (::GetFileType(handle) != FILE_TYPE_DISK)
        return fault(SettingsFileFault::Cause::NotAFile, path);
    BY_HANDLE_FILE_INFORMATION info {};
    if (!::GetFileInformationByHandle(handle, &info))
        return unreadable(path, LastSystemError());
    if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return fault(SettingsFileFault::Cause::Link, path);
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return fault(SettingsFileFault::Cause::Folder, path);
    const qint64 size = qint64((quint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    if (!settingsFileSize(size))
        return wrongSize(path, size);
    QByteArray bytes(kWorkingCopySize + 1, Qt::Uninitialized);
    qsizetype total = 0;
    while (total < bytes.size()) {
        DWORD got = 0;
        if (!::ReadFile(handle, bytes.data() + total, DWORD(bytes.size() - total), &got, nullptr))
            return unreadable(path, LastSystemError());
        if (got == 0)
            break;
        total += got;
    }
    bytes.truncate(total);
#endif
    if (!settingsFileSize(bytes.size()))
        return wrongSize(path, bytes.size());
    return bytes;
}

SettingsFileResult OpenSettingsBytes(QByteArrayView bytes, const QString &path, ProfileRecord &record,
                                     CustomOperators &custom, std::int32_t currentArea)
{
    if (!settingsFileSize(bytes.size()))
        return wrongSize(path, bytes.size());

    ProfileImage image = EncodeProfileImage(record);
    const bool profileFile = bytes.size() == kProfileFileSize;
    // PROFILE.BIN lacks the record's first bytes: those of the running tool stay.
    const qsizetype start = profileFile ? qsizetype(kCameraPartOffset) : 0;
    std::memcpy(image.data() + start, bytes.data(), std::size_t(qsizetype(kProfileRecordSize) - start));
    DecodeProfileImage(image);
    if (!profileFile && !CarriesVersionMark(image))
        return fault(SettingsFileFault::Cause::WrongVersion, path);

    std::memcpy(&record, image.data(), image.size());
    if (!profileFile)
        ReadCustomBlock(bytes.sliced(kProfileRecordSize), custom);
    TerminateTextFields(record);
    TerminateTextFields(custom);
    record.area = std::uint8_t(currentArea & 0xFF);
    return profileFile ? SettingsFileKind::ProfileFile : SettingsFileKind::WorkingCopy;
}

SettingsFileResult OpenSettingsFile(const QString &path, ProfileRecord &record, CustomOperators &custom,
                                    std::int32_t currentArea)
{
    auto read = ReadSettingsFile(path);
    if (auto *refused = std::get_if<SettingsFileFault>(&read))
        return *refused;
    return OpenSettingsBytes(std::get<QByteArray>(read), path, record, custom, currentArea);
}
