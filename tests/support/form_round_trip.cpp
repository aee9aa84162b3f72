#include "support/form_round_trip.h"

#include "forms/camera_form.h"
#include "forms/sender_email_form.h"
#include "forms/operator_form.h"
#include "forms/camera_schema.h"
#include "forms/settings_form.h"
#include "forms/page_items.h"

namespace {

// A drop-down list shows a value beyond its items as no selection.
int shown(int value, qsizetype count)
{
    return value >= 0 && value < count ? value : -1;
}

} // namespace

PageControls ControlsShowing(const PageValues &values)
{
    using namespace PageItems;
    PageControls controls;
    controls.save_path = values.save_path;
    controls.instant_number = QString::number(values.instant_number);
    controls.daily_report_hour = shown(values.daily_report_hour, kHourCount);
    controls.daily_report_minute = shown(values.daily_report_minute, kMinuteCount);
    controls.send_to = shown(values.send_to, sendToItems().size());
    controls.rename_text = values.rename_text;
    for (PageSetting setting : kPageSettings)
        controls.choice(setting) = shown(values.choice(setting), PageSettingOf(setting).itemCount());
    controls.sms_start_hour = shown(values.sms_start_hour, kHourCount);
    controls.sms_stop_hour = shown(values.sms_stop_hour, kHourCount);
    controls.phone_number = values.phone_number;
    controls.receive_email = values.receive_email;
    return controls;
}

std::optional<Message> StoreThroughForms(ProfileSession &session, bool openedCard)
{
    SettingsForm page(session);
    if (openedCard)
        page.operators().takeCardOperator();
    page.load();

    CameraForm camera(session.record);
    camera.load();
    camera.store();

    SenderEmailForm sender(session.presets);
    sender.load(session.record);
    sender.store(session.record);

    OperatorForm operatorForm;
    operatorForm.load(session.record.operator_);
    operatorForm.store(session.record.operator_);

    return page.store(ControlsShowing(page.values()));
}

std::optional<Message> StoreCorrectedPage(ProfileSession &session)
{
    SettingsForm page(session);
    page.load();
    PageControls controls = ControlsShowing(page.values());
    controls.instant_number = QStringLiteral("99");
    for (std::size_t i = 0; i < kRecipientCount; ++i) {
        controls.phone_number[i].clear();
        controls.receive_email[i].clear();
    }
    controls.choice(PageSetting::SmsSwitch) = 0;
    controls.sms_start_hour = controls.sms_stop_hour = 0;
    controls.send_to = 1;
    controls.receive_email[0] = QStringLiteral("jane@example.org");
    controls.choice(PageSetting::Rename) = 0;
    controls.rename_text.clear();
    return page.store(controls);
}
