#include "support/temp_env.h"

#include "profile/settings_copies.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {

// TMP and TEMP name Windows' temporary folder; the preferences come last.
constexpr const char *kVariables[] = {"TMPDIR", "TMP", "TEMP", "XDG_DATA_HOME", "XDG_CONFIG_HOME"};

} // namespace

ScopedTempFolder::ScopedTempFolder()
{
    for (std::size_t i = 0; i < m_saved.size(); ++i)
        m_saved[i] = {kVariables[i], qgetenv(kVariables[i]), qEnvironmentVariableIsSet(kVariables[i])};
    qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
    qputenv("TMP", QDir::toNativeSeparators(m_dir.path()).toLocal8Bit());
    qputenv("TEMP", QDir::toNativeSeparators(m_dir.path()).toLocal8Bit());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
    // QSettings finds its folder once per process: it is told each time.
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, m_dir.filePath(QStringLiteral("config")));
#ifdef Q_OS_WIN
    // Windows names the data folder from the user's profile, not a variable:
    // each test program has a user of its own, and each test starts without a durable copy.
    DeleteDurableCopy();
#endif
}

ScopedTempFolder::~ScopedTempFolder()
{
#ifdef Q_OS_WIN
    DeleteDurableCopy();
#endif
    for (const SavedVariable &saved : m_saved) {
        if (saved.wasSet)
            qputenv(saved.name, saved.value);
        else
            qunsetenv(saved.name);
    }
    // Back to an enclosing one's folder; never to the user's own.
    const SavedVariable &config = m_saved.back();
    if (config.wasSet) {
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, QFile::decodeName(config.value));
    }
}

QString ScopedTempFolder::workingCopyPath() const
{
    // Written out, not taken from the code: a wrong name would lose the settings.
    return path() + QStringLiteral("/setupV5.02.15.bak");
}

QString ScopedTempFolder::durableCopyPath() const
{
    return DurableCopyPath().value_or(QString());
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
