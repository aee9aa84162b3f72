// Any bytes as a file read back from a card: decode it and render every
// setting as text, JSON, a check and a comparison. Nothing may crash.
#include "profile/profile_files.h"
#include "readback/read_back.h"
#include "readback/report.h"
#include "readback/settings_listing.h"

#include <QJsonDocument>

namespace {

void render(const ReadBackResult &result, const ReportOptions &options)
{
    const auto *readBack = std::get_if<ReadBack>(&result);
    if (!readBack)
        return;
    const QList<SettingLine> lines = ListSettings(*readBack);
    ShowText(*readBack, lines, options);
    QJsonDocument(ShowJson(*readBack, lines, options)).toJson();
    CheckLines(lines, options);
    SendingLines(*readBack);
    DiffLines(ReadBack{}, *readBack, options);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray raw(reinterpret_cast<const char *>(data), qsizetype(size));
    if (size == 0 || (size != kProfileFileSize && size != kWorkingCopySize)) {
        // Most inputs are of no file's size: the first byte picks one and the
        // rest is cut or padded to it, with a passing version mark for a copy.
        const bool workingCopy = size > 0 && (data[0] & 1) != 0;
        QByteArray shaped = raw.mid(1);
        shaped.resize(workingCopy ? kWorkingCopySize : kProfileFileSize, char(0xFF));
        if (workingCopy) {
            const std::uint16_t mark = EncodeProfileWord(0x0056);
            shaped[0] = char(mark & 0xFF);
            shaped[1] = char(mark >> 8);
        }
        DecodeReadBack(raw); // refused for its size, without reading past it
        render(DecodeReadBack(shaped), ReportOptions{size > 0 && (data[0] & 2) != 0});
        return 0;
    }
    render(DecodeReadBack(raw), ReportOptions{(data[0] & 2) != 0});
    return 0;
}
