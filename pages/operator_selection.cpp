#include "pages/operator_selection.h"

OperatorSelection::OperatorSelection(PageValues &values, ProfileRecord &record,
                                     const OperatorCatalogue &catalogue)
    : m_values(values)
    , m_record(record)
    , m_catalogue(catalogue)
{
}

void OperatorSelection::open()
{
    m_values.country_position = m_record.country_index;
    m_values.operator_position = m_record.operator_index;
    // Only a working copy written elsewhere holds positions beyond the lists.
    if (m_values.country_position >= m_catalogue.country_count()) {
        m_values.country_position = 0;
        m_values.operator_position = 0;
    }
    bool fellBack = false;
    if (m_values.operator_position >= operator_items().size()) {
        m_values.operator_position = 0;
        fellBack = true;
    }

    // At the fallback the record must hold the entry now shown, as choosing
    // "Customer" gives, or the next "OK" copies a stranger over "Customer1".
    if (isExtraCustomerItem() || (fellBack && m_values.country_position == OperatorCatalogue::kCustomerRow))
        copyChosenCustomIntoRecord();
}

void OperatorSelection::country_changed(int position)
{
    if (position < 0 || position >= m_catalogue.country_count())
        return;
    m_values.country_position = position;
    m_values.operator_position = 0;
    if (position == OperatorCatalogue::kCustomerRow)
        copyChosenCustomIntoRecord();
}

void OperatorSelection::operator_changed(int position)
{
    if (position < 0 || position >= operator_items().size())
        return;
    m_values.operator_position = position;
    if (m_catalogue.is_custom(m_values.country_position, position))
        copyChosenCustomIntoRecord();
}

void OperatorSelection::transfer()
{
    const int row = m_values.country_position;
    const int index = m_values.operator_position;
    if (m_catalogue.is_custom(row, index))
        m_catalogue.custom_entry(row, index) = m_record.operator_;
    else
        m_record.operator_ = m_catalogue.operator_entry(row, index);
}

void OperatorSelection::take_card_operator()
{
    const int row = m_record.country_index;
    const int index = m_record.operator_index;
    if (row < m_catalogue.country_count() && index < m_catalogue.operator_items(row).size()
        && m_catalogue.is_custom(row, index))
        m_catalogue.custom_entry(row, index) = m_record.operator_;
}

void OperatorSelection::reset()
{
    m_values.country_position = OperatorCatalogue::kAutoRow;
    m_values.operator_position = 0;
    m_record.operator_ = m_catalogue.operator_entry(OperatorCatalogue::kAutoRow, 0);
}

QStringList OperatorSelection::country_items() const
{
    return m_catalogue.country_names();
}

QStringList OperatorSelection::operator_items() const
{
    return m_catalogue.operator_items(m_values.country_position);
}

bool OperatorSelection::custom_enabled() const
{
    return m_catalogue.is_custom(m_values.country_position, m_values.operator_position);
}

bool OperatorSelection::isExtraCustomerItem() const
{
    const int row = m_values.country_position;
    return row != OperatorCatalogue::kAutoRow && row != OperatorCatalogue::kCustomerRow
           && m_values.operator_position == m_catalogue.operator_count(row);
}

void OperatorSelection::copyChosenCustomIntoRecord()
{
    m_record.operator_ = m_catalogue.custom_entry(m_values.country_position, m_values.operator_position);
}
