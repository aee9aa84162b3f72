// Any bytes as a file read back from a card: decode it and render its
// settings as one of the reports: text, JSON, a check, or a comparison with
// the same card a few bytes apart. The JSON goes back through `write`: what
// it writes, read back and written again, is the same. Nothing may crash.
#include "profile/profile_files.h"
#include "readback/read_back.h"
#include "readback/report.h"
#include "readback/settings_document.h"
#include "readback/settings_listing.h"

#include <QJsonDocument>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The PROFILE.BIN `write` makes of a settings document, or nothing when it refuses it.
std::optional<QByteArray> written(const QByteArray &document)
{
    auto read = ReadSettingsDocument(document);
    if (!std::holds_alternative<SettingsDocument>(read))
        return std::nullopt;
    ProfileSession session;
    session.currentArea = kStartupArea;
    if (!BuildSettings(std::get<SettingsDocument>(read), session).isEmpty())
        return std::nullopt;
    return ProfileFileBytes(EncodeProfileImage(session.record));
}

void writeBack(const ReadBack &readBack)
{
    const QByteArray json =
        QJsonDocument(ShowJson(readBack, ListSettings(readBack), {.showPasswords = true})).toJson();
    const std::optional<QByteArray> first = written(json);
    if (first && written(*first) != first) {
        std::fprintf(stderr, "broken: a written PROFILE.BIN written again differs\n");
        std::abort();
    }
}

// The same card with a few of its bytes changed, as the input's last bytes
// say: a comparison costs by the settings that differ, so few keep it fast.
ReadBack edited(const ReadBack &card, QByteArrayView input)
{
    ReadBack other = card;
    auto *bytes = reinterpret_cast<std::uint8_t *>(&other.record);
    for (qsizetype i = 0; i + 2 <= std::min<qsizetype>(input.size(), 8); i += 2) {
        const std::size_t offset = kCameraPartOffset + std::uint8_t(input[input.size() - 1 - i]) * 4 % kProfileFileSize;
        bytes[offset] ^= std::uint8_t(input[input.size() - 2 - i]) | 1;
    }
    return other;
}

// Every report lists all lines again, so each input goes to one of them. A
// hash of the whole input picks which, and whether passwords show: a
// mutation keeps the first byte of its parent, and a few costly inputs that
// found new paths would otherwise pass their report on to most others.
void render(const ReadBackResult &result, QByteArrayView input)
{
    const auto *readBack = std::get_if<ReadBack>(&result);
    if (!readBack)
        return;
    const std::size_t selector = qHash(input);
    const ReportOptions options{(selector & 256) != 0};
    // The comparison (two listings) takes an eighth, the check a quarter,
    // JSON, nearly all Qt's own object building at some fifty times a text's
    // cost, one in 256, and the text the rest.
    const std::size_t pick = selector & 255;
    if (pick < 32) {
        DiffLines(edited(*readBack, input), *readBack, options);
    } else if (pick == 32) {
        writeBack(*readBack);
    } else if (pick < 96) {
        CheckLines(ListSettings(*readBack), options);
        SendingLines(*readBack);
    } else {
        ShowText(*readBack, ListSettings(*readBack), options);
    }
}

} // namespace

// The item lists, labels and keys are built on first use and kept: build them
// here, once, so that no input pays for them.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    ReadBack card;
    card.kind = ReadBack::Kind::WorkingCopy;
    card.custom = CustomOperators::BuiltIn();
    const QList<SettingLine> lines = ListSettings(card);
    ShowText(card, lines, {});
    CheckLines(lines, {});
    SendingLines(card);
    QJsonDocument(ShowJson(card, lines, {})).toJson();
    DiffLines(card, card, {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView raw(data, qsizetype(size));
    if (size == 0 || (size != kProfileFileSize && size != kWorkingCopySize)) {
        // Most inputs are of no file's size: the first byte picks one and the
        // rest is cut or padded to it, with a passing version mark for a copy.
        const bool workingCopy = size > 0 && (data[0] & 1) != 0;
        QByteArray shaped(workingCopy ? kWorkingCopySize : kProfileFileSize, char(0xFF));
        if (size > 1)
            std::memcpy(shaped.data(), data + 1, std::min<std::size_t>(size - 1, std::size_t(shaped.size())));
        if (workingCopy) {
            const std::uint16_t mark = EncodeProfileWord(0x0056);
            shaped[0] = char(mark & 0xFF);
            shaped[1] = char(mark >> 8);
        }
        DecodeReadBack(raw); // refused for its size, without reading past it
        render(DecodeReadBack(shaped), raw);
        return 0;
    }
    render(DecodeReadBack(raw), raw);
    return 0;
}
