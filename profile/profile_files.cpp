#include "profile/profile_files.h"

#include "profile/durable_copy.h"
#include "profile/safe_file.h"
#include "profile/text_fields.h"
#include "profile/version.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype kMaxTemporaryPathLength = 259;

// The record a working copy holds, decoded, when it carries this version's mark.
std::optional<ProfileImage> markedRecord(const std::optional<QByteArray> &bytes)
{
    if (!bytes || bytes->size() < qsizetype(kProfileRecordSize))
        return std::nullopt;
    ProfileImage image;
    std::memcpy(image.data(), bytes->constData(), image.size());
    DecodeProfileImage(image);
    if (!CarriesVersionMark(image))
        return std::nullopt;
    return image;
}

} // namespace

bool CarriesVersionMark(const ProfileImage &decoded)
{
    static const QByteArray mark = VersionMark();
    return qstrncmp(reinterpret_cast<const char *>(decoded.data()), mark.constData(),
                    sizeof(ProfileRecord::version_tag)) == 0;
}

void ReadCustomBlock(QByteArrayView block, CustomOperators &custom)
{
    // Entries missing from a short tail come back as zero bytes.
    QByteArray bytes(block.data(), std::min(block.size(), kCustomBlockSize));
    bytes.append(QByteArray(kCustomBlockSize - bytes.size(), '\0'));
    std::memcpy(static_cast<void *>(&custom), bytes.constData(), sizeof custom);
}

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

QString ProfileFilePath(const QString &folder)
{
    return folder + QStringLiteral("/PROFILE.BIN");
}

QByteArray ProfileFileBytes(const ProfileImage &image)
{
    return QByteArray(reinterpret_cast<const char *>(image.data()) + kCameraPartOffset,
                      kProfileFileSize);
}

QByteArray WorkingCopyBytes(const ProfileImage &image, const CustomOperators &custom)
{
    QByteArray bytes(reinterpret_cast<const char *>(image.data()), qsizetype(image.size()));
    bytes.append(reinterpret_cast<const char *>(&custom), sizeof custom);
    return bytes;
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
    if (!markedRecord(bytes)) {
        if (auto durable = ReadDurableCopy(); markedRecord(durable))
            bytes = std::move(durable);
    }
    return RestoreWorkingCopy(bytes, record, custom);
}

bool RestoreWorkingCopy(const std::optional<QByteArray> &bytes, ProfileRecord &record, CustomOperators &custom)
{
    const std::optional<ProfileImage> image = markedRecord(bytes);
    if (!image)
        return false;
    std::memcpy(&record, image->data(), image->size());

    ReadCustomBlock(bytes->mid(kProfileRecordSize), custom);
    TerminateTextFields(record);
    TerminateTextFields(custom);
    return true;
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
