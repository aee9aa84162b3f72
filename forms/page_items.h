#pragma once

#include "forms/clock.h"

#include <QString>
#include <QStringList>

// The settings page's group titles, labels and item lists, kept apart from
// the widgets so that other front ends print the same texts. Each call returns
// them in the language installed now.
namespace PageItems {

inline constexpr int kInstantNumberMax = 99;

QString sendModeTitle();
QString sendToTitle();
QString recipientsTitle();
QString operatorParameterTitle();
QString gpsSmsTitle();

QString instantLabel();
QString instantNumberName();
QString instantHint();
QString dailyReportLabel();
QString dailyReportHourName();
QString dailyReportMinuteName();
QString countryLabel();
QString operatorLabel();
QString smsSwitchLabel();
QString smsWorkTimeLabel();
QString smsStartLabel();
QString smsStopLabel();
// The work-time combos' own names: "SMS Work Time Start" and "SMS Work Time Stop".
QString smsStartName();
QString smsStopName();
QString renameLabel();
QString renameTextName();
QString renameHint();
QString emailSettingButtonText();
QString customButtonText();
QString camSettingButtonText();
QString defaultAllButtonText();
QString savePathLabel();
// The "..." button's accessible name.
QString browseName();
QString cancelButtonText();

// "Phone Number 1".."Phone Number 4" and "Receive Email 1".., for index 0..3.
QString phoneNumberLabel(int index);
QString receiveEmailLabel(int index);
// The first phone's label while SMS commands are on.
QString commandPhoneLabel();

// The "Send To" radio buttons, by stored value.
QStringList sendToItems();
QStringList smsSwitchItems();

} // namespace PageItems
