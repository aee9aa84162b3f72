#pragma once

#include "profile/operator_entry.h"

#include <array>

// The carriers offered under each country, in the order the "Operator" combo
// lists them. Parameters are the carriers' published settings; a field stays
// empty where no published value could be confirmed, and the user fills it in
// through a custom entry.
namespace Carriers {

inline constexpr std::array<OperatorEntry, 1> kAustria = {{
    {.name = "A1"},
}};

inline constexpr std::array<OperatorEntry, 1> kCyprus = {{
    {.name = "MTN"},
}};

inline constexpr std::array<OperatorEntry, 3> kCzechRepublic = {{
    {.name = "O2"},
    {.name = "T-mobile"},
    {.name = "Vodafone"},
}};

inline constexpr std::array<OperatorEntry, 12> kDanmark = {{
    {.name = "3."},
    {.name = "4Recon"},
    {.name = "4Recon1"},
    {.name = "4Recon2"},
    {.name = "callme"},
    {.name = "Cbb"},
    {.name = "Greentel"},
    {.name = "M1"},
    {.name = "TDC"},
    {.name = "Telenor"},
    {.name = "Telia"},
    {.name = "Telmore"},
}};

inline constexpr std::array<OperatorEntry, 1> kEstonia = {{
    {.name = "EMT PrePaid"},
}};

inline constexpr std::array<OperatorEntry, 6> kFinland = {{
    {.name = "DNA"},
    {.name = "ELISA"},
    {.name = "Saunalahti"},
    {.name = "Saunalahti PrePaid"},
    {.name = "Sonera"},
    {.name = "TeleFinland"},
}};

inline constexpr std::array<OperatorEntry, 8> kGermany = {{
    {.name = "1&1"},
    {.name = "E-Plus",
     .gprs_apn = "internet.eplus.de",
     .gprs_account = "eplus",
     .gprs_password = "gprs"},
    {.name = "O2 Prepaid",
     .mms_url = "http://10.81.0.7:8002",
     .mms_gateway = "82.113.100.5",
     .mms_port = "8080",
     .mms_apn = "internet",
     .gprs_apn = "pinternet.interkom.de"},
    {.name = "O2 with Contract",
     .mms_url = "http://10.81.0.7:8002",
     .mms_gateway = "82.113.100.5",
     .mms_port = "8080",
     .mms_apn = "internet",
     .gprs_apn = "internet"},
    {.name = "RWAnyNet"},
    {.name = "T-Mobile",
     .mms_url = "http://mms.t-mobile.de/servlets/mms",
     .mms_gateway = "172.28.23.131",
     .mms_port = "8008",
     .mms_apn = "mms.t-d1.de",
     .mms_account = "t-mobile",
     .mms_password = "mms",
     .gprs_apn = "internet.t-mobile",
     .gprs_account = "t-mobile",
     .gprs_password = "tm"},
    {.name = "T-Mobile2"},
    {.name = "Vodafone",
     .mms_url = "http://139.7.24.1/servlets/mms",
     .mms_gateway = "139.7.29.17",
     .mms_port = "80",
     .mms_apn = "event.vodafone.de",
     .gprs_apn = "web.vodafone.de"},
}};

inline constexpr std::array<OperatorEntry, 5> kHungary = {{
    {.name = "T-mobile"},
    {.name = "Telenor1"},
    {.name = "Telenor2"},
    {.name = "Vodafone1"},
    {.name = "Vodafone2"},
}};

inline constexpr std::array<OperatorEntry, 5> kIsrael = {{
    {.name = "Cellcom"},
    {.name = "Golantelecom"},
    {.name = "Hot mobile"},
    {.name = "Orange"},
    {.name = "youphone"},
}};

inline constexpr std::array<OperatorEntry, 3> kItaly = {{
    {.name = "TIM",
     .mms_url = "http://mms.tim.it/servlets/mms",
     .mms_gateway = "213.230.130.89",
     .mms_port = "80",
     .mms_apn = "unico.tim.it",
     .gprs_apn = "ibox.tim.it"},
    {.name = "Vodafone",
     .mms_url = "http://mms.vodafone.it/servlets/mms",
     .mms_gateway = "10.128.224.10",
     .mms_port = "80",
     .mms_apn = "mms.vodafone.it",
     .gprs_apn = "web.omnitel.it"},
    {.name = "WIND",
     .mms_url = "http://mms.wind.it",
     .mms_gateway = "212.245.244.11",
     .mms_port = "8080",
     .mms_apn = "mms.wind",
     .gprs_apn = "internet.wind"},
}};

inline constexpr std::array<OperatorEntry, 1> kNetherland = {{
    {.name = "KPN"},
}};

inline constexpr std::array<OperatorEntry, 3> kNorge = {{
    {.name = "Netcom"},
    {.name = "Tele2"},
    {.name = "telenor"},
}};

inline constexpr std::array<OperatorEntry, 6> kNorway = {{
    {.name = "Chess"},
    {.name = "Netcom"},
    {.name = "OneCall"},
    {.name = "Talkmore"},
    {.name = "Tele2"},
    {.name = "Telenor"},
}};

inline constexpr std::array<OperatorEntry, 3> kRussia = {{
    {.name = "Beeline"},
    {.name = "Megafon"},
    {.name = "MTS"},
}};

inline constexpr std::array<OperatorEntry, 3> kSlovakia = {{
    {.name = "O2"},
    {.name = "Orange"},
    {.name = "T-mobile"},
}};

inline constexpr std::array<OperatorEntry, 2> kSweden = {{
    {.name = "Tele2"},
    {.name = "Telia"},
}};

inline constexpr std::array<OperatorEntry, 2> kSwiss = {{
    {.name = "Orange"},
    {.name = "Swisscom"},
}};

inline constexpr std::array<OperatorEntry, 3> kUnitedKingdom = {{
    {.name = "Vodafone",
     .mms_url = "http://mms.vodafone.co.uk/servlets/mms",
     .mms_gateway = "212.183.137.12",
     .mms_port = "8799",
     .mms_apn = "wap.vodafone.co.uk",
     .mms_account = "wap",
     .mms_password = "wap"},
    {.name = "Vodafone(Contract)",
     .mms_url = "http://mms.vodafone.co.uk/servlets/mms",
     .mms_gateway = "212.183.137.12",
     .mms_port = "8799",
     .mms_apn = "wap.vodafone.co.uk",
     .mms_account = "wap",
     .mms_password = "wap",
     .gprs_apn = "internet",
     .gprs_account = "web",
     .gprs_password = "web"},
    {.name = "Vodafone(Prepay)",
     .mms_url = "http://mms.vodafone.co.uk/servlets/mms",
     .mms_gateway = "212.183.137.12",
     .mms_port = "8799",
     .mms_apn = "wap.vodafone.co.uk",
     .mms_account = "wap",
     .mms_password = "wap",
     .gprs_apn = "pp.vodafone.co.uk",
     .gprs_account = "wap",
     .gprs_password = "wap"},
}};

} // namespace Carriers
