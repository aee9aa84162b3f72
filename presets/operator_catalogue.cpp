#include "presets/operator_catalogue.h"

#include "presets/carrier_entries.h"
#include "profile/record_text.h"

#include <QCoreApplication>

#include <array>

namespace {

constexpr std::array<CountryRow, 20> kCountryTable = {{
    {QT_TRANSLATE_NOOP("Countries", "Auto"), &AutoEntry, 1},
    {QT_TRANSLATE_NOOP("Countries", "Austria"), Carriers::kAustria.data(), Carriers::kAustria.size()},
    {QT_TRANSLATE_NOOP("Countries", "Cyprus"), Carriers::kCyprus.data(), Carriers::kCyprus.size()},
    {QT_TRANSLATE_NOOP("Countries", "Czech Repblic"), Carriers::kCzechRepublic.data(), Carriers::kCzechRepublic.size()},
    {QT_TRANSLATE_NOOP("Countries", "Danmark"), Carriers::kDanmark.data(), Carriers::kDanmark.size()},
    {QT_TRANSLATE_NOOP("Countries", "Estonia"), Carriers::kEstonia.data(), Carriers::kEstonia.size()},
    {QT_TRANSLATE_NOOP("Countries", "Finland"), Carriers::kFinland.data(), Carriers::kFinland.size()},
    {QT_TRANSLATE_NOOP("Countries", "Germany"), Carriers::kGermany.data(), Carriers::kGermany.size()},
    {QT_TRANSLATE_NOOP("Countries", "Hungary"), Carriers::kHungary.data(), Carriers::kHungary.size()},
    {QT_TRANSLATE_NOOP("Countries", "Israel"), Carriers::kIsrael.data(), Carriers::kIsrael.size()},
    {QT_TRANSLATE_NOOP("Countries", "Italy"), Carriers::kItaly.data(), Carriers::kItaly.size()},
    {QT_TRANSLATE_NOOP("Countries", "Netherland"), Carriers::kNetherland.data(), Carriers::kNetherland.size()},
    {QT_TRANSLATE_NOOP("Countries", "Norge"), Carriers::kNorge.data(), Carriers::kNorge.size()},
    {QT_TRANSLATE_NOOP("Countries", "Norway"), Carriers::kNorway.data(), Carriers::kNorway.size()},
    {QT_TRANSLATE_NOOP("Countries", "Russia"), Carriers::kRussia.data(), Carriers::kRussia.size()},
    {QT_TRANSLATE_NOOP("Countries", "Slovakia"), Carriers::kSlovakia.data(), Carriers::kSlovakia.size()},
    {QT_TRANSLATE_NOOP("Countries", "Sweden"), Carriers::kSweden.data(), Carriers::kSweden.size()},
    {QT_TRANSLATE_NOOP("Countries", "Swiss"), Carriers::kSwiss.data(), Carriers::kSwiss.size()},
    {QT_TRANSLATE_NOOP("Countries", "United Kingdom"), Carriers::kUnitedKingdom.data(), Carriers::kUnitedKingdom.size()},
    {QT_TRANSLATE_NOOP("Countries", "Customer"), nullptr, CustomOperators::kCountryCustomerCount}, // the custom entries
}};

static_assert(kCountryTable.size() == OperatorCatalogue::kCustomerRow + 1);
static_assert(kCountryTable[OperatorCatalogue::kFinlandRow].entries == Carriers::kFinland.data());

} // namespace

OperatorCatalogue::OperatorCatalogue(CustomOperators &custom)
    : m_custom(custom)
    , m_customerRow(kCountryTable[kCustomerRow])
{
    m_customerRow.entries = m_custom.country_customers.data();
}

const CountryRow &OperatorCatalogue::row(int position) const
{
    Q_ASSERT(position >= 0 && position < countryCount());
    return position == kCustomerRow ? m_customerRow : kCountryTable[std::size_t(position)];
}

int OperatorCatalogue::countryCount() const
{
    return int(kCountryTable.size());
}

QString OperatorCatalogue::countryName(int position) const
{
    return QCoreApplication::translate("Countries", row(position).name);
}

QStringList OperatorCatalogue::countryNames() const
{
    QStringList names;
    for (int p = 0; p < countryCount(); ++p)
        names.append(countryName(p));
    return names;
}

int OperatorCatalogue::operatorCount(int position) const
{
    return row(position).count;
}

const OperatorEntry &OperatorCatalogue::operatorEntry(int position, int index) const
{
    Q_ASSERT(index >= 0 && index < operatorCount(position));
    return row(position).entries[index];
}

QStringList OperatorCatalogue::operatorItems(int position) const
{
    QStringList items;
    for (int i = 0; i < operatorCount(position); ++i)
        items.append(position == kCustomerRow ? ShownEntryName(operatorEntry(position, i))
                                              : EntryName(operatorEntry(position, i)));
    if (position != kAutoRow && position != kCustomerRow)
        items.append(ShownEntryName(m_custom.extra_customer));
    return items;
}

QString ShownEntryName(const OperatorEntry &entry)
{
    const QString name = EntryName(entry);
    const CustomOperators builtIn = CustomOperators::BuiltIn();
    if (name == EntryName(builtIn.extra_customer))
        return QCoreApplication::translate("Countries", "Customer");
    for (int i = 0; i < CustomOperators::kCountryCustomerCount; ++i) {
        if (name == EntryName(builtIn.country_customers[std::size_t(i)]))
            return QCoreApplication::translate("Countries", "Customer%1", "a custom operator item").arg(i + 1);
    }
    return name;
}

bool OperatorCatalogue::isCustom(int position, int index) const
{
    return position == kCustomerRow || index == operatorCount(position);
}

OperatorEntry &OperatorCatalogue::customEntry(int position, int index) const
{
    Q_ASSERT(isCustom(position, index));
    if (position == kCustomerRow)
        return m_custom.country_customers[std::size_t(index)];
    return m_custom.extra_customer;
}
