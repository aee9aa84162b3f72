#pragma once

#include <QString>
#include <QStringList>

// Where the camera's card is likely to be: the folders under which the
// desktop mounts removable drives, and the drives mounted there.

// The user's removable-media folders that exist: /run/media/<user> and
// /media/<user> on Linux, /Volumes on macOS; on Windows the roots of the
// removable drives that hold a medium (E:/).
QStringList RemovableMediaFolders();

#ifndef Q_OS_WIN
// The root folders of the mounted drives that lie inside one of the media folders.
QStringList RemovableDrives(const QStringList &mediaFolders, const QStringList &mountedRoots);
#endif
// The drives mounted now: inside the media folders, or on Windows the media folders themselves.
QStringList RemovableDrives(const QStringList &mediaFolders);

// The folder picker's start: the save path when it is an existing folder, else
// the first media folder, else the user's home folder.
QString PickerStartFolder(const QString &savePath, const QStringList &mediaFolders);
