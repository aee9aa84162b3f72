#include "settings/operator_schema.h"

namespace {

SettingRow operatorRow(RecordPlace place, const char *label, const char *tip, const char *objectName,
                    SettingKind kind = SettingKind::Text)
{
    SettingRow row;
    row.kind = kind;
    row.label = Translated("OperatorItems", label);
    row.tip = {"OperatorTips", tip};
    row.objectName = QLatin1StringView(objectName);
    // The text and its end mark fill the field.
    row.typing = {TypedTextRule::Characters::CodePage, int(place.width) - 1};
    row.places = {std::move(place)};
    return row;
}

#define ENTRY_PLACE(member) TALMERIS_PLACE(OperatorEntry, member)

QList<SettingGroup> operatorGroups()
{
    const SettingKind secret = SettingKind::Secret;
    const char *apn = QT_TRANSLATE_NOOP("OperatorItems", "APN");
    const char *account = QT_TRANSLATE_NOOP("OperatorItems", "Account");
    const char *password = QT_TRANSLATE_NOOP("OperatorItems", "Password");
    const char *login = QT_TRANSLATE_NOOP("OperatorTips", "Leave empty unless your operator gives one.");
    return {
        {QStringLiteral("mms"), Translated("OperatorItems", QT_TRANSLATE_NOOP("OperatorItems", "MMS")),
         {operatorRow(ENTRY_PLACE(mms_url), QT_TRANSLATE_NOOP("OperatorItems", "URL"),
                   QT_TRANSLATE_NOOP("OperatorTips",
                                     "The address of your operator's MMS centre (MMSC), as your operator gives it."),
                   "urlEdit"),
          operatorRow(ENTRY_PLACE(mms_gateway), QT_TRANSLATE_NOOP("OperatorItems", "Gateway"),
                   QT_TRANSLATE_NOOP("OperatorTips",
                                     "The MMS proxy (gateway) address your operator gives, four numbers."),
                   "gatewayEdit", SettingKind::Address),
          operatorRow(ENTRY_PLACE(mms_apn), apn,
                   QT_TRANSLATE_NOOP("OperatorTips", "The access point name (APN) your operator gives for MMS."),
                   "mmsApnEdit"),
          operatorRow(ENTRY_PLACE(mms_port), QT_TRANSLATE_NOOP("OperatorItems", "Port"),
                   QT_TRANSLATE_NOOP("OperatorTips", "The MMS proxy's port, as your operator gives it."),
                   "mmsPortEdit"),
          operatorRow(ENTRY_PLACE(mms_account), account, login, "mmsAccountEdit"),
          operatorRow(ENTRY_PLACE(mms_password), password, login, "mmsPasswordEdit", secret)}},
        {QStringLiteral("gprs"), Translated("OperatorItems", QT_TRANSLATE_NOOP("OperatorItems", "GPRS")),
         {operatorRow(ENTRY_PLACE(gprs_apn), apn,
                   QT_TRANSLATE_NOOP("OperatorTips", "The access point name (APN) your operator gives for mobile "
                                                     "internet, which e-mail uses."),
                   "gprsApnEdit"),
          operatorRow(ENTRY_PLACE(gprs_account), account, login, "gprsAccountEdit"),
          operatorRow(ENTRY_PLACE(gprs_password), password, login, "gprsPasswordEdit", secret)}},
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

std::span<const char> EntryField(const OperatorEntry &entry, const RecordPlace &place)
{
    return {reinterpret_cast<const char *>(&entry) + place.offset, place.width};
}

std::span<char> EntryField(OperatorEntry &entry, const RecordPlace &place)
{
    return {reinterpret_cast<char *>(&entry) + place.offset, place.width};
}
