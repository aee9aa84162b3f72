#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

// The four octets of an IPv4 address, first octet first.
using Ipv4Octets = std::array<std::uint8_t, 4>;

// Reads "%d.%d.%d.%d"; the low 8 bits of each number make one octet.
// Nothing when the text is not four numbers separated by points.
std::optional<Ipv4Octets> ReadDottedQuad(QStringView text);

// "192.0.2.7"
QString DottedQuadText(const Ipv4Octets &octets);
