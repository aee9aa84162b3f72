#include "profile/settings_copies.h"

#include "platform/system_error.h"
#include "profile/profile_files.h"
#include "profile/safe_file.h"
#include "profile/version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr qsizetype kMaxTemporaryPathLength = 259;

} // namespace

QString WorkingCopyName()
{
    return QStringLiteral("/setup") + VersionText() + QStringLiteral(".bak");
}

std::optional<QString> WorkingCopyPath()
{
    const QString folder = QDir::tempPath();
    if (folder.isEmpty() || folder.size() > kMaxTemporaryPathLength)
        return std::nullopt;
    return folder + WorkingCopyName();
}

std::optional<QString> DurableCopyPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        return std::nullopt;
    return folder + WorkingCopyName();
}

std::optional<FileError> SaveDurableCopy(const ProfileRecord &record, const CustomOperators &custom)
{
    const auto path = DurableCopyPath();
    if (!path)
        return FileError{FileError::Cause::BadPath,
                         QDir::toNativeSeparators(QStandardPaths::displayName(QStandardPaths::AppDataLocation))};
    const QString folder = QFileInfo(*path).absolutePath();
    ClearSystemError();
    if (!QDir().mkpath(folder)) {
        // A file where the folder belongs: the path leads nowhere.
        const int failed = LastSystemError();
        const int error = QFileInfo::exists(folder) ? NotADirectoryError() : failed != 0 ? failed : AccessDeniedError();
        return FileError{FileError::causeFromSystemError(error), QDir::toNativeSeparators(folder)};
    }
    return WriteFileAtomically(*path, WorkingCopyBytes(EncodeProfileImage(record), custom), FileAccess::OwnerOnly);
}

std::optional<QByteArray> ReadDurableCopy()
{
    const auto path = DurableCopyPath();
    if (!path)
        return std::nullopt;
    return ReadOwnFile(*path, kWorkingCopySize);
}

void DeleteDurableCopy()
{
    if (const auto path = DurableCopyPath())
        QFile::remove(*path);
}

bool LoadWorkingCopy(ProfileRecord &record, CustomOperators &custom)
{
    // Without a temporary folder there is no copy to read: the defaults, as
    // for any copy that cannot be read, never an empty record for the card.
    const auto path = WorkingCopyPath();
    std::optional<QByteArray> bytes;
    if (path)
        bytes = ReadOwnFile(*path, kWorkingCopySize);
    // The temporary folder may have been emptied at boot: the durable copy stands in.
    if (!IsUsableCopy(bytes)) {
        if (auto durable = ReadDurableCopy(); IsUsableCopy(durable))
            bytes = std::move(durable);
    }
    return RestoreWorkingCopy(bytes, record, custom);
}

std::optional<FileError> SaveProfile(const QString &folder, const ProfileRecord &record,
                                     const CustomOperators &custom)
{
    const ProfileImage image = EncodeProfileImage(record);
    if (auto error = WriteFileAtomically(ProfileFilePath(folder), ProfileFileBytes(image),
                                         FileAccess::Shared))
        return error;

    const auto path = WorkingCopyPath();
    if (!path)
        return std::nullopt;
    return WriteFileAtomically(*path, WorkingCopyBytes(image, custom), FileAccess::OwnerOnly);
}

void DeleteWorkingCopy()
{
    if (const auto path = WorkingCopyPath())
        QFile::remove(*path);
    // Otherwise the next start would bring the settings back from it.
    DeleteDurableCopy();
}

std::optional<FileError> SaveProfileFile(const QString &folder, const ProfileRecord &record)
{
    const QString path = ProfileFilePath(folder);
    if (!QFileInfo(folder).isDir())
        return FileError{FileError::Cause::BadPath, QDir::toNativeSeparators(path)};
    return WriteFileAtomically(path, ProfileFileBytes(EncodeProfileImage(record)), FileAccess::Shared);
}
