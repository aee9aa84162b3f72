#include "settings/two_digit_texts.h"

const QStringList &TwoDigitTexts()
{
    static const QStringList texts = [] {
        QStringList list;
        for (int i = 0; i <= 60; ++i)
            list.append(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
        return list;
    }();
    return texts;
}

QStringList TwoDigitItems(int count)
{
    return TwoDigitTexts().mid(0, count);
}
