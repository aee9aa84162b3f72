#pragma once

#include "settings/message.h"

#include <QString>

// What a window found when a value was set or stored: the setting at fault by
// its full key, which names the recipient or window too ("receive_email_2",
// "work_time_3.start_hour"), and the message that says why. A note that
// blames no setting has no key.
struct SettingFault {
    QString key;
    Message message;

    friend bool operator==(const SettingFault &, const SettingFault &) = default;
};
