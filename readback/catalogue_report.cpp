#include "readback/catalogue_report.h"

#include "settings/operator_schema.h"
#include "presets/operator_catalogue.h"
#include "profile/record_text.h"

#include <QJsonArray>

#include <algorithm>

namespace {

QString shownParameter(const SettingRow &row, const OperatorEntry &entry, const ReportOptions &options)
{
    const QString value = LoadRecordText(EntryField(entry, row.place()));
    if (!value.isEmpty() && row.kind == SettingKind::Secret && !options.showPasswords)
        return QString(kMaskedPassword);
    return value;
}

// Calls `visit` with each country row's name and its carriers. "Auto" has no
// parameters (the camera finds its own), and the row "Customer" holds the
// user's entries, not built-in ones.
template <typename Visit>
void forEachCountry(Visit visit)
{
    CustomOperators custom = CustomOperators::BuiltIn();
    const OperatorCatalogue catalogue(custom);
    for (int row = 0; row < catalogue.countryCount(); ++row) {
        if (row == OperatorCatalogue::kAutoRow || row == OperatorCatalogue::kCustomerRow)
            continue;
        QList<const OperatorEntry *> entries;
        for (int index = 0; index < catalogue.operatorCount(row); ++index)
            entries.append(&catalogue.operatorEntry(row, index));
        visit(catalogue.countryName(row), entries);
    }
}

} // namespace

QString CatalogueText(const ReportOptions &options)
{
    // In the order of the operator dialog: the MMS group, then the GPRS group.
    qsizetype width = 0;
    for (const SettingGroup &group : OperatorGroups())
        for (const SettingRow &row : group.rows)
            width = std::max(width, row.label().size());

    QString out;
    forEachCountry([&](const QString &country, const QList<const OperatorEntry *> &entries) {
        out += country + QLatin1Char('\n');
        for (const OperatorEntry *entry : entries) {
            out += QStringLiteral("  ") + EntryName(*entry) + QLatin1Char('\n');
            for (const SettingGroup &group : OperatorGroups()) {
                out += QStringLiteral("    ") + group.title() + QLatin1Char('\n');
                for (const SettingRow &row : group.rows) {
                    const QString value = shownParameter(row, *entry, options);
                    out += QStringLiteral("      ") + (row.label() + QLatin1Char(':')).leftJustified(width + 2)
                           + (value.isEmpty() ? QString(kEmptyValue) : value) + QLatin1Char('\n');
                }
            }
        }
    });
    return out;
}

QJsonObject CatalogueJson(const ReportOptions &options)
{
    QJsonArray countries;
    forEachCountry([&](const QString &country, const QList<const OperatorEntry *> &entries) {
        QJsonArray operators;
        for (const OperatorEntry *entry : entries) {
            QJsonObject object{{QStringLiteral("name"), EntryName(*entry)}};
            for (const SettingGroup &group : OperatorGroups())
                for (const SettingRow &row : group.rows)
                    object.insert(row.key(), shownParameter(row, *entry, options));
            operators.append(object);
        }
        countries.append(QJsonObject{{QStringLiteral("name"), country}, {QStringLiteral("operators"), operators}});
    });
    return QJsonObject{{QStringLiteral("countries"), countries}};
}
