#include "profile/version.h"

QString VersionText()
{
    return QStringLiteral("V5.02.15");
}

QByteArray VersionMark()
{
    const QString text = VersionText();
    const QByteArray wide(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    const qsizetype zero = wide.indexOf('\0');
    return zero < 0 ? wide : wide.left(zero + 1);
}
