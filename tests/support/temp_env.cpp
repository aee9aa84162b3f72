#include "support/temp_env.h"

#include "profile/profile_files.h"

#include <QFile>

ScopedTempFolder::ScopedTempFolder()
    : m_previous(qgetenv("TMPDIR"))
    , m_hadPrevious(qEnvironmentVariableIsSet("TMPDIR"))
{
    qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
}

ScopedTempFolder::~ScopedTempFolder()
{
    if (m_hadPrevious)
        qputenv("TMPDIR", m_previous);
    else
        qunsetenv("TMPDIR");
}

QString ScopedTempFolder::workingCopyPath() const
{
    // Written out, not taken from the code: a wrong name would lose the settings.
    return path() + QStringLiteral("/setupV5.02.15.bak");
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
