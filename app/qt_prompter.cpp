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

std::optional<QUrl> QtPrompter::pickFolder(QWidget *parent, const QString &title, const QString &startFolder,
                                           const QStringList &drives)
{
    QFileDialog dialog(parent, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!startFolder.isEmpty())
        dialog.setDirectoryUrl(QUrl::fromLocalFile(startFolder));
    // Only Qt's own dialog has a side bar to add to; a desktop's dialog lists drives itself.
    QList<QUrl> places = dialog.sidebarUrls();
    for (const QString &drive : drives) {
        const QUrl url = QUrl::fromLocalFile(drive);
        if (!places.contains(url))
            places << url;
    }
    dialog.setSidebarUrls(places);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedUrls().isEmpty())
        return std::nullopt;
    return dialog.selectedUrls().constFirst();
}

int QtPrompter::runModal(QDialog &dialog)
{
    return dialog.exec();
}
