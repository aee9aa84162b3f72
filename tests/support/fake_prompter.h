#pragma once

#include "widgets/prompter.h"

#include <QList>
#include <QQueue>
#include <QString>

#include <functional>

// Records every prompt and answers from queues, so widget tests run without
// real message boxes, pickers or modal loops.
class FakePrompter final : public Prompter
{
public:
    enum class Kind { Message, Question, FolderPicker, Modal };

    struct Call {
        Kind kind;
        QString caption; // the title for the folder picker, the object name for a modal dialog
        QString text;
        Message::Icon icon = Message::Icon::None;
        // The folder picker's start folder and the drives it was given.
        QString startFolder;
        QStringList drives;
    };

    void show(QWidget *parent, const Message &message) override;
    bool askYesNo(QWidget *parent, const QString &caption, const QString &text) override;
    std::optional<QUrl> pickFolder(QWidget *parent, const QString &title, const QString &startFolder,
                                   const QStringList &drives) override;
    int runModal(QDialog &dialog) override;

    // Answers, taken in order. A question with none queued is answered No,
    // a picker with none is cancelled.
    QQueue<bool> yesNoAnswers;
    QQueue<std::optional<QUrl>> folderAnswers;
    // Works the dialog while it is open (shown, not modal) and returns its result;
    // without one the dialog is rejected.
    QQueue<std::function<int(QDialog &)>> modalActions;

    QList<Call> calls;

    QList<Call> messages() const;
    Message lastMessage() const;
    void clear() { calls.clear(); }
};
