#include "forms/dialog_tips.h"

namespace DialogTips {

const Tip workTimeSwitch{"CameraTips", QT_TRANSLATE_NOOP("CameraTips",
    "On: the camera works only in this window's hours and days.")};
const Tip workTimeStart{"CameraTips", QT_TRANSLATE_NOOP("CameraTips",
    "When the window begins each day; a Stop before Start runs past midnight.")};
const Tip workTimeStop{"CameraTips", QT_TRANSLATE_NOOP("CameraTips",
    "When the window ends each day.")};
const Tip workTimeAll{"CameraTips", QT_TRANSLATE_NOOP("CameraTips",
    "Every day of the week.")};

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
