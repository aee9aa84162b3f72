#include "profile/code_page.h"

#include <algorithm>
#include <array>

namespace {

// 0x80..0x9F; the five bytes Windows-1252 leaves undefined map to the C1
// controls of the same value so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteFor(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    const auto found = std::ranges::find(kHighControls, u);
    return found != kHighControls.end() ? int(0x80 + (found - kHighControls.begin())) : -1;
}

} // namespace

namespace CodePage {

bool holds(QChar c)
{
    return byteFor(c) >= 0;
}

bool holdsAll(const QString &text)
{
    return std::all_of(text.begin(), text.end(), holds);
}

QByteArray encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const int b = byteFor(c);
        bytes.append(b >= 0 ? char(b) : '?');
    }
    return bytes;
}

QString decode(QByteArrayView bytes)
{
    // Latin-1 but for 0x80..0x9F; a read-back decodes some fifty texts a file.
    QString text = QString::fromLatin1(bytes);
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (char16_t(u - 0x80) < 0x20)
            c = QChar(kHighControls[u - 0x80]);
    }
    return text;
}

} // namespace CodePage
