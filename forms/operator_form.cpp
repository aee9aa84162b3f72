#include "forms/operator_form.h"

#include "forms/decimal_text.h"
#include "profile/record_text.h"

#include <QCoreApplication>

#include <cstring>

namespace {

constexpr std::int64_t kPortMax = 65535;

constexpr OperatorForm::Field kExchangeOrder[] = {
    OperatorForm::Field::Url,         OperatorForm::Field::Gateway,
    OperatorForm::Field::MmsApn,      OperatorForm::Field::MmsPort,
    OperatorForm::Field::MmsAccount,  OperatorForm::Field::MmsPassword,
    OperatorForm::Field::GprsApn,     OperatorForm::Field::GprsAccount,
    OperatorForm::Field::GprsPassword,
};

// The standard field-exchange messages carry the application's title.
Message exchangeMessage(const QString &text)
{
    return {QCoreApplication::applicationName(), text, Message::Icon::Warning};
}

std::optional<Message> portRefusal(const QString &text)
{
    const std::optional<std::int64_t> number = ReadLeadingDecimal(text);
    if (!number)
        return exchangeMessage(QCoreApplication::translate("Messages", "Enter a positive integer."));
    if (*number < 0 || *number > kPortMax) {
        return exchangeMessage(
            QCoreApplication::translate("Messages", "Enter an integer between %1 and %2.").arg(0).arg(kPortMax));
    }
    return std::nullopt;
}

} // namespace

QString OperatorForm::mmsTitle()
{
    return QCoreApplication::translate("OperatorItems", "MMS");
}

QString OperatorForm::gprsTitle()
{
    return QCoreApplication::translate("OperatorItems", "GPRS");
}

QString OperatorForm::label(Field field)
{
    switch (field) {
    case Field::Url: return QCoreApplication::translate("OperatorItems", "URL");
    case Field::Gateway: return QCoreApplication::translate("OperatorItems", "Gateway");
    case Field::MmsApn:
    case Field::GprsApn: return QCoreApplication::translate("OperatorItems", "APN");
    case Field::MmsPort: return QCoreApplication::translate("OperatorItems", "Port");
    case Field::MmsAccount:
    case Field::GprsAccount: return QCoreApplication::translate("OperatorItems", "Account");
    case Field::MmsPassword:
    case Field::GprsPassword: return QCoreApplication::translate("OperatorItems", "Password");
    }
    return {};
}

int OperatorForm::limit(Field field)
{
    switch (field) {
    case Field::Url: return sizeof OperatorEntry::mms_url - 1;
    case Field::Gateway: return sizeof OperatorEntry::mms_gateway - 1;
    case Field::MmsApn: return sizeof OperatorEntry::mms_apn - 1;
    case Field::MmsPort: return sizeof OperatorEntry::mms_port - 1;
    case Field::MmsAccount: return sizeof OperatorEntry::mms_account - 1;
    case Field::MmsPassword: return sizeof OperatorEntry::mms_password - 1;
    case Field::GprsApn: return sizeof OperatorEntry::gprs_apn - 1;
    case Field::GprsAccount: return sizeof OperatorEntry::gprs_account - 1;
    case Field::GprsPassword: return sizeof OperatorEntry::gprs_password - 1;
    }
    return 0;
}

const QString *OperatorForm::text(Field field) const
{
    switch (field) {
    case Field::Url: return &url;
    case Field::MmsApn: return &mmsApn;
    case Field::MmsAccount: return &mmsAccount;
    case Field::MmsPassword: return &mmsPassword;
    case Field::GprsApn: return &gprsApn;
    case Field::GprsAccount: return &gprsAccount;
    case Field::GprsPassword: return &gprsPassword;
    case Field::Gateway:
    case Field::MmsPort: break;
    }
    return nullptr;
}

void OperatorForm::load(const OperatorEntry &entry)
{
    url = LoadRecordText(entry.mms_url);
    mmsApn = LoadRecordText(entry.mms_apn);
    mmsAccount = LoadRecordText(entry.mms_account);
    mmsPassword = LoadRecordText(entry.mms_password);
    gprsApn = LoadRecordText(entry.gprs_apn);
    gprsAccount = LoadRecordText(entry.gprs_account);
    gprsPassword = LoadRecordText(entry.gprs_password);
    mmsPort = QString::number(ReadLeadingDecimal(LoadRecordText(entry.mms_port)).value_or(0));
    gateway = ReadDottedQuad(LoadRecordText(entry.mms_gateway)).value_or(Ipv4Octets{});
}

std::optional<OperatorForm::Failure> OperatorForm::check() const
{
    for (Field field : kExchangeOrder) {
        if (field == Field::MmsPort) {
            if (std::optional<Message> refusal = portRefusal(mmsPort))
                return Failure{field, *refusal};
        } else if (const QString *value = text(field); value && value->size() > limit(field)) {
            const QString tooLong = QCoreApplication::translate("Messages", "Enter no more than %1 characters.");
            return Failure{field, exchangeMessage(tooLong.arg(limit(field)))};
        }
    }
    return std::nullopt;
}

std::optional<OperatorForm::Failure> OperatorForm::store(OperatorEntry &entry) const
{
    if (std::optional<Failure> failure = check())
        return failure;

    // The name is the operator's identity in the catalogue: it stays.
    char *parameters = reinterpret_cast<char *>(&entry) + sizeof entry.name;
    std::memset(parameters, 0, sizeof entry - sizeof entry.name);

    StoreRecordText(entry.mms_url, url);
    StoreRecordText(entry.mms_apn, mmsApn);
    StoreRecordText(entry.mms_account, mmsAccount);
    StoreRecordText(entry.mms_password, mmsPassword);
    StoreRecordText(entry.mms_port, QString::number(ReadLeadingDecimal(mmsPort).value_or(0)));
    StoreRecordText(entry.mms_gateway, DottedQuadText(gateway));
    StoreRecordText(entry.gprs_apn, gprsApn);
    StoreRecordText(entry.gprs_account, gprsAccount);
    StoreRecordText(entry.gprs_password, gprsPassword);
    return std::nullopt;
}
