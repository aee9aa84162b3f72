#pragma once

#include "profile/custom_operators.h"
#include "profile/operator_entry.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// One country of the "Country" combo and its run of operator entries.
struct CountryRow {
    char name[16];
    const OperatorEntry *entries;
    std::uint16_t count;
};

// The countries and their operators, with the user's custom entries in
// place: the country "Customer" is the three custom entries, and every other
// country but "Auto" offers the one shared "Customer" entry as its last item.
class OperatorCatalogue
{
public:
    static constexpr int kAutoRow = 0;
    static constexpr int kFinlandRow = 6;
    static constexpr int kCustomerRow = 19;

    explicit OperatorCatalogue(CustomOperators &custom);

    int countryCount() const;
    QString countryName(int row) const;
    QStringList countryNames() const;
    int operatorCount(int row) const;
    const OperatorEntry &operatorEntry(int row, int index) const;

    // The "Operator" combo's items for a country.
    QStringList operatorItems(int row) const;

    // True for the items whose entry the user may edit.
    bool isCustom(int row, int index) const;
    // The editable entry behind a custom item.
    OperatorEntry &customEntry(int row, int index) const;

private:
    const CountryRow &row(int position) const;


    CustomOperators &m_custom;
    CountryRow m_customerRow;
};

// An entry's name as the windows show it: the custom entries' built-in names
// ("Customer", "Customer1"..) in the user's language, any other name as
// stored. The stored name itself never changes.
QString ShownEntryName(const OperatorEntry &entry);
