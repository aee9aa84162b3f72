#include "forms/page_values.h"

PageControls ControlsShowing(const PageValues &values)
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
