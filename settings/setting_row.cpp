#include "settings/setting_row.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstring>

RecordPlace RecordPlace::in(const QString &outerKey, std::size_t outerOffset) const
{
    return {outerKey + QLatin1Char('.') + key, outerOffset + offset, width, shift, mask};
}

// The record is stored as its bytes lie in memory, so a field is read and written through them.
int RecordPlace::read(const void *layout) const
{
    const auto *bytes = static_cast<const unsigned char *>(layout) + offset;
    std::uint16_t stored = *bytes;
    if (width == 2)
        std::memcpy(&stored, bytes, sizeof stored);
    return (stored >> shift) & mask;
}

void RecordPlace::write(void *layout, int value) const
{
    auto *bytes = static_cast<unsigned char *>(layout) + offset;
    if (width == 1) {
        *bytes = static_cast<unsigned char>(value & 0xFF);
        return;
    }
    const auto word = static_cast<std::uint16_t>(value & 0xFFFF);
    std::memcpy(bytes, &word, sizeof word);
}

std::function<QString()> Translated(const char *context, const char *source)
{
    return [context, source] { return QCoreApplication::translate(context, source); };
}
