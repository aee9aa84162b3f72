#pragma once

#include "forms/tip.h"

// What the terser controls of the sender e-mail and operator dialogs do.

namespace DialogTips {

extern const Tip selectEmail;
extern const Tip senderEmail;
extern const Tip senderAccount;
// Names the providers that want an app password and where each explains it.
extern const Tip senderPassword;
extern const Tip smtpServer;
extern const Tip secureType;
extern const Tip smtpPort;

extern const Tip mmsUrl;
extern const Tip mmsGateway;
extern const Tip mmsApn;
extern const Tip mmsPort;
extern const Tip operatorLogin;
extern const Tip gprsApn;

} // namespace DialogTips
