#pragma once

#include <QStringList>

// "00", "01", ... "60": the items of every hour, minute and duration list.
const QStringList &TwoDigitTexts();

// The first `count` of them: "00".."23" for hours, "00".."59" for minutes.
QStringList TwoDigitItems(int count);
