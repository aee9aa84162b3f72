#include "settings/operator_selection.h"

OperatorSelection::OperatorSelection(int &country, int &operatorPosition, ProfileRecord &record,
                                     const OperatorCatalogue &catalogue)
    : m_country(country)
    , m_operator(operatorPosition)
    , m_record(record)
    , m_catalogue(catalogue)
{
}

void OperatorSelection::load()
{
    m_country = m_record.country_index;
    m_operator = m_record.operator_index;
    // Only a working copy written elsewhere holds positions beyond the lists.
    if (m_country >= m_catalogue.countryCount()) {
        m_country = 0;
        m_operator = 0;
    }
    const bool fellBack = m_operator >= operatorItems().size();
    if (fellBack)
        m_operator = 0;

    // At the fallback the record must hold the entry now shown, as choosing
    // "Customer" gives, or the next "OK" copies a stranger over "Customer1".
    if (isExtraCustomerItem() || (fellBack && m_country == OperatorCatalogue::kCustomerRow))
        copyChosenCustomIntoRecord();
}

void OperatorSelection::countryChanged(int position)
{
    if (position < 0 || position >= m_catalogue.countryCount())
        return;
    m_country = position;
    m_operator = 0;
    if (position == OperatorCatalogue::kCustomerRow)
        copyChosenCustomIntoRecord();
}

void OperatorSelection::operatorChanged(int position)
{
    if (position < 0 || position >= operatorItems().size())
        return;
    m_operator = position;
    if (m_catalogue.isCustom(m_country, position))
        copyChosenCustomIntoRecord();
}

void OperatorSelection::transfer()
{
    const int row = m_country;
    const int index = m_operator;
    if (m_catalogue.isCustom(row, index))
        m_catalogue.customEntry(row, index) = m_record.operator_;
    else
        m_record.operator_ = m_catalogue.operatorEntry(row, index);
}

void OperatorSelection::takeCardOperator()
{
    const int row = m_record.country_index;
    const int index = m_record.operator_index;
    if (row < m_catalogue.countryCount() && index < m_catalogue.operatorItems(row).size()
        && m_catalogue.isCustom(row, index))
        m_catalogue.customEntry(row, index) = m_record.operator_;
}

void OperatorSelection::reset()
{
    m_country = OperatorCatalogue::kAutoRow;
    m_operator = 0;
    m_record.operator_ = m_catalogue.operatorEntry(OperatorCatalogue::kAutoRow, 0);
}

QStringList OperatorSelection::operatorItems() const
{
    return m_catalogue.operatorItems(m_country);
}

bool OperatorSelection::customEnabled() const
{
    return m_catalogue.isCustom(m_country, m_operator);
}

bool OperatorSelection::isExtraCustomerItem() const
{
    const int row = m_country;
    return row != OperatorCatalogue::kAutoRow && row != OperatorCatalogue::kCustomerRow
           && m_operator == m_catalogue.operatorCount(row);
}

void OperatorSelection::copyChosenCustomIntoRecord()
{
    m_record.operator_ = m_catalogue.customEntry(m_country, m_operator);
}
