#include "settings/ipv4_octets.h"

#include "settings/decimal_text.h"

std::optional<Ipv4Octets> ReadDottedQuad(QStringView text)
{
    Ipv4Octets octets{};
    qsizetype pos = 0;
    for (std::size_t i = 0; i < octets.size(); ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != u'.')
                return std::nullopt;
            ++pos;
        }
        qsizetype used = 0;
        const std::optional<std::int64_t> number = ReadLeadingDecimal(text.sliced(pos), &used);
        if (!number)
            return std::nullopt;
        octets[i] = std::uint8_t(*number & 0xFF);
        pos += used;
    }
    return octets;
}

QString DottedQuadText(const Ipv4Octets &octets)
{
    return QStringLiteral("%1.%2.%3.%4").arg(octets[0]).arg(octets[1]).arg(octets[2]).arg(octets[3]);
}
