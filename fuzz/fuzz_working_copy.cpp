// Any bytes as the working copy: load them, open the page and every dialog's
// form on the loaded record, store each again and encode both files. Nothing
// may crash, and no text field may lose its terminating zero.
#include "dialogs/cam_form.h"
#include "dialogs/email_setting_form.h"
#include "dialogs/operator_form.h"
#include "pages/gsm_form.h"
#include "profile/profile_files.h"
#include "profile/text_fields.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The controls as the page shows its values.
PageControls controlsShowing(const PageValues &values)
{
    PageControls controls;
    controls.save_path = values.save_path;
    controls.instant_on = values.instant_on;
    controls.daily_report_on = values.daily_report_on;
    controls.instant_number = QString::number(values.instant_number);
    controls.daily_report_hour = values.daily_report_hour;
    controls.daily_report_minute = values.daily_report_minute;
    controls.send_to = values.send_to;
    controls.rename = values.rename;
    controls.rename_text = values.rename_text;
    controls.email_size = values.email_size;
    controls.sms_switch = values.sms_switch;
    controls.gps = values.gps;
    controls.sms_start_hour = values.sms_start_hour;
    controls.sms_stop_hour = values.sms_stop_hour;
    controls.phone_number = values.phone_number;
    controls.receive_email = values.receive_email;
    return controls;
}

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

    GsmForm page(session);
    page.open_page();
    page.store_page(controlsShowing(page.values()));

    CamForm camera;
    camera.load(session.record);
    camera.ok(session.record);

    OperatorForm operatorForm;
    operatorForm.load(session.record.operator_);
    operatorForm.store(session.record.operator_);

    EmailSettingForm sender(session.presets);
    sender.open(session.record);
    sender.store(session.record);

    require(TextFieldsTerminated(session.record), "a stored record text");
    require(TextFieldsTerminated(session.custom), "a stored custom entry text");
    const QByteArray copy = WorkingCopyBytes(EncodeProfileImage(session.record), session.custom);
    require(copy.size() == kWorkingCopySize, "the working copy size");
    require(ProfileFileBytes(EncodeProfileImage(session.record)).size() == kProfileFileSize,
            "the PROFILE.BIN size");
    return 0;
}
