#pragma once

#include "settings/message.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

class QDialog;
class QWidget;

// Everything a view asks of the user outside its own window. Views never
// open message boxes, pickers or modal loops themselves, so tests can answer.
class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual void show(QWidget *parent, const Message &message) = 0;
    // Yes/No with the question icon; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &caption, const QString &text) = 0;
    // The chosen folder, or nothing when the user cancels. The URL may name
    // something that is not a local folder. The picker opens in `startFolder`
    // (its own choice when empty) and lists `drives` beside its folders.
    virtual std::optional<QUrl> pickFolder(QWidget *parent, const QString &title, const QString &startFolder,
                                           const QStringList &drives) = 0;
    // Runs the dialog modally and returns its result.
    virtual int runModal(QDialog &dialog) = 0;
};
