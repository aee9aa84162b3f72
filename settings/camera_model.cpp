#include "settings/camera_model.h"

#include "settings/camera_schema.h"
#include "settings/clock.h"
#include "settings/work_time_schema.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// Item positions the rules test.
constexpr int kPhotoMode = 0;
constexpr int kVideoMode = 1;
constexpr int kPirTrigger = 0;
constexpr int kTimeLapseTrigger = 1;
constexpr int kSwitchOn = 1;
// "Video Length" items above this one drain the flash battery at night.
constexpr int kLongestFrugalVideoLength = 3; // "20 Sec"

constexpr int kEveryDay = 0x7F;
constexpr int kAllBox = 0x80;

// A setting as the model holds it: its full key, its row, where its layout lies in the record.
struct CameraSetting {
    QString key;
    const SettingRow *row;
    std::size_t offset;
};

const QList<CameraSetting> &cameraSettings()
{
    static const QList<CameraSetting> settings = [] {
        QList<CameraSetting> made;
        for (const SettingGroup &group : CameraGroups())
            for (const SettingRow &row : group.rows)
                made.append({row.key(), &row, 0});
        for (qsizetype window = 0; window < WorkTimeGroups().size(); ++window) {
            const RecordPlace place = WorkTimePlace(int(window));
            for (const SettingRow &row : WorkTimeGroups().at(window).rows)
                made.append({place.key + QLatin1Char('.') + row.key(), &row, place.offset});
        }
        return made;
    }();
    return settings;
}

// "work_time_2." for every key of the second window, empty for the camera's own.
QString windowOf(const QString &key)
{
    return key.left(key.indexOf(u'.') + 1);
}

int listPosition(int stored, int count)
{
    return stored < count ? stored : -1;
}

Message cameraNote(const char *caption, const char *text)
{
    return {QCoreApplication::translate("Messages", caption), QCoreApplication::translate("Messages", text),
            Message::Icon::Warning};
}

SettingFault workTimeFault(const QString &key, const QString &text)
{
    return {key, {QCoreApplication::translate("Messages", "Work Time Setting"), text, Message::Icon::None}};
}

// The boxes after one was checked or cleared; clearing "ALL" itself leaves the days alone.
int followedBoxes(int before, int after)
{
    const int toggled = before ^ after;
    if (toggled == 0 || (toggled & (toggled - 1)) != 0)
        return after;
    const bool checked = (after & toggled) != 0;
    if (!checked)
        after &= ~kAllBox;
    if (after & kAllBox)
        after |= kEveryDay;
    if (checked && toggled != kAllBox && (after & kEveryDay) == kEveryDay)
        after |= kAllBox;
    return after;
}

} // namespace

CameraModel::CameraModel(ProfileRecord &record)
    : m_record(record)
{
}

void CameraModel::load()
{
    for (const CameraSetting &setting : cameraSettings()) {
        const SettingRow &row = *setting.row;
        const char *layout = reinterpret_cast<const char *>(&m_record) + setting.offset;
        const int stored = row.place().read(layout);
        switch (row.kind) {
        case SettingKind::Time:
            m_values[setting.key] =
                QVariantList{listPosition(stored, kHourCount), listPosition(row.places[1].read(layout), kMinuteCount)};
            break;
        case SettingKind::Days:
            m_values[setting.key] = (stored & kEveryDay) | ((stored & kEveryDay) == kEveryDay ? kAllBox : 0);
            break;
        default: m_values[setting.key] = listPosition(stored, row.itemCount());
        }
    }
}

QVariant CameraModel::value(const QString &key) const
{
    return m_values.value(key);
}

std::optional<SettingFault> CameraModel::set(const QString &key, const QVariant &value)
{
    const auto at = m_values.find(key);
    if (at == m_values.end() || *at == value)
        return std::nullopt;
    m_before = {key, std::exchange(*at, value)};
    return std::nullopt;
}

std::optional<SettingFault> CameraModel::changed(const QString &key)
{
    const int index = number(key);
    if (key.endsWith(QLatin1StringView(".week_mask")) && m_before.first == key)
        m_values[key] = followedBoxes(m_before.second.toInt(), index);
    if (key == QLatin1StringView("video_length") && index > kLongestFrugalVideoLength)
        return SettingFault{{}, cameraNote(QT_TRANSLATE_NOOP("Messages", "Video Length Setting"),
                                           QT_TRANSLATE_NOOP("Messages", "For saving flash power at night,it's suggested to set video length within 20s."))};
    // A single photo leaves the send choice alone: it is disabled then.
    if (key == QLatin1StringView("photo_burst") && index > 0 && index < number(QStringLiteral("send_option")))
        return correctSendOption();
    if (key == QLatin1StringView("send_option") && index > number(QStringLiteral("photo_burst")))
        return correctSendOption();
    return std::nullopt;
}

