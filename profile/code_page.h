#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The camera reads its texts as Windows-1252 bytes, whatever the host's locale.
namespace CodePage {

// True when the character has a byte of its own in Windows-1252.
bool holds(QChar c);

// True when every character of the text has a byte of its own.
bool holdsAll(const QString &text);

// One byte per character; a character without a byte becomes '?'.
QByteArray encode(const QString &text);

// Every one of the 256 bytes decodes to one character.
QString decode(QByteArrayView bytes);

} // namespace CodePage
