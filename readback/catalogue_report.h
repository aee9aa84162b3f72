#pragma once

#include "readback/report.h"

#include <QJsonObject>
#include <QString>

// The built-in operator catalogue as `talmeris-profile carriers` prints it:
// every country but "Auto" and "Customer", its carriers and all their
// parameters.
QString CatalogueText(const ReportOptions &options);

// {"countries": [{"name", "operators": [{"name", "mms_url", ...}]}]}, keyed
// by the entry's field names; passwords follow the same rule as the text.
QJsonObject CatalogueJson(const ReportOptions &options);