std::optional<SettingFault> CameraModel::correctSendOption()
{
    m_values[QStringLiteral("send_option")] = number(QStringLiteral("photo_burst"));
    return SettingFault{{}, cameraNote(QT_TRANSLATE_NOOP("Messages", "Send Option Setting"),
                                       QT_TRANSLATE_NOOP("Messages", "Please Setting This Send Option <= Photo Burst."))};
}

ControlState CameraModel::state(const QString &key) const
{
    const int mode = number(QStringLiteral("camera_mode"));
    const int trigger = number(QStringLiteral("trigger_mode"));
    const auto among = [&key](std::initializer_list<const char *> keys) {
        return std::ranges::any_of(keys, [&key](const char *one) { return key == QLatin1StringView(one); });
    };
    bool enabled = true;
    if (const QString window = windowOf(key); !window.isEmpty()) {
        const QString onOff = window + QLatin1StringView("switch");
        enabled = key == onOff || number(onOff) == kSwitchOn;
    } else if (among({"camera_scene", "photo_size", "flash_power", "photo_burst", "shutter_speed"}))
        enabled = mode == kPhotoMode;
    else if (among({"video_size", "video_length"}))
        enabled = mode == kVideoMode;
    else if (among({"send_option", "burst_speed"}))
        enabled = mode == kPhotoMode && number(QStringLiteral("photo_burst")) > 0;
    else if (among({"pir_sensitivity", "pir_interval"}))
        enabled = trigger != kTimeLapseTrigger;
    else if (key == QLatin1StringView("time_lapse"))
        enabled = trigger != kPirTrigger;
    return {enabled, std::nullopt};
}

QString CameraModel::enabler(const QString &key) const
{
    const QString window = windowOf(key);
    return window.isEmpty() ? QString() : window + QLatin1StringView("switch");
}

std::optional<SettingFault> CameraModel::check() const
{
    for (qsizetype at = 0; at < WorkTimeGroups().size(); ++at) {
        const QString window = WorkTimePlace(int(at)).key + QLatin1Char('.');
        if (number(window + QLatin1StringView("switch")) == 0)
            continue;
        const QVariantList start = value(window + QLatin1StringView("start_hour")).toList();
        const QVariantList stop = value(window + QLatin1StringView("stop_hour")).toList();
        const QVariantList times = start + stop;
        const bool allDay = std::ranges::all_of(times, [](const QVariant &half) { return half.toInt() == 0; });
        // A window that runs must have whole times: 255 is no hour to the camera.
        const bool timeMissing = std::ranges::any_of(times, [](const QVariant &half) { return half.toInt() < 0; });
        if ((start == stop && !allDay) || timeMissing)
            return workTimeFault(window + QLatin1StringView("start_hour"), QCoreApplication::translate(
                                     "Messages", "Please check Work Time Start and Stop point."));
        if (number(window + QLatin1StringView("week_mask")) == 0)
            return workTimeFault(window + QLatin1StringView("week_mask"),
                                 QCoreApplication::translate("Messages", "Please check Work Time Week CheckBox."));
    }
    return std::nullopt;
}

std::optional<SettingFault> CameraModel::store()
{
    // The low byte of -1 (no selection) is 255.
    const auto storeAll = [this](bool afterChecks) {
        for (const CameraSetting &setting : cameraSettings()) {
            const SettingRow &row = *setting.row;
            if (row.afterChecks != afterChecks)
                continue;
            char *layout = reinterpret_cast<char *>(&m_record) + setting.offset;
            const QVariant &value = m_values[setting.key];
            switch (row.kind) {
            case SettingKind::Time:
                for (qsizetype half = 0; half < row.places.size(); ++half)
                    row.places[half].write(layout, value.toList().value(half).toInt());
                break;
            case SettingKind::Days:
                // Bit 7 repeats the switch.
                row.place().write(layout, (value.toInt() & kEveryDay) |
                                              ((number(windowOf(setting.key) + QLatin1StringView("switch")) & 1) << 7));
                break;
            default: row.place().write(layout, value.toInt());
            }
        }
    };
    storeAll(false);
    if (std::optional<SettingFault> fault = check())
        return fault;
    storeAll(true);
    return std::nullopt;
}

void CameraModel::reset()
{
    for (const CameraSetting &setting : cameraSettings()) {
        const int value = setting.row->defaultValue;
        m_values[setting.key] = setting.row->kind == SettingKind::Time ? QVariant(QVariantList{value, value}) : value;
    }
}
