// Any bytes as the settings record (cut or padded to its 976 bytes, texts
// terminated as the loader does): the page model and every dialog model open on
// it and store (a refused page corrected as a user would), twice. No byte
// outside the fields the models own may change, every text stays terminated,
// and the second round gives the first's bytes.
#include "settings/camera_schema.h"
#include "settings/page_schema.h"
#include "settings/sender_schema.h"
#include "settings/work_time_schema.h"
#include "profile/text_fields.h"
#include "support/form_round_trip.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// The record bytes a model may write: every place of the windows' setting rows,
// and the sender and operator entries, which their rules rewrite whole. Built once.
const std::array<bool, kProfileRecordSize> &ownedBytes()
{
    static const std::array<bool, kProfileRecordSize> owned = [] {
        std::array<bool, kProfileRecordSize> bytes{};
        const auto own = [&bytes](std::size_t from, std::size_t size) {
            for (std::size_t i = from; i < from + size; ++i)
                bytes[i] = true;
        };
        const auto ownRows = [&own](const QList<SettingGroup> &groups, std::size_t offset) {
            for (const SettingGroup &group : groups)
                for (const SettingRow &row : group.rows)
                    for (const RecordPlace &place : row.places)
                        own(offset + place.offset, place.width);
        };
        ownRows(CameraGroups(), 0);
        for (int window = 0; window < WorkTimeGroups().size(); ++window)
            ownRows({WorkTimeGroups().at(window)}, WorkTimePlace(window).offset);
        ownRows(PageGroups(), 0);
        ownRows({{{}, {}, SenderRows()}}, 0);
        own(offsetof(ProfileRecord, sender_email), sizeof(EmailEntry));
        own(offsetof(ProfileRecord, operator_), sizeof(OperatorEntry));
        return bytes;
    }();
    return owned;
}

struct Stored {
    ProfileRecord record;
    CustomOperators custom;
};

Stored storeRound(const ProfileRecord &record, const CustomOperators &custom)
{
    ProfileSession session;
    session.record = record;
    session.custom = custom;
    session.currentArea = kStartupArea;
    // A refused page keeps what it stored before the refusal; the user
    // corrects it, and only a page that took its values is stored twice.
    if (StoreThroughForms(session))
        require(!StoreCorrectedPage(session), "the corrected page refused");
    return {session.record, session.custom};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ProfileRecord loaded;
    std::memset(static_cast<void *>(&loaded), 0, sizeof loaded);
    std::memcpy(static_cast<void *>(&loaded), data, std::min(size, sizeof loaded));
    TerminateTextFields(loaded);
    const CustomOperators builtIn = CustomOperators::BuiltIn();

    const Stored once = storeRound(loaded, builtIn);
    const auto before = RecordBytes(loaded);
    const auto after = RecordBytes(once.record);
    for (std::size_t i = 0; i < kProfileRecordSize; ++i)
        require(ownedBytes()[i] || before[i] == after[i], "a byte outside the models' fields");
    require(TextFieldsTerminated(once.record), "a stored record text");
    require(TextFieldsTerminated(once.custom), "a stored custom entry text");

    const Stored twice = storeRound(once.record, once.custom);
    const auto first = RecordBytes(once.record);
    const auto second = RecordBytes(twice.record);
    for (std::size_t i = 0; i < kProfileRecordSize; ++i) {
        if (first[i] != second[i])
            std::fprintf(stderr, "byte %zu: %u then %u\n", i, unsigned(first[i]), unsigned(second[i]));
    }
    require(twice.record == once.record, "the record stored twice");
    require(twice.custom == once.custom, "the custom entries stored twice");
    return 0;
}
