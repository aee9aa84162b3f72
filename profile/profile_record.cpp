#include "profile/profile_record.h"

#include "profile/version.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr WorkTimeWindow kWindowOff{.switch_ = 0, .start_hour = 0, .start_minute = 0,
                                    .stop_hour = 0, .stop_minute = 0, .week_mask = 0xFF};

} // namespace

ProfileRecord InitialProfileRecord()
{
    ProfileRecord record{};
    const QByteArray tag = VersionText().toLatin1();
    std::memcpy(record.version_tag, tag.constData(),
                std::min<std::size_t>(tag.size(), sizeof record.version_tag));
    return record;
}

void SetProfileDefaults(ProfileRecord &record, std::int32_t currentArea)
{
    const QByteArray mark = VersionMark();
    std::memcpy(record.version_tag, mark.constData(),
                std::min<std::size_t>(mark.size(), sizeof record.version_tag));

    record.area = std::uint8_t(currentArea & 0xFF);
    record.beep = 0;
    record.gps = 0;
    record.header_value = 1;

    record.camera_mode = 0;
    record.camera_scene = 0;
    record.photo_size = 2;
    record.photo_burst = 0;
    record.flash_power = 1;
    record.video_size = 1;
    record.video_length = 1;
    record.trigger_mode = 0;
    record.pir_sensitivity = 1;
    record.pir_interval = 5;
    record.time_lapse = 7;
    record.work_time_1 = kWindowOff;
    record.work_time_2 = kWindowOff;
    record.work_time_3 = kWindowOff;
    record.work_time_4 = kWindowOff;
    record.language = 0;
    record.rf_switch = 0;
    record.overwrite = 1;

    record.daily_report_minute = 0;
    record.daily_report_hour = 0;
    record.instant_number = 99;
    record.send_mode = 1;
    record.reserved_76[0] = 0;
    record.reserved_76[1] = 0;
    record.send_to = 1;
    record.operator_index = 0;
    record.country_index = 0;

    record.operator_ = AutoEntry;
    record.sender_email = DefaultSender();

    record.email_size = 1;
    record.rename = 0;
    std::fill(std::begin(record.rename_text), std::end(record.rename_text), '\0');
    record.sms_switch = 0;
    record.carried_value = 5;
    record.reserved_110 = 0;
    record.select_email = 0;

    for (int i = 0; i < kRecipientCount; ++i) {
        std::ranges::fill(PhoneNumberField(record, i), '\0');
        std::ranges::fill(ReceiveEmailField(record, i), '\0');
    }
}

namespace {

constexpr std::array kPhoneFields = {&ProfileRecord::phone_number_1, &ProfileRecord::phone_number_2,
                                     &ProfileRecord::phone_number_3, &ProfileRecord::phone_number_4};
constexpr std::array kEmailFields = {&ProfileRecord::receive_email_1, &ProfileRecord::receive_email_2,
                                     &ProfileRecord::receive_email_3, &ProfileRecord::receive_email_4};

// Any index but 0..2 names the last recipient.
std::size_t slot(int index)
{
    return std::size_t(index >= 0 && index < kRecipientCount ? index : kRecipientCount - 1);
}

} // namespace

std::span<char, 48> PhoneNumberField(ProfileRecord &record, int index)
{
    return record.*kPhoneFields[slot(index)];
}

std::span<char, 48> ReceiveEmailField(ProfileRecord &record, int index)
{
    return record.*kEmailFields[slot(index)];
}

std::span<const char, 48> PhoneNumberField(const ProfileRecord &record, int index)
{
    return record.*kPhoneFields[slot(index)];
}

std::span<const char, 48> ReceiveEmailField(const ProfileRecord &record, int index)
{
    return record.*kEmailFields[slot(index)];
}

std::span<std::uint8_t, kProfileRecordSize> RecordBytes(ProfileRecord &record)
{
    return std::span<std::uint8_t, kProfileRecordSize>(reinterpret_cast<std::uint8_t *>(&record),
                                                       kProfileRecordSize);
}

std::span<const std::uint8_t, kProfileRecordSize> RecordBytes(const ProfileRecord &record)
{
    return std::span<const std::uint8_t, kProfileRecordSize>(
        reinterpret_cast<const std::uint8_t *>(&record), kProfileRecordSize);
}
