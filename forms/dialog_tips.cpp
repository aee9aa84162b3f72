#include "forms/dialog_tips.h"

namespace DialogTips {

const Tip selectEmail{"SenderTips", QT_TRANSLATE_NOOP("SenderTips",
    "The mail service the camera sends from; \"Default\" is empty in this tool, so choose yours.")};
const Tip senderEmail{"SenderTips", QT_TRANSLATE_NOOP("SenderTips",
    "The address the camera's e-mails come from.")};
const Tip senderAccount{"SenderTips", QT_TRANSLATE_NOOP("SenderTips",
    "The login name of that account, often the address itself.")};
const Tip senderPassword{"SenderTips", QT_TRANSLATE_NOOP("SenderTips",
    "gmail, hotmail and yahoo need an app password here, not your account's login password:\n"
    "make one for the camera in the provider's account settings, with two-step verification on.\n"
    "Google: \"Sign in with app passwords\", support.google.com/mail/answer/185833\n"
    "Yahoo: \"Generate and manage 3rd-party app passwords\", help.yahoo.com\n"
    "Microsoft: your account's security settings, \"App passwords\"")};
const Tip smtpServer{"SenderTips", QT_TRANSLATE_NOOP("SenderTips",
    "The server that sends the camera's e-mails, as your provider names it.")};
const Tip secureType{"SenderTips", QT_TRANSLATE_NOOP("SenderTips",
    "How the connection to that server is protected, as your provider says.")};
const Tip smtpPort{"SenderTips", QT_TRANSLATE_NOOP("SenderTips",
    "The server's port number, as your provider says.")};

const Tip mmsUrl{"OperatorTips", QT_TRANSLATE_NOOP("OperatorTips",
    "The address of your operator's MMS centre (MMSC), as your operator gives it.")};
const Tip mmsGateway{"OperatorTips", QT_TRANSLATE_NOOP("OperatorTips",
    "The MMS proxy (gateway) address your operator gives, four numbers.")};
const Tip mmsApn{"OperatorTips", QT_TRANSLATE_NOOP("OperatorTips",
    "The access point name (APN) your operator gives for MMS.")};
const Tip mmsPort{"OperatorTips", QT_TRANSLATE_NOOP("OperatorTips",
    "The MMS proxy's port, as your operator gives it.")};
const Tip operatorLogin{"OperatorTips", QT_TRANSLATE_NOOP("OperatorTips",
    "Leave empty unless your operator gives one.")};
const Tip gprsApn{"OperatorTips", QT_TRANSLATE_NOOP("OperatorTips",
    "The access point name (APN) your operator gives for mobile internet, which e-mail uses.")};

} // namespace DialogTips
