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


} // namespace DialogTips
