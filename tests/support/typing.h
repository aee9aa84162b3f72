#pragma once

#include <QString>

class QWidget;

// Types the text key by key, as a keyboard would, any character included
// (QTest::keyClicks takes ASCII only).
void typeText(QWidget *widget, const QString &text);

// Puts the text on the clipboard and pastes it with the paste keys.
void pasteText(QWidget *widget, const QString &text);
