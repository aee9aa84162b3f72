#pragma once

#include "widgets/prompter.h"

// The prompter of the running tool: real message boxes and the system's folder picker.
class QtPrompter final : public Prompter
{
public:
    void show(QWidget *parent, const Message &message) override;
    bool askYesNo(QWidget *parent, const QString &caption, const QString &text) override;
    std::optional<QUrl> pickFolder(QWidget *parent, const QString &title, const QString &startFolder,
                                   const QStringList &drives) override;
    int runModal(QDialog &dialog) override;
};
