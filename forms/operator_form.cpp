#include "forms/operator_form.h"

#include "forms/decimal_text.h"
#include "profile/record_text.h"

#include <cstring>
#include <span>
#include <type_traits>
#include <QCoreApplication>

namespace {

constexpr std::int64_t kPortMax = 65535;

using Field = OperatorForm::Field;

struct EntrySlot {
    std::size_t offset;
    std::size_t size;
};

#define TALMERIS_ENTRY_FIELD(member) EntrySlot{offsetof(OperatorEntry, member), sizeof OperatorEntry::member}

// Where each field's text lies in the entry, in the order of Field.
constexpr std::array<EntrySlot, OperatorForm::kFieldCount> kEntrySlots = {
    TALMERIS_ENTRY_FIELD(mms_url),      TALMERIS_ENTRY_FIELD(mms_gateway),  TALMERIS_ENTRY_FIELD(mms_apn),
    TALMERIS_ENTRY_FIELD(mms_port),     TALMERIS_ENTRY_FIELD(mms_account),  TALMERIS_ENTRY_FIELD(mms_password),
    TALMERIS_ENTRY_FIELD(gprs_apn),     TALMERIS_ENTRY_FIELD(gprs_account), TALMERIS_ENTRY_FIELD(gprs_password),
};

#undef TALMERIS_ENTRY_FIELD

template <typename Entry>
auto entryText(Entry &entry, Field field)
{
    using Byte = std::conditional_t<std::is_const_v<Entry>, const char, char>;
    const EntrySlot slot = kEntrySlots[std::size_t(field)];
    return std::span<Byte>(reinterpret_cast<Byte *>(&entry) + slot.offset, slot.size);
}

// The port and the gateway are numbers: the port is read from its text, the gateway kept as octets.
bool isNumber(Field field)
{
    return field == Field::Gateway || field == Field::MmsPort;
}

std::optional<Message> portRefusal(const QString &text)
{
    const std::optional<std::int64_t> number = ReadLeadingDecimal(text);
    if (!number)
        return FieldExchangeMessage(QCoreApplication::translate("Messages", "Enter a positive integer."));
    if (*number < 0 || *number > kPortMax) {
        return FieldExchangeMessage(
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
    return int(kEntrySlots[std::size_t(field)].size) - 1;
}

void OperatorForm::load(const OperatorEntry &entry)
{
    for (int i = 0; i < kFieldCount; ++i) {
        if (!isNumber(Field(i)))
            texts[std::size_t(i)] = LoadRecordText(entryText(entry, Field(i)));
    }
    text(Field::MmsPort) = QString::number(ReadLeadingDecimal(LoadRecordText(entry.mms_port)).value_or(0));
    gateway = ReadDottedQuad(LoadRecordText(entry.mms_gateway)).value_or(Ipv4Octets{});
}

std::optional<OperatorForm::Failure> OperatorForm::check() const
{
    for (int i = 0; i < kFieldCount; ++i) {
        const Field field = Field(i);
        if (field == Field::MmsPort) {
            if (std::optional<Message> refusal = portRefusal(text(field)))
                return Failure{field, *refusal};
        } else if (!isNumber(field) && text(field).size() > limit(field)) {
            return Failure{field, TooManyCharactersMessage(limit(field))};
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

    for (int i = 0; i < kFieldCount; ++i) {
        if (!isNumber(Field(i)))
            StoreRecordText(entryText(entry, Field(i)), texts[std::size_t(i)]);
    }
    StoreRecordText(entry.mms_port, QString::number(ReadLeadingDecimal(text(Field::MmsPort)).value_or(0)));
    StoreRecordText(entry.mms_gateway, DottedQuadText(gateway));
    return std::nullopt;
}
