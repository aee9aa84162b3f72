#include "readback/catalogue_report.h"

#include "forms/operator_form.h"
#include "presets/operator_catalogue.h"
#include "profile/record_text.h"

#include <QJsonArray>

#include <algorithm>
#include <array>

namespace {

using OperatorField = OperatorForm::Field;

struct Parameter {
    const char *key;
    OperatorField field;
    QString (*value)(const OperatorEntry &);
};

// In the order of the operator dialog: the MMS group, then the GPRS group.
constexpr std::array<Parameter, 9> kParameters = {{
    {"mms_url", OperatorField::Url, [](const OperatorEntry &e) { return LoadRecordText(e.mms_url); }},
    {"mms_gateway", OperatorField::Gateway, [](const OperatorEntry &e) { return LoadRecordText(e.mms_gateway); }},
    {"mms_apn", OperatorField::MmsApn, [](const OperatorEntry &e) { return LoadRecordText(e.mms_apn); }},
    {"mms_port", OperatorField::MmsPort, [](const OperatorEntry &e) { return LoadRecordText(e.mms_port); }},
    {"mms_account", OperatorField::MmsAccount, [](const OperatorEntry &e) { return LoadRecordText(e.mms_account); }},
    {"mms_password", OperatorField::MmsPassword, [](const OperatorEntry &e) { return LoadRecordText(e.mms_password); }},
    {"gprs_apn", OperatorField::GprsApn, [](const OperatorEntry &e) { return LoadRecordText(e.gprs_apn); }},
    {"gprs_account", OperatorField::GprsAccount, [](const OperatorEntry &e) { return LoadRecordText(e.gprs_account); }},
    {"gprs_password", OperatorField::GprsPassword, [](const OperatorEntry &e) { return LoadRecordText(e.gprs_password); }},
}};
constexpr std::size_t kFirstGprsParameter = 6;

bool isPassword(OperatorField field)
{
    return field == OperatorField::MmsPassword || field == OperatorField::GprsPassword;
}

QString shown(const Parameter &parameter, const OperatorEntry &entry, const ReportOptions &options)
{
    const QString value = parameter.value(entry);
    if (!value.isEmpty() && isPassword(parameter.field) && !options.showPasswords)
        return MaskedPasswordText();
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
    qsizetype width = 0;
    for (const Parameter &parameter : kParameters)
        width = std::max(width, OperatorForm::label(parameter.field).size());

    QString out;
    forEachCountry([&](const QString &country, const QList<const OperatorEntry *> &entries) {
        out += country + QLatin1Char('\n');
        for (const OperatorEntry *entry : entries) {
            out += QStringLiteral("  ") + EntryName(*entry) + QLatin1Char('\n');
            for (std::size_t i = 0; i < kParameters.size(); ++i) {
                if (i == 0 || i == kFirstGprsParameter)
                    out += QStringLiteral("    ") + (i == 0 ? OperatorForm::mmsTitle() : OperatorForm::gprsTitle())
                           + QLatin1Char('\n');
                const QString value = shown(kParameters[i], *entry, options);
                out += QStringLiteral("      ")
                       + (OperatorForm::label(kParameters[i].field) + QLatin1Char(':')).leftJustified(width + 2)
                       + (value.isEmpty() ? EmptyValueText() : value) + QLatin1Char('\n');
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
            for (const Parameter &parameter : kParameters)
                object.insert(QLatin1String(parameter.key), shown(parameter, *entry, options));
            operators.append(object);
        }
        countries.append(QJsonObject{{QStringLiteral("name"), country}, {QStringLiteral("operators"), operators}});
    });
    return QJsonObject{{QStringLiteral("countries"), countries}};
}
