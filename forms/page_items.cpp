#include "forms/page_items.h"

#include "forms/camera_schema.h"
#include "forms/translated_texts.h"

#include <QCoreApplication>

namespace PageItems {

QString sendModeTitle() { return QCoreApplication::translate("PageItems", "Send Mode"); }
QString sendToTitle() { return QCoreApplication::translate("PageItems", "Send To"); }
QString recipientsTitle() { return QCoreApplication::translate("PageItems", "Recipients"); }
QString operatorParameterTitle() { return QCoreApplication::translate("PageItems", "Operator Parameter"); }
QString gpsSmsTitle() { return QCoreApplication::translate("PageItems", "GPS / SMS Control"); }

QString instantLabel() { return QCoreApplication::translate("PageItems", "Instant"); }
QString instantNumberName()
{
    return QCoreApplication::translate("PageItems", "%1 number", "accessible name of the edit beside the label")
        .arg(instantLabel());
}
QString instantHint() { return QCoreApplication::translate("PageItems", "(0-99,0=Unlimited)"); }
QString dailyReportLabel() { return QCoreApplication::translate("PageItems", "DailyReport"); }
QString dailyReportHourName()
{
    return QCoreApplication::translate("PageItems", "%1 hour", "accessible name of the combo beside the label")
        .arg(dailyReportLabel());
}
QString dailyReportMinuteName()
{
    return QCoreApplication::translate("PageItems", "%1 minute", "accessible name of the combo beside the label")
        .arg(dailyReportLabel());
}
QString countryLabel() { return QCoreApplication::translate("PageItems", "Country"); }
QString operatorLabel() { return QCoreApplication::translate("PageItems", "Operator"); }
QString smsSwitchLabel() { return QCoreApplication::translate("PageItems", "SMS Switch"); }
QString smsWorkTimeLabel() { return QCoreApplication::translate("PageItems", "SMS Work Time"); }
QString smsStartLabel() { return QCoreApplication::translate("PageItems", "Start"); }
QString smsStopLabel() { return QCoreApplication::translate("PageItems", "Stop"); }
QString smsStartName()
{
    return QCoreApplication::translate("PageItems", "%1 %2", "accessible name: the row's label, then the time's")
        .arg(smsWorkTimeLabel(), smsStartLabel());
}
QString smsStopName()
{
    return QCoreApplication::translate("PageItems", "%1 %2", "accessible name: the row's label, then the time's")
        .arg(smsWorkTimeLabel(), smsStopLabel());
}
QString renameLabel() { return QCoreApplication::translate("PageItems", "Rename"); }
QString renameTextName()
{
    return QCoreApplication::translate("PageItems", "%1 text", "accessible name of the edit beside the label")
        .arg(renameLabel());
}
QString renameHint() { return QCoreApplication::translate("PageItems", "(0-9,A-Z only)"); }
QString emailSettingButtonText() { return QCoreApplication::translate("PageItems", "Email Setting"); }
QString customButtonText() { return QCoreApplication::translate("PageItems", "Custom"); }
QString camSettingButtonText() { return QCoreApplication::translate("PageItems", "CAM Setting"); }
QString defaultAllButtonText() { return QCoreApplication::translate("PageItems", "Default All"); }
QString savePathLabel() { return QCoreApplication::translate("PageItems", "Save Path"); }
QString browseName() { return QCoreApplication::translate("PageItems", "Choose the save folder"); }
QString cancelButtonText() { return QCoreApplication::translate("PageItems", "Cancel"); }

QString phoneNumberLabel(int index)
{
    return QCoreApplication::translate("PageItems", "Phone Number %1").arg(index + 1);
}

QString receiveEmailLabel(int index)
{
    return QCoreApplication::translate("PageItems", "Receive Email %1").arg(index + 1);
}

QString commandPhoneLabel()
{
    return QCoreApplication::translate("PageItems", "Command Phone");
}

QStringList sendToItems()
{
    static constexpr const char *items[] = {
        QT_TRANSLATE_NOOP("PageItems", "Phone"),
        QT_TRANSLATE_NOOP("PageItems", "Email"),
    };
    return TranslatedTexts("PageItems", items);
}

QStringList smsSwitchItems()
{
    static constexpr const char *items[] = {QT_TRANSLATE_NOOP("PageItems", "On(24hour)"), QT_TRANSLATE_NOOP("PageItems", "Set")};
    return QStringList{OffOnItems().at(0)} + TranslatedTexts("PageItems", items);
}

} // namespace PageItems
