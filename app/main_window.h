#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class SettingsPage;
class Prompter;
class QDropEvent;
struct ProfileSession;

// The main window: it hosts the settings page at its origin and is sized to
// it. A settings file dropped anywhere on it is opened once the user agrees.
class MainWindow : public QDialog
{
    Q_OBJECT

public:
    MainWindow(ProfileSession &session, Prompter &prompter, QWidget *parent = nullptr);

    SettingsPage *page() const { return m_page; }

    // Loads the file into the page and the dialogs, or reports why not.
    bool openFile(const QString &path);

public slots:
    // "Cancel" and the close box: the window closes once nothing unsaved would be lost.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The dropped file, when the window can take one now.
    std::optional<QString> fileToTake(const QDropEvent *event) const;
    // Asks whether to open the dropped file, then opens it.
    void askToOpen(const QString &path);

    SettingsPage *m_page;
    Prompter &m_prompter;
};

// The caption: "Quenda " and the version.
QString MainWindowCaption();
