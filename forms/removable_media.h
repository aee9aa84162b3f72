#pragma once

#include <QString>
#include <QStringList>

// Where the camera's card is likely to be: the folders under which the
// desktop mounts removable drives, and the drives mounted there.

// The user's removable-media folders that exist: /run/media/<user> and
// /media/<user> on Linux, /Volumes on macOS.
QStringList RemovableMediaFolders();

// The root folders of the mounted drives that lie inside one of the media folders.
QStringList RemovableDrives(const QStringList &mediaFolders, const QStringList &mountedRoots);
// The same for the drives mounted now.
QStringList RemovableDrives(const QStringList &mediaFolders);

// The folder picker's start: the save path when it is an existing folder, else
// the first media folder, else nothing (the picker's own choice).
QString PickerStartFolder(const QString &savePath, const QStringList &mediaFolders);
