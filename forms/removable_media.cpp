#include "forms/removable_media.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

QString userName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("LOGNAME");
    return name.isEmpty() ? QDir::home().dirName() : name;
}

bool isInside(const QString &path, const QString &folder)
{
    const QString root = QDir::cleanPath(folder) + QLatin1Char('/');
    return QDir::cleanPath(path).startsWith(root);
}

} // namespace

QStringList RemovableMediaFolders()
{
    QStringList candidates;
#if defined(Q_OS_MACOS)
    candidates << QStringLiteral("/Volumes");
#elif defined(Q_OS_UNIX)
    const QString user = userName();
    candidates << QStringLiteral("/run/media/") + user << QStringLiteral("/media/") + user;
#endif
    candidates.removeIf([](const QString &folder) { return !QFileInfo(folder).isDir(); });
    return candidates;
}

QStringList RemovableDrives(const QStringList &mediaFolders, const QStringList &mountedRoots)
{
    QStringList drives;
    for (const QString &root : mountedRoots) {
        for (const QString &folder : mediaFolders) {
            if (isInside(root, folder) && !drives.contains(root))
                drives << root;
        }
    }
    return drives;
}

QStringList RemovableDrives(const QStringList &mediaFolders)
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            roots << volume.rootPath();
    }
    return RemovableDrives(mediaFolders, roots);
}

QString PickerStartFolder(const QString &savePath, const QStringList &mediaFolders)
{
    if (const QFileInfo folder(savePath); !savePath.isEmpty() && folder.isDir())
        return folder.absoluteFilePath();
    return mediaFolders.isEmpty() ? QString() : mediaFolders.first();
}
