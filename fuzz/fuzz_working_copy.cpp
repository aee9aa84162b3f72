// Any bytes as the working copy: load them, open the page and every dialog's
// form on the loaded record, store each again and encode both files. Nothing
// may crash, and no text field may lose its terminating zero.
#include "profile/profile_files.h"
#include "profile/text_fields.h"
#include "support/form_round_trip.h"

#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ProfileSession session;
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // An odd last byte gives the copy a passing version mark, so that most
    // inputs reach the record and the forms rather than the defaults.
    if (size >= 2 && (data[size - 1] & 1) != 0) {
        const std::uint16_t mark = EncodeProfileWord(0x0056);
        bytes[0] = char(mark & 0xFF);
        bytes[1] = char(mark >> 8);
    }
    RestoreWorkingCopy(bytes, session.record, session.custom, 0);
    session.currentArea = kStartupArea;
    session.record.area = 2;
    require(TextFieldsTerminated(session.record), "a loaded record text");
    require(TextFieldsTerminated(session.custom), "a loaded custom entry text");

    StoreThroughForms(session);

    require(TextFieldsTerminated(session.record), "a stored record text");
    require(TextFieldsTerminated(session.custom), "a stored custom entry text");
    const QByteArray copy = WorkingCopyBytes(EncodeProfileImage(session.record), session.custom);
    require(copy.size() == kWorkingCopySize, "the working copy size");
    require(ProfileFileBytes(EncodeProfileImage(session.record)).size() == kProfileFileSize,
            "the PROFILE.BIN size");
    return 0;
}
