#include "forms/operator_schema.h"

#include "forms/dialog_tips.h"
#include "forms/operator_form.h"
#include "profile/operator_entry.h"

namespace {

SettingRow entryRow(RecordPlace place, OperatorForm::Field field, Tip tip, const char *objectName,
                    SettingKind kind = SettingKind::Text)
{
    SettingRow row;
    row.kind = kind;
    row.places = {std::move(place)};
    row.label = [field] { return OperatorForm::label(field); };
    row.tip = tip;
    row.objectName = QLatin1StringView(objectName);
    return row;
}

#define ENTRY_PLACE(member) TALMERIS_PLACE(OperatorEntry, member)

QList<SettingGroup> operatorGroups()
{
    using F = OperatorForm::Field;
    using namespace DialogTips;
    const SettingKind secret = SettingKind::Secret;
    return {
        {QStringLiteral("mms"), &OperatorForm::mmsTitle,
         {entryRow(ENTRY_PLACE(mms_url), F::Url, mmsUrl, "urlEdit"),
          entryRow(ENTRY_PLACE(mms_gateway), F::Gateway, mmsGateway, ""),
          entryRow(ENTRY_PLACE(mms_apn), F::MmsApn, mmsApn, "mmsApnEdit"),
          entryRow(ENTRY_PLACE(mms_port), F::MmsPort, mmsPort, "mmsPortEdit"),
          entryRow(ENTRY_PLACE(mms_account), F::MmsAccount, operatorLogin, "mmsAccountEdit"),
          entryRow(ENTRY_PLACE(mms_password), F::MmsPassword, operatorLogin, "mmsPasswordEdit", secret)}},
        {QStringLiteral("gprs"), &OperatorForm::gprsTitle,
         {entryRow(ENTRY_PLACE(gprs_apn), F::GprsApn, gprsApn, "gprsApnEdit"),
          entryRow(ENTRY_PLACE(gprs_account), F::GprsAccount, operatorLogin, "gprsAccountEdit"),
          entryRow(ENTRY_PLACE(gprs_password), F::GprsPassword, operatorLogin, "gprsPasswordEdit", secret)}},
    };
}

} // namespace

const SettingRow &OperatorNameRow()
{
    static const SettingRow row = [] {
        SettingRow made;
        made.kind = SettingKind::Text;
        made.places = {ENTRY_PLACE(name)};
        made.label = [] { return QStringLiteral("Name"); };
        return made;
    }();
    return row;
}

#undef ENTRY_PLACE

const QList<SettingGroup> &OperatorGroups()
{
    static const QList<SettingGroup> groups = operatorGroups();
    return groups;
}
