#include "app/qt_prompter.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Message::Icon icon)
{
    switch (icon) {
    case Message::Icon::Error: return QMessageBox::Critical;
    case Message::Icon::Warning: return QMessageBox::Warning;
    case Message::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtPrompter::show(QWidget *parent, const Message &message)
{
    QMessageBox box(boxIcon(message.icon), message.caption, message.text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtPrompter::askYesNo(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QUrl> QtPrompter::pickFolder(QWidget *parent, const QString &title)
{
    const QUrl folder = QFileDialog::getExistingDirectoryUrl(parent, title, QUrl(),
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

int QtPrompter::runModal(QDialog &dialog)
{
    return dialog.exec();
}
