#include "forms/operator_selection.h"

OperatorSelection::OperatorSelection(PageValues &values, ProfileRecord &record,
                                     const OperatorCatalogue &catalogue)
    : m_values(values)
    , m_record(record)
    , m_catalogue(catalogue)
{
}

void OperatorSelection::load()
{
    m_values.country_position = m_record.country_index;
    m_values.operator_position = m_record.operator_index;
    // Only a working copy written elsewhere holds positions beyond the lists.
    if (m_values.country_position >= m_catalogue.countryCount()) {
        m_values.country_position = 0;
        m_values.operator_position = 0;
    }
    const bool fellBack = m_values.operator_position >= operatorItems().size();
    if (fellBack)
        m_values.operator_position = 0;

    // At the fallback the record must hold the entry now shown, as choosing
    // "Customer" gives, or the next "OK" copies a stranger over "Customer1".
    if (isExtraCustomerItem() || (fellBack && m_values.country_position == OperatorCatalogue::kCustomerRow))
        copyChosenCustomIntoRecord();
}

void OperatorSelection::countryChanged(int position)
{
    if (position < 0 || position >= m_catalogue.countryCount())
        return;
    m_values.country_position = position;
    m_values.operator_position = 0;
    if (position == OperatorCatalogue::kCustomerRow)
        copyChosenCustomIntoRecord();
}

void OperatorSelection::operatorChanged(int position)
{
    if (position < 0 || position >= operatorItems().size())
        return;
    m_values.operator_position = position;
    if (m_catalogue.isCustom(m_values.country_position, position))
        copyChosenCustomIntoRecord();
}

void OperatorSelection::transfer()
{
    const int row = m_values.country_position;
    const int index = m_values.operator_position;
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
    m_values.country_position = OperatorCatalogue::kAutoRow;
    m_values.operator_position = 0;
    m_record.operator_ = m_catalogue.operatorEntry(OperatorCatalogue::kAutoRow, 0);
}

QStringList OperatorSelection::operatorItems() const
{
    return m_catalogue.operatorItems(m_values.country_position);
}

bool OperatorSelection::customEnabled() const
{
    return m_catalogue.isCustom(m_values.country_position, m_values.operator_position);
}

bool OperatorSelection::isExtraCustomerItem() const
{
    const int row = m_values.country_position;
    return row != OperatorCatalogue::kAutoRow && row != OperatorCatalogue::kCustomerRow
           && m_values.operator_position == m_catalogue.operatorCount(row);
}

void OperatorSelection::copyChosenCustomIntoRecord()
{
    m_record.operator_ = m_catalogue.customEntry(m_values.country_position, m_values.operator_position);
}
