#pragma once

#include "settings/window_model.h"
#include "profile/profile_record.h"

#include <QHash>

#include <utility>

// The camera dialog without its widgets: the camera's settings and its
// work-time windows by full key ("photo_burst", "work_time_2.start_hour"), the
// enabling rules, the notes a choice gives, the windows' checks, OK and Default.
// A window's days are its boxes: bits 0..6 Sunday to Saturday, bit 7 "ALL".
class CameraModel : public WindowModel
{
public:
    explicit CameraModel(ProfileRecord &record);

    // A byte beyond its list is no selection.
    void load() override;
    QVariant value(const QString &key) const override;
    std::optional<SettingFault> set(const QString &key, const QVariant &value) override;
    // A choice may give a note, after which the values may hold a correction;
    // a day box checked or cleared checks or clears "ALL" or the days with it.
    std::optional<SettingFault> changed(const QString &key) override;
    ControlState state(const QString &key) const override;
    // A window's switch enables the rest of it.
    QString enabler(const QString &key) const override;
    // The windows' checks, first window first; the fault names its start or its days.
    std::optional<SettingFault> check() const override;
    // On a failing check, the settings stored before the checks stay stored.
    std::optional<SettingFault> store() override;
    // The Default button's values; the record is not touched.
    void reset();

private:
    int number(const QString &key) const { return m_values.value(key).toInt(); }
    std::optional<SettingFault> correctSendOption();

    ProfileRecord &m_record;
    QHash<QString, QVariant> m_values;
    // The last value replaced: which day box changed follows from it.
    std::pair<QString, QVariant> m_before;
};
