#include "forms/card_folder.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kCardFolderKey = QStringLiteral("lastCardFolder");

} // namespace

void RememberCardFolder(const QString &folder)
{
    QSettings().setValue(kCardFolderKey, folder);
}

std::optional<QString> RememberedCardFolder()
{
    const QString folder = QSettings().value(kCardFolderKey).toString();
    // A card not in its reader now is not offered.
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return std::nullopt;
    return folder;
}
