#include "forms/page_reading.h"

#include <QCoreApplication>

namespace {

Message fieldMessage(const QString &text)
{
    return {QCoreApplication::applicationName(), text, Message::Icon::Warning};
}

} // namespace

std::optional<Message> ReadPage(PageValues &values, const PageControls &controls, PageFault &fault)
{
    using Field = PageFault::Field;
    if (controls.save_path.size() > kSavePathLimit) {
        fault = {Field::SavePath};
        return fieldMessage(QStringLiteral("Enter no more than %1 characters.").arg(kSavePathLimit));
    }
    values.save_path = controls.save_path;
    values.instant_on = controls.instant_on;
    values.daily_report_on = controls.daily_report_on;

    bool isNumber = false;
    const int number = controls.instant_number.trimmed().toInt(&isNumber);
    if (!isNumber) {
        fault = {Field::InstantNumber};
        return fieldMessage(QStringLiteral("Enter an integer."));
    }
    values.instant_number = number;

    values.daily_report_hour = controls.daily_report_hour;
    values.daily_report_minute = controls.daily_report_minute;
    if (controls.send_to >= 0)
        values.send_to = controls.send_to;
    values.rename = controls.rename;
    if (controls.rename_text.size() > kRenameTextLimit) {
        fault = {Field::RenameText};
        return fieldMessage(QStringLiteral("Enter no more than %1 characters.").arg(kRenameTextLimit));
    }
    values.rename_text = controls.rename_text;
    values.email_size = controls.email_size;
    values.sms_switch = controls.sms_switch;
    values.gps = controls.gps;
    values.sms_start_hour = controls.sms_start_hour;
    values.sms_stop_hour = controls.sms_stop_hour;
    values.phone_number = controls.phone_number;
    values.receive_email = controls.receive_email;
    return std::nullopt;
}

QString InstantNumberText(int value)
{
    return QString::number(value);
}
