#include "support/typing.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTest>
#include <QWidget>

void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void pasteText(QWidget *widget, const QString &text)
{
    QApplication::clipboard()->setText(text);
    QTest::keySequence(widget, QKeySequence::Paste);
}
