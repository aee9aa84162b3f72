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

// The system's texts break lines with "\r\n"; a message box wants one line feed.
QString displayed(const QString &text)
{
    QString lines = text;
    return lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

void QtPrompter::show(QWidget *parent, const Message &message)
{
    QMessageBox box(boxIcon(message.icon), message.caption, displayed(message.text), QMessageBox::Ok, parent);
    box.exec();
}

bool QtPrompter::askYesNo(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, displayed(text), QMessageBox::Yes | QMessageBox::No, parent);
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
