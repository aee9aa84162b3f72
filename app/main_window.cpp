#include "app/main_window.h"

#include "widgets/prompter.h"
#include "widgets/settings_page.h"
#include "profile/version.h"

#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The one local file a drag carries, if that is all it carries.
std::optional<QString> DroppedFile(const QMimeData *data)
{
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1)
        return std::nullopt;
    const QUrl url = data->urls().first();
    if (!url.isLocalFile() || url.toLocalFile().isEmpty())
        return std::nullopt;
    return url.toLocalFile();
}

} // namespace

QString MainWindowCaption()
{
    return QStringLiteral("Quenda ") + VersionText();
}

MainWindow::MainWindow(ProfileSession &session, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_page(new SettingsPage(session, prompter, this))
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(MainWindowCaption());
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);

    m_page->load();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_page);
    // The window ends where the page ends.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_page, &SettingsPage::cancelRequested, this, &QDialog::reject);

    setAcceptDrops(true);
    // Fields take dropped text; a dropped file is for the window wherever it lands.
    for (QWidget *child : findChildren<QWidget *>()) {
        if (child->acceptDrops() && child->window() == this)
            child->installEventFilter(this);
    }
}

void MainWindow::reject()
{
    if (m_page->mayClose())
        QDialog::reject();
}

bool MainWindow::openFile(const QString &path)
{
    return m_page->openFile(path);
}

void MainWindow::askToOpen(const QString &path)
{
    const Message question = OpenSettingsQuestion(path);
    if (m_prompter.askYesNo(this, question.caption, question.text))
        openFile(path);
}

std::optional<QString> MainWindow::fileToTake(const QDropEvent *event) const
{
    // While a dialog or message is open over the window, its values would be stored over the opened file's.
    const QWidget *modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != this)
        return std::nullopt;
    return DroppedFile(event->mimeData());
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (fileToTake(event))
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    if (fileToTake(event))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const auto path = fileToTake(event);
    if (!path)
        return;
    event->acceptProposedAction();
    // The drag ends first: a question asked inside the drop would hold up the program it came from.
    QMetaObject::invokeMethod(this, [this, file = *path] { askToOpen(file); }, Qt::QueuedConnection);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool drag = type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop;
    auto *drop = drag ? static_cast<QDropEvent *>(event) : nullptr;
    if (!drop || !DroppedFile(drop->mimeData()))
        return QDialog::eventFilter(watched, event);
    // Not for the field, whether or not the window takes it now.
    if (type == QEvent::Drop)
        dropEvent(drop);
    else if (fileToTake(drop))
        drop->acceptProposedAction();
    else
        drop->ignore();
    return true;
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Enter and Escape neither save nor close: that is for "OK", "Cancel" and the close box.
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Enter || key == Qt::Key_Return)
        event->accept();
    else
        QDialog::keyPressEvent(event);
}
