#pragma once

#include <QByteArray>
#include <QString>

// The tool's version tag, shown in the caption and used to mark the working copy.
QString VersionText();

// The mark the defaults write into the record and the working copy is checked
// against: the version text's first 16-bit character as 8-bit text, that is
// 'V' and its zero byte. Stored working copies carry exactly these two bytes.
QByteArray VersionMark();
