#pragma once

#include "forms/page_schema.h"
#include "profile/email_entry.h"
#include "profile/profile_record.h"

#include <QString>

#include <array>

// What the page's controls show, taken back from them as they are.
struct PageFields {
    QString save_path;
    int daily_report_hour = 0;
    int daily_report_minute = 0;
    int send_to = 1;
    QString rename_text;
    PageChoices choices = DefaultPageChoices();
    int &choice(PageSetting setting) { return choices[std::size_t(setting)]; }
    int choice(PageSetting setting) const { return choices[std::size_t(setting)]; }
    int sms_start_hour = 0;
    int sms_stop_hour = 0;
    std::array<QString, kRecipientCount> phone_number;
    std::array<QString, kRecipientCount> receive_email;

    friend bool operator==(const PageFields &, const PageFields &) = default;
};

// The settings page's own values: the page edits these and writes the
// record only on "OK".
struct PageValues : PageFields {
    int instant_number = 99;
    int country_position = 0;
    int operator_position = 0;
    // The hours shown again when "SMS Switch" returns to "Set".
    int saved_sms_start_hour = 0;
    int saved_sms_stop_hour = 0;
    // The account "Default All" puts into the record, and "OK" when no provider was chosen.
    EmailEntry default_sender = DefaultSender();
};

// What the page's controls hold, as the view reads them: send_to is -1 when
// neither radio button is checked, and an index -1 when no item is selected.
struct PageControls : PageFields {
    QString instant_number;

    friend bool operator==(const PageControls &, const PageControls &) = default;
};

// Which controls are enabled and what the changing label reads.
struct PageState {
    bool instant_number_enabled = false;
    bool daily_report_time_enabled = false;
    bool sms_work_time_enabled = false;
    bool rename_text_enabled = false;
    QString first_phone_label;
    bool command_phone = false; // the first phone is the one SMS commands come from
    std::array<bool, kRecipientCount> phone_enabled{};
    std::array<bool, kRecipientCount> email_enabled{};
    bool email_size_enabled = false;
    bool custom_enabled = false;
};
