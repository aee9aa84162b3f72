#include "settings/removable_media.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

#ifdef Q_OS_WIN

// The letters of the card readers (removable drives) that hold a card.
QStringList removableDriveRoots()
{
    QStringList roots;
    const DWORD letters = ::GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if ((letters & (1u << i)) == 0)
            continue;
        const wchar_t root[] = {wchar_t(L'A' + i), L':', L'\\', L'\0'};
        if (::GetDriveTypeW(root) != DRIVE_REMOVABLE)
            continue;
        // An empty reader answers "not ready", without asking the user to insert a card.
        DWORD previous = 0;
        ::SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous);
        ULARGE_INTEGER free {};
        const bool holdsCard = ::GetDiskFreeSpaceExW(root, &free, nullptr, nullptr) != 0;
        ::SetThreadErrorMode(previous, nullptr);
        if (holdsCard)
            roots << QChar(u'A' + i) + QStringLiteral(":/");
    }
    return roots;
}

#else

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

#endif

} // namespace

QStringList RemovableMediaFolders()
{
    QStringList candidates;
#if defined(Q_OS_WIN)
    candidates = removableDriveRoots();
#elif defined(Q_OS_MACOS)
    candidates << QStringLiteral("/Volumes");
#elif defined(Q_OS_UNIX)
    const QString user = userName();
    candidates << QStringLiteral("/run/media/") + user << QStringLiteral("/media/") + user;
#endif
    candidates.removeIf([](const QString &folder) { return !QFileInfo(folder).isDir(); });
    return candidates;
}

#ifndef Q_OS_WIN

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

#else

// On Windows each media folder is a drive of its own.
QStringList RemovableDrives(const QStringList &mediaFolders)
{
    return mediaFolders;
}

#endif

QString PickerStartFolder(const QString &savePath, const QStringList &mediaFolders)
{
    if (const QFileInfo folder(savePath); !savePath.isEmpty() && folder.isDir())
        return folder.absoluteFilePath();
    // Not the folder the tool was started from, which tells the user nothing.
    return mediaFolders.isEmpty() ? QDir::homePath() : mediaFolders.first();
}
