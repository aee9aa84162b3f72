#include "settings/operator_model.h"

#include "settings/decimal_text.h"
#include "settings/ipv4_octets.h"
#include "settings/operator_schema.h"
#include "profile/record_text.h"

#include <QCoreApplication>

#include <cstring>

namespace {

constexpr std::int64_t kMmsPortMax = 65535;

bool isMmsPort(const SettingRow &row)
{
    return row.key() == QLatin1StringView("mms_port");
}

// A text as the dialog shows and stores it: the port as its number, the address as its octets.
QString operatorText(const SettingRow &row, const QString &text)
{
    if (row.kind == SettingKind::Address)
        return DottedQuadText(ReadDottedQuad(text).value_or(Ipv4Octets{}));
    if (isMmsPort(row))
        return QString::number(ReadLeadingDecimal(text).value_or(0));
    return text;
}

std::optional<Message> mmsPortRefusal(const QString &text)
{
    const std::optional<std::int64_t> number = ReadLeadingDecimal(text);
    if (!number)
        return FieldExchangeMessage(QCoreApplication::translate("Messages", "Enter a positive integer."));
    if (*number < 0 || *number > kMmsPortMax) {
        return FieldExchangeMessage(
            QCoreApplication::translate("Messages", "Enter an integer between %1 and %2.").arg(0).arg(kMmsPortMax));
    }
    return std::nullopt;
}

} // namespace

OperatorModel::OperatorModel(OperatorEntry &entry)
    : m_entry(entry)
{
}

void OperatorModel::load()
{
    for (const SettingGroup &group : OperatorGroups())
        for (const SettingRow &row : group.rows)
            m_texts.insert(row.key(), operatorText(row, LoadRecordText(EntryField(m_entry, row.place()))));
}

QVariant OperatorModel::value(const QString &key) const
{
    return m_texts.value(key);
}

std::optional<SettingFault> OperatorModel::set(const QString &key, const QVariant &value)
{
    m_texts.insert(key, value.toString());
    return std::nullopt;
}

std::optional<SettingFault> OperatorModel::check() const
{
    for (const SettingGroup &group : OperatorGroups()) {
        for (const SettingRow &row : group.rows) {
            const QString text = m_texts.value(row.key());
            if (isMmsPort(row)) {
                if (std::optional<Message> refusal = mmsPortRefusal(text))
                    return SettingFault{row.key(), *refusal};
            } else if (operatorText(row, text).size() > row.typing.limit) {
                return SettingFault{row.key(), TooManyCharactersMessage(row.typing.limit)};
            }
        }
    }
    return std::nullopt;
}

std::optional<SettingFault> OperatorModel::store()
{
    if (std::optional<SettingFault> fault = check())
        return fault;

    // The name is the operator's identity in the catalogue: it stays.
    char *parameters = reinterpret_cast<char *>(&m_entry) + sizeof m_entry.name;
    std::memset(parameters, 0, sizeof m_entry - sizeof m_entry.name);
    for (const SettingGroup &group : OperatorGroups())
        for (const SettingRow &row : group.rows)
            StoreRecordText(EntryField(m_entry, row.place()), operatorText(row, m_texts.value(row.key())));
    return std::nullopt;
}
