#pragma once

#include "forms/tip.h"

// What the terser controls of the camera and operator dialogs do.

namespace DialogTips {

extern const Tip workTimeSwitch;
extern const Tip workTimeStart;
extern const Tip workTimeStop;
extern const Tip workTimeAll;


} // namespace DialogTips
