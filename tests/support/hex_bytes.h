#pragma once

#include <QByteArray>
#include <QString>

// "56 00 2E" -> the bytes; blanks and line breaks are ignored.
QByteArray hexBytes(const char *text);

// The bytes as "56 00 2E ..." for readable failure messages.
QString hexText(const QByteArray &bytes);

#include <cstring>
#include <type_traits>

// Sets every byte of a stored layout, to show which bytes a step leaves alone.
template <typename Layout>
void fillBytes(Layout &layout, unsigned char value)
{
    static_assert(std::is_trivially_copyable_v<Layout>);
    std::memset(static_cast<void *>(&layout), value, sizeof layout);
}
