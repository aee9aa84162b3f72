#pragma once

#include "forms/tip.h"

// What the settings page's terser controls do, one sentence each.
namespace PageTips {

extern const Tip instant;
extern const Tip instantNumber;
extern const Tip dailyReport;
extern const Tip dailyReportTime;
extern const Tip sendByPhone;
extern const Tip sendByEmail;
extern const Tip emailSetting;
extern const Tip emailSize;
extern const Tip phoneNumber;
extern const Tip commandPhone;
extern const Tip receiveEmail;
extern const Tip country;
extern const Tip operatorName;
extern const Tip custom;
// "Custom" while the operator is one of the catalogue's: why, and what to choose instead.
extern const Tip customDisabled;
extern const Tip smsSwitch;
extern const Tip smsStart;
extern const Tip smsStop;
extern const Tip rename;
extern const Tip renameText;
extern const Tip camSetting;
extern const Tip defaultAll;
extern const Tip savePath;
extern const Tip browse;
extern const Tip ok;
extern const Tip cancel;

} // namespace PageTips
