#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <array>

// Points the temporary folder, the user's data folder and the tool's
// preferences at a fresh directory for the lifetime of the object, so that
// no test touches a real working copy, durable copy or preference.
class ScopedTempFolder
{
public:
    ScopedTempFolder();
    ~ScopedTempFolder();
    ScopedTempFolder(const ScopedTempFolder &) = delete;
    ScopedTempFolder &operator=(const ScopedTempFolder &) = delete;

    QString path() const { return m_dir.path(); }
    QString workingCopyPath() const;
    QString durableCopyPath() const;

    bool isValid() const { return m_dir.isValid(); }

private:
    struct SavedVariable {
        const char *name;
        QByteArray value;
        bool wasSet;
    };
    std::array<SavedVariable, 5> m_saved;
    QTemporaryDir m_dir;
};

QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);
