#include "support/fake_prompter.h"

#include <QDialog>

void FakePrompter::show(QWidget *, const Message &message)
{
    calls.append({Kind::Message, message.caption, message.text, message.icon, {}, {}});
}

bool FakePrompter::askYesNo(QWidget *, const QString &caption, const QString &text)
{
    calls.append({Kind::Question, caption, text, Message::Icon::None, {}, {}});
    return yesNoAnswers.isEmpty() ? false : yesNoAnswers.dequeue();
}

std::optional<QUrl> FakePrompter::pickFolder(QWidget *, const QString &title, const QString &startFolder,
                                             const QStringList &drives)
{
    calls.append({Kind::FolderPicker, title, QString(), Message::Icon::None, startFolder, drives});
    return folderAnswers.isEmpty() ? std::nullopt : folderAnswers.dequeue();
}

int FakePrompter::runModal(QDialog &dialog)
{
    calls.append({Kind::Modal, dialog.objectName(), dialog.windowTitle(), Message::Icon::None, {}, {}});
    dialog.show();
    int result = QDialog::Rejected;
    if (!modalActions.isEmpty())
        result = modalActions.dequeue()(dialog);
    dialog.hide();
    return result;
}

QList<FakePrompter::Call> FakePrompter::messages() const
{
    QList<Call> shown;
    for (const Call &call : calls) {
        if (call.kind == Kind::Message)
            shown.append(call);
    }
    return shown;
}

Message FakePrompter::lastMessage() const
{
    const QList<Call> shown = messages();
    if (shown.isEmpty())
        return {};
    return {shown.last().caption, shown.last().text, shown.last().icon};
}
