#include "profile/durable_copy.h"

#include "profile/profile_files.h"
#include "profile/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/system_error.h"

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
