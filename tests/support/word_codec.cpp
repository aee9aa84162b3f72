#include "support/word_codec.h"

namespace {

quint16 wordAt(const QByteArray &bytes, qsizetype i)
{
    return quint16(quint8(bytes[i]) | (quint8(bytes[i + 1]) << 8));
}

void putWord(QByteArray &bytes, qsizetype i, quint16 word)
{
    bytes[i] = char(word & 0xFF);
    bytes[i + 1] = char(word >> 8);
}

} // namespace

QByteArray encodeWords(const QByteArray &plain)
{
    QByteArray out(plain.size(), '\0');
    for (qsizetype i = 0; i + 1 < plain.size(); i += 2) {
        const quint16 word = wordAt(plain, i);
        putWord(out, i, quint16(0xFFFF - quint16((word << 4) | (word >> 12))));
    }
    return out;
}

QByteArray decodeWords(const QByteArray &encoded)
{
    QByteArray out(encoded.size(), '\0');
    for (qsizetype i = 0; i + 1 < encoded.size(); i += 2) {
        const quint16 complement = quint16(0xFFFF - wordAt(encoded, i));
        putWord(out, i, quint16((complement >> 4) | (complement << 12)));
    }
    return out;
}

QByteArray recordFromProfileFile(const QByteArray &profile)
{
    return QByteArray(20, '\0') + decodeWords(profile);
}
