#pragma once

#include "settings/setting_row.h"

#include <QList>
#include <QString>
#include <QStringList>

// Every setting the page stores, by its group boxes; the operator's group last.
const QList<SettingGroup> &PageGroups();
// "Save Path": the folder "OK" writes PROFILE.BIN into, the page's own and never stored.
const SettingRow &SavePathRow();

// The keys of the settings the page's rules and its store order name.
struct PageKeys {
    QString instant, instantNumber, dailyReport, dailyReportHour, dailyReportMinute;
    QString sendTo, emailSize, smsSwitch, smsStart, smsStop, rename, renameText;
    QString country, operatorIndex, savePath;
    QStringList phones, emails;
    // The group boxes whose settings are stored as they are, in the store order's steps.
    QString sendModeGroup, sendToGroup, controlGroup, operatorGroup;
};
const PageKeys &PageKey();

// The page's push buttons, which open dialogs or act on the page.
struct PageButton {
    QString objectName;
    std::function<QString()> text;
    Tip tip;
};
enum class PageAction { EmailSetting, Custom, CamSetting, DefaultAll, Browse, Ok, Cancel };
const PageButton &PageButtonOf(PageAction action);
// The page's texts that belong to no one row.
struct PageTexts {
    // The first phone's label and tip while the camera takes SMS commands from it.
    std::function<QString()> commandPhone;
    Tip commandPhoneTip;
    // "Custom" while the operator is one of the catalogue's: why, and what to choose instead.
    Tip customDisabledTip;
    // Beside the two SMS hours, whose own labels say "Start" and "Stop".
    std::function<QString()> smsWorkTime;
};
const PageTexts &PageText();
