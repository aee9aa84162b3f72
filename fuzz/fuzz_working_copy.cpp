// Any bytes as the working copy: load them, open the page and every dialog's
// model on the loaded record, store each again and encode both files. The same
// bytes, mostly cut or padded to a settings file's size, are then opened as a
// file the user chose. Nothing may crash, no text field may lose its
// terminating zero, and a refused file must leave everything as it was.
#include "settings/profile_defaults.h"
#include "profile/profile_files.h"
#include "profile/settings_file.h"
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

// Opens the page and every dialog's model on the session's record, stores each
// again and encodes both files.
void confirmEverything(ProfileSession &session, bool openedCard)
{
    require(TextFieldsTerminated(session.record), "a loaded record text");
    require(TextFieldsTerminated(session.custom), "a loaded custom entry text");

    StoreThroughForms(session, openedCard);

    require(TextFieldsTerminated(session.record), "a stored record text");
    require(TextFieldsTerminated(session.custom), "a stored custom entry text");
    const QByteArray copy = WorkingCopyBytes(EncodeProfileImage(session.record), session.custom);
    require(copy.size() == kWorkingCopySize, "the working copy size");
    require(ProfileFileBytes(EncodeProfileImage(session.record)).size() == kProfileFileSize,
            "the PROFILE.BIN size");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ProfileSession session;
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // An odd last byte gives the copy a passing version mark, so that most
    // inputs reach the record and the models rather than the defaults.
    if (size >= 2 && (data[size - 1] & 1) != 0) {
        const std::uint16_t mark = EncodeProfileWord(0x0056);
        bytes[0] = char(mark & 0xFF);
        bytes[1] = char(mark >> 8);
    }
    RestoreSettings(bytes, session.record, session.custom, 0);
    session.currentArea = kStartupArea;
    session.record.area = 2;
    confirmEverything(session, false);

    // Opened as a file, over the settings just confirmed. Bit 1 of the last
    // byte keeps the size as it came, so that refusals are tried too.
    const std::uint8_t last = size > 0 ? data[size - 1] : 0;
    if ((last & 2) == 0)
        bytes.resize((last & 4) != 0 ? kProfileFileSize : kWorkingCopySize, '\xFF');
    const ProfileRecord before = session.record;
    const CustomOperators customBefore = session.custom;
    const SettingsFileResult opened =
        OpenSettingsBytes(bytes, QStringLiteral("fuzz"), session.record, session.custom, session.currentArea);
    if (std::holds_alternative<SettingsFileFault>(opened)) {
        require(before == session.record, "a refused file changed the record");
        require(customBefore == session.custom, "a refused file changed the custom entries");
        return 0;
    }
    require(session.record.area == 2, "an opened file's area");
    confirmEverything(session, std::get<SettingsFileKind>(opened) == SettingsFileKind::ProfileFile);
    return 0;
}
