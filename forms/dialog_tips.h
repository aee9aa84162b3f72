#pragma once

#include "forms/tip.h"

// What the terser controls of the camera, sender e-mail and operator dialogs do.

namespace DialogTips {

extern const Tip workTimeSwitch;
extern const Tip workTimeStart;
extern const Tip workTimeStop;
extern const Tip workTimeAll;

extern const Tip selectEmail;
extern const Tip senderEmail;
extern const Tip senderAccount;
// Names the providers that want an app password and where each explains it.
extern const Tip senderPassword;
extern const Tip smtpServer;
extern const Tip secureType;
extern const Tip smtpPort;

} // namespace DialogTips
