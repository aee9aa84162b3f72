#pragma once

#include "settings/window_model.h"
#include "profile/operator_entry.h"

#include <QMap>

// The operator dialog without its widgets: the entry's texts by their keys
// ("mms_port"), the port check and the store into the entry.
class OperatorModel : public WindowModel
{
public:
    explicit OperatorModel(OperatorEntry &entry);

    // Unreadable port or gateway texts show as 0 and 0.0.0.0.
    void load() override;
    QVariant value(const QString &key) const override;
    // Takes any text: the check runs on OK and Cancel.
    std::optional<SettingFault> set(const QString &key, const QVariant &value) override;
    // Run by OK and by Cancel alike; the first field in the dialog's order that fails wins.
    std::optional<SettingFault> check() const override;
    // Checks, then rewrites every field after the name. Nothing is written
    // when the check fails.
    std::optional<SettingFault> store() override;

private:
    OperatorEntry &m_entry;
    QMap<QString, QString> m_texts;
};
