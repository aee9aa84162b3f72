#include "profile/profile_files.h"

#include "profile/text_fields.h"
#include "profile/version.h"

#include <algorithm>
#include <cstring>

namespace {

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

bool IsUsableCopy(const std::optional<QByteArray> &bytes)
{
    return markedRecord(bytes).has_value();
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
