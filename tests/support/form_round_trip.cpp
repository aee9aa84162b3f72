#include "support/form_round_trip.h"

#include "settings/camera_model.h"
#include "settings/operator_model.h"
#include "settings/page_model.h"
#include "settings/page_schema.h"
#include "settings/sender_model.h"

void ReadAsShown(PageModel &page)
{
    for (const SettingGroup &group : PageGroups()) {
        for (const SettingRow &row : group.rows) {
            const QVariant value = page.value(row.key());
            if (row.isText() || row.kind == SettingKind::Number) {
                page.set(row.key(), value);
                continue;
            }
            const QStringList items = page.items(row.key());
            const qsizetype count = !items.isEmpty()                    ? items.size()
                                    : row.kind == SettingKind::TwoDigits ? row.count
                                                                         : row.itemCount();
            const int index = value.toInt();
            page.set(row.key(), index >= 0 && index < count ? index : -1);
        }
    }
}

std::optional<SettingFault> StoreThroughForms(ProfileSession &session, bool openedCard)
{
    PageModel page(session);
    if (openedCard)
        page.operators().takeCardOperator();
    page.load();

    CameraModel camera(session.record);
    camera.load();
    camera.store();

    SenderModel sender(session.record, session.presets);
    sender.load();
    sender.store();

    OperatorModel operatorForm(session.record.operator_);
    operatorForm.load();
    operatorForm.store();

    ReadAsShown(page);
    return page.store();
}

std::optional<SettingFault> StoreCorrectedPage(ProfileSession &session)
{
    const PageKeys &keys = PageKey();
    PageModel page(session);
    page.load();
    ReadAsShown(page);
    page.set(keys.instantNumber, QStringLiteral("99"));
    for (const QString &key : keys.phones + keys.emails)
        page.set(key, QString());
    page.set(keys.smsSwitch, 0);
    page.set(keys.smsStart, 0);
    page.set(keys.smsStop, 0);
    page.set(keys.sendTo, 1);
    page.set(keys.emails.first(), QStringLiteral("jane@example.org"));
    page.set(keys.rename, 0);
    page.set(keys.renameText, QString());
    return page.store();
}
