#include "presets/operator_catalogue.h"

#include "presets/carrier_entries.h"
#include "profile/record_text.h"

#include <array>

namespace {

constexpr std::array<CountryRow, 20> kCountryTable = {{
    {"Auto", &AutoEntry, 1},
    {"Austria", Carriers::kAustria.data(), Carriers::kAustria.size()},
    {"Cyprus", Carriers::kCyprus.data(), Carriers::kCyprus.size()},
    {"Czech Repblic", Carriers::kCzechRepublic.data(), Carriers::kCzechRepublic.size()},
    {"Danmark", Carriers::kDanmark.data(), Carriers::kDanmark.size()},
    {"Estonia", Carriers::kEstonia.data(), Carriers::kEstonia.size()},
    {"Finland", Carriers::kFinland.data(), Carriers::kFinland.size()},
    {"Germany", Carriers::kGermany.data(), Carriers::kGermany.size()},
    {"Hungary", Carriers::kHungary.data(), Carriers::kHungary.size()},
    {"Israel", Carriers::kIsrael.data(), Carriers::kIsrael.size()},
    {"Italy", Carriers::kItaly.data(), Carriers::kItaly.size()},
    {"Netherland", Carriers::kNetherland.data(), Carriers::kNetherland.size()},
    {"Norge", Carriers::kNorge.data(), Carriers::kNorge.size()},
    {"Norway", Carriers::kNorway.data(), Carriers::kNorway.size()},
    {"Russia", Carriers::kRussia.data(), Carriers::kRussia.size()},
    {"Slovakia", Carriers::kSlovakia.data(), Carriers::kSlovakia.size()},
    {"Sweden", Carriers::kSweden.data(), Carriers::kSweden.size()},
    {"Swiss", Carriers::kSwiss.data(), Carriers::kSwiss.size()},
    {"United Kingdom", Carriers::kUnitedKingdom.data(), Carriers::kUnitedKingdom.size()},
    {"Customer", nullptr, CustomOperators::kCountryCustomerCount}, // the custom entries
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
    return LoadRecordText(row(position).name);
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
        items.append(EntryName(operatorEntry(position, i)));
    if (position != kAutoRow && position != kCustomerRow)
        items.append(EntryName(m_custom.extra_customer));
    return items;
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
