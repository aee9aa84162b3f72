#include "app/translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translators::Translators(const QLocale &locale)
{
    // The last installed is asked first: ours before Qt's.
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    m_hasOwn = m_own.load(locale, QStringLiteral("talmeris"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    if (m_hasOwn)
        QCoreApplication::installTranslator(&m_own);
}
