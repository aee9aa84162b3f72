#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Points the temporary folder at a fresh directory for the lifetime of the
// object, so that no test touches a real working copy.
class ScopedTempFolder
{
public:
    ScopedTempFolder();
    ~ScopedTempFolder();
    ScopedTempFolder(const ScopedTempFolder &) = delete;
    ScopedTempFolder &operator=(const ScopedTempFolder &) = delete;

    QString path() const { return m_dir.path(); }
    QString workingCopyPath() const;

    bool isValid() const { return m_dir.isValid(); }

private:
    QByteArray m_previous;
    bool m_hadPrevious;
    QTemporaryDir m_dir;
};

QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);
