#include "support/hex_bytes.h"

QByteArray hexBytes(const char *text)
{
    QByteArray digits(text);
    digits.replace(' ', "").replace('\n', "");
    return QByteArray::fromHex(digits);
}

QString hexText(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}
