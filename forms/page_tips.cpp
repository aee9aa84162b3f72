#include "forms/page_tips.h"

namespace PageTips {

const Tip instant{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "On: the camera sends each photo or video as soon as it takes it.")};
const Tip instantNumber{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "How many photos or videos the camera sends this way, 0 to 99; 0 means no limit.")};
const Tip dailyReport{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "On: the camera sends a daily report at the time beside it.")};
const Tip dailyReportTime{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "The time of day (hour : minute) the camera sends its daily report.")};
const Tip sendByPhone{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "Send photos and videos by MMS to the phone numbers below.")};
const Tip sendByEmail{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "Send photos and videos by e-mail to the addresses below.")};
const Tip emailSetting{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "The e-mail account the camera sends from: choose your provider and type its login.")};
const Tip emailSize{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "How large the pictures sent by e-mail are; small ones go out faster and cost less data.")};
const Tip phoneNumber{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "A phone number of 4 to 15 digits that receives the camera's pictures by MMS.")};
const Tip commandPhone{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "The phone whose SMS commands the camera obeys, 4 to 15 digits.")};
const Tip receiveEmail{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "An e-mail address, at most 47 characters, that receives the camera's pictures.")};
const Tip country{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "The country of the camera's SIM card; \"Customer\" holds three operators of your own.")};
const Tip operatorName{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "The mobile operator of the camera's SIM card; choose \"Customer\" when yours is not listed.")};
const Tip custom{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "Type the MMS and mobile-internet settings your operator gives you.")};
const Tip customDisabled{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "For your own operator only: choose \"Customer\" at the end of the Operator list, or the Country \"Customer\".")};
const Tip smsSwitch{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "Lets the camera obey SMS commands from the Command Phone: all day, or between Start and Stop.")};
const Tip smsStart{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "The hour from which the camera obeys SMS commands.")};
const Tip smsStop{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "The hour until which the camera obeys SMS commands.")};
const Tip rename{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "On: the camera carries the name beside it, so you can tell your cameras apart.")};
const Tip renameText{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "The camera's name: up to 8 letters and digits.")};
const Tip camSetting{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "Photo, video, motion sensor and work-time settings of the camera.")};
const Tip defaultAll{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "Put every setting back to its default; you are asked first.")};
const Tip savePath{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "The top folder of the camera's SD card, where PROFILE.BIN is written.")};
const Tip browse{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "Choose the top folder of the camera's SD card.")};
const Tip ok{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "Check the settings and write PROFILE.BIN onto the card.")};
const Tip cancel{"PageTips", QT_TRANSLATE_NOOP("PageTips",
    "Close the tool without saving; you are asked first when changes would be lost.")};

} // namespace PageTips
