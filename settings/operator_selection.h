#pragma once

#include "presets/operator_catalogue.h"
#include "profile/profile_record.h"

// Which operator entry backs the record while the user picks a country and an
// operator. Custom items reach the record at once; a carrier reaches it only
// when the page is stored.
class OperatorSelection
{
public:
    // `country` and `operatorPosition` are the positions the page's lists show.
    OperatorSelection(int &country, int &operatorPosition, ProfileRecord &record, const OperatorCatalogue &catalogue);

    // Finds the stored choice again; a position outside the lists falls back to 0.
    void load();
    void countryChanged(int position);
    void operatorChanged(int position);
    // On "OK": the record's entry goes back into the chosen custom entry, or
    // the chosen carrier's entry comes into the record.
    void transfer();
    // A card opened from a file: the custom item it chose takes the card's
    // entry, as the card's own "OK" did, so the card is shown and saved as it is.
    void takeCardOperator();
    // "Default All": the first country and its first operator, "Auto".
    void reset();

    QStringList operatorItems() const;
    bool customEnabled() const;

private:
    bool isExtraCustomerItem() const;
    void copyChosenCustomIntoRecord();

    int &m_country;
    int &m_operator;
    ProfileRecord &m_record;
    const OperatorCatalogue &m_catalogue;
};
