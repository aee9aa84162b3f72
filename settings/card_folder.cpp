#include "settings/card_folder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace {

const QString kCardFolderKey = QStringLiteral("lastCardFolder");

std::unique_ptr<QSettings> preferences()
{
#ifdef Q_OS_WIN
    // An INI file in the user's roaming data, beside the durable copy's folder:
    // the tool writes no registry key.
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QCoreApplication::organizationName(), QCoreApplication::applicationName());
#else
    return std::make_unique<QSettings>();
#endif
}

} // namespace

void RememberCardFolder(const QString &folder)
{
    preferences()->setValue(kCardFolderKey, folder);
}

std::optional<QString> RememberedCardFolder()
{
    const QString folder = preferences()->value(kCardFolderKey).toString();
    // A card not in its reader now is not offered.
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return std::nullopt;
    return folder;
}
