#include "readback/read_back.h"

#include "profile/profile_files.h"
#include "profile/profile_image.h"
#include "profile/version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {

ReadBackError failure(ReadBackError::Cause cause, QString detail = {})
{
    return ReadBackError{cause, {}, std::move(detail)};
}

ReadBack profileFile(QByteArrayView bytes)
{
    // Encoded zeros in front, so the bytes the file lacks decode to zero.
    static const ProfileImage zeros = EncodeProfileImage(ProfileRecord{});
    ProfileImage image = zeros;
    std::memcpy(image.data() + kCameraPartOffset, bytes.data(), kProfileFileSize);
    return ReadBack{ReadBack::Kind::ProfileFile, DecodedRecord(image), std::nullopt};
}

ReadBackResult workingCopy(QByteArrayView bytes)
{
    ProfileImage image;
    std::memcpy(image.data(), bytes.data(), image.size());
    DecodeProfileImage(image);
    // The tool itself ignores a copy without its mark.
    if (!CarriesVersionMark(image))
        return failure(ReadBackError::Cause::WrongVersion);
    ReadBack readBack{ReadBack::Kind::WorkingCopy, {}, CustomOperators{}};
    std::memcpy(&readBack.record, image.data(), image.size());
    ReadCustomBlock(bytes.sliced(kProfileRecordSize), *readBack.custom);
    return readBack;
}

} // namespace

QString ReadBackError::message() const
{
    const QString file = QDir::toNativeSeparators(path);
    switch (cause) {
    case Cause::Missing:
        return QStringLiteral("%1: no such file").arg(file);
    case Cause::NotAFile:
        return QStringLiteral("%1: %2, not a settings file").arg(file, detail);
    case Cause::Unreadable:
        return QStringLiteral("%1: cannot be read: %2").arg(file, detail);
    case Cause::WrongSize:
        return QStringLiteral("%1: %2 bytes, but a PROFILE.BIN has %3 bytes and a working copy %4")
            .arg(file, detail)
            .arg(kProfileFileSize)
            .arg(kWorkingCopySize);
    case Cause::WrongVersion:
        return QStringLiteral("%1: a working copy not marked by %2; the tool ignores it").arg(file, VersionText());
    }
    return file;
}

QString ReadBackKindName(ReadBack::Kind kind)
{
    return kind == ReadBack::Kind::ProfileFile ? QStringLiteral("PROFILE.BIN") : QStringLiteral("Working copy");
}

ReadBackResult DecodeReadBack(QByteArrayView bytes)
{
    if (bytes.size() == kProfileFileSize)
        return profileFile(bytes);
    if (bytes.size() == kWorkingCopySize)
        return workingCopy(bytes);
    return failure(ReadBackError::Cause::WrongSize, QString::number(bytes.size()));
}

ReadBackResult ReadBackFile(const QString &path)
{
    const auto withPath = [&path](ReadBackResult result) {
        if (auto *error = std::get_if<ReadBackError>(&result))
            error->path = path;
        return result;
    };

    const QFileInfo info(path);
    if (!info.exists())
        return withPath(failure(ReadBackError::Cause::Missing));
    // A pipe or a device could block or never end: only regular files are read.
    if (info.isDir())
        return withPath(failure(ReadBackError::Cause::NotAFile, QStringLiteral("a directory")));
    if (!info.isFile())
        return withPath(failure(ReadBackError::Cause::NotAFile, QStringLiteral("a device, pipe or socket")));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return withPath(failure(ReadBackError::Cause::Unreadable, file.errorString()));
    if (file.size() != kProfileFileSize && file.size() != kWorkingCopySize)
        return withPath(failure(ReadBackError::Cause::WrongSize, QString::number(file.size())));
    // One byte more than the largest layout tells a file apart that grew meanwhile.
    const QByteArray bytes = file.read(kWorkingCopySize + 1);
    if (file.error() != QFileDevice::NoError)
        return withPath(failure(ReadBackError::Cause::Unreadable, file.errorString()));
    return withPath(DecodeReadBack(bytes));
}
