#include "forms/page_items.h"

#include "forms/camera_items.h"

namespace PageItems {

QString sendModeTitle() { return QStringLiteral("Send Mode"); }
QString sendToTitle() { return QStringLiteral("Send To"); }
QString recipientsTitle() { return QStringLiteral("Recipients"); }
QString operatorParameterTitle() { return QStringLiteral("Operator Parameter"); }
QString gpsSmsTitle() { return QStringLiteral("GPS / SMS Control"); }

QString instantLabel() { return QStringLiteral("Instant"); }
QString instantNumberName() { return instantLabel() + QStringLiteral(" number"); }
QString dailyReportLabel() { return QStringLiteral("DailyReport"); }
QString dailyReportHourName() { return dailyReportLabel() + QStringLiteral(" hour"); }
QString dailyReportMinuteName() { return dailyReportLabel() + QStringLiteral(" minute"); }
QString countryLabel() { return QStringLiteral("Country"); }
QString operatorLabel() { return QStringLiteral("Operator"); }
QString smsSwitchLabel() { return QStringLiteral("SMS Switch"); }
QString smsWorkTimeLabel() { return QStringLiteral("SMS Work Time"); }
QString smsStartLabel() { return QStringLiteral("Start"); }
QString smsStopLabel() { return QStringLiteral("Stop"); }
QString smsStartName() { return smsWorkTimeLabel() + QLatin1Char(' ') + smsStartLabel(); }
QString smsStopName() { return smsWorkTimeLabel() + QLatin1Char(' ') + smsStopLabel(); }
QString renameLabel() { return QStringLiteral("Rename"); }
QString renameTextName() { return renameLabel() + QStringLiteral(" text"); }
QString emailSettingButtonText() { return QStringLiteral("Email Setting"); }
QString customButtonText() { return QStringLiteral("Custom"); }

QString phoneNumberLabel(int index)
{
    return QStringLiteral("Phone Number %1").arg(index + 1);
}

QString receiveEmailLabel(int index)
{
    return QStringLiteral("Receive Email %1").arg(index + 1);
}

QString commandPhoneLabel()
{
    return QStringLiteral("Command Phone");
}

const QStringList &sendToItems()
{
    static const QStringList items = {QStringLiteral("Phone"), QStringLiteral("Email")};
    return items;
}

const QStringList &smsSwitchItems()
{
    static const QStringList items = {OffOnItems().at(0), QStringLiteral("On(24hour)"), QStringLiteral("Set")};
    return items;
}

} // namespace PageItems
