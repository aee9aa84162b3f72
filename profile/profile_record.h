#pragma once

#include "profile/email_entry.h"
#include "profile/operator_entry.h"
#include "profile/work_time_window.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

static_assert(std::endian::native == std::endian::little,
              "the record's numbers are stored in host order and must be little-endian");

// The tool's one settings record: every byte is where the camera expects it.
#pragma pack(push, 1)
struct ProfileRecord {
    char version_tag[16]{};
    std::uint16_t header_value{};
    std::uint8_t reserved_18[2]{};

    // Camera block (bytes 20..71 reach the camera from here on).
    std::uint8_t camera_mode{};
    std::uint8_t camera_scene{};
    std::uint8_t photo_size{};
    std::uint8_t photo_burst{};
    std::uint8_t flash_power{};
    std::uint8_t video_size{};
    std::uint8_t video_length{};
    std::uint8_t trigger_mode{};
    std::uint8_t pir_sensitivity{};
    std::uint8_t pir_interval{};
    std::uint8_t time_lapse{};
    WorkTimeWindow work_time_1{};
    WorkTimeWindow work_time_2{};
    WorkTimeWindow work_time_3{};
    WorkTimeWindow work_time_4{};
    std::uint8_t language{};
    std::uint8_t rf_switch{};
    std::uint8_t overwrite{};
    std::uint8_t beep{};
    std::uint8_t area{};
    std::uint8_t reserved_60[8]{};
    std::uint8_t gps{};
    std::uint8_t shutter_speed{};
    std::uint8_t burst_speed{};
    std::uint8_t send_option{};

    // Sending block, edited by the settings page.
    std::uint8_t daily_report_minute{};
    std::uint8_t daily_report_hour{};
    std::uint8_t instant_number{};
    std::uint8_t send_mode{};
    std::uint8_t reserved_76[2]{};
    std::uint16_t send_to{};
    std::uint8_t operator_index{};
    std::uint8_t country_index{};
    std::uint16_t email_size{};
    std::uint16_t rename{};
    std::uint16_t sms_switch{};
    std::uint8_t sms_stop_hour{};
    std::uint8_t sms_start_hour{};
    char rename_text[16]{};
    std::uint32_t carried_value{};
    std::uint8_t reserved_110{};
    std::uint8_t select_email{};
    OperatorEntry operator_{}; // the record's `operator`
    EmailEntry sender_email{};
    char phone_number_1[48]{};
    char phone_number_2[48]{};
    char phone_number_3[48]{};
    char phone_number_4[48]{};
    char receive_email_1[48]{};
    char receive_email_2[48]{};
    char receive_email_3[48]{};
    char receive_email_4[48]{};

    friend bool operator==(const ProfileRecord &, const ProfileRecord &) = default;
};
#pragma pack(pop)

inline constexpr std::size_t kProfileRecordSize = 976;
// PROFILE.BIN starts here: the bytes before it stay in memory and in the working copy.
inline constexpr std::size_t kCameraPartOffset = 20;

static_assert(sizeof(ProfileRecord) == kProfileRecordSize);
static_assert(offsetof(ProfileRecord, version_tag) == 0);
static_assert(offsetof(ProfileRecord, header_value) == 16);
static_assert(offsetof(ProfileRecord, reserved_18) == 18);
static_assert(offsetof(ProfileRecord, camera_mode) == kCameraPartOffset);
static_assert(offsetof(ProfileRecord, camera_scene) == 21);
static_assert(offsetof(ProfileRecord, photo_size) == 22);
static_assert(offsetof(ProfileRecord, photo_burst) == 23);
static_assert(offsetof(ProfileRecord, flash_power) == 24);
static_assert(offsetof(ProfileRecord, video_size) == 25);
static_assert(offsetof(ProfileRecord, video_length) == 26);
static_assert(offsetof(ProfileRecord, trigger_mode) == 27);
static_assert(offsetof(ProfileRecord, pir_sensitivity) == 28);
static_assert(offsetof(ProfileRecord, pir_interval) == 29);
static_assert(offsetof(ProfileRecord, time_lapse) == 30);
static_assert(offsetof(ProfileRecord, work_time_1) == 31);
static_assert(offsetof(ProfileRecord, work_time_2) == 37);
static_assert(offsetof(ProfileRecord, work_time_3) == 43);
static_assert(offsetof(ProfileRecord, work_time_4) == 49);
static_assert(offsetof(ProfileRecord, language) == 55);
static_assert(offsetof(ProfileRecord, rf_switch) == 56);
static_assert(offsetof(ProfileRecord, overwrite) == 57);
static_assert(offsetof(ProfileRecord, beep) == 58);
static_assert(offsetof(ProfileRecord, area) == 59);
static_assert(offsetof(ProfileRecord, reserved_60) == 60);
static_assert(offsetof(ProfileRecord, gps) == 68);
static_assert(offsetof(ProfileRecord, shutter_speed) == 69);
static_assert(offsetof(ProfileRecord, burst_speed) == 70);
static_assert(offsetof(ProfileRecord, send_option) == 71);
static_assert(offsetof(ProfileRecord, daily_report_minute) == 72);
static_assert(offsetof(ProfileRecord, daily_report_hour) == 73);
static_assert(offsetof(ProfileRecord, instant_number) == 74);
static_assert(offsetof(ProfileRecord, send_mode) == 75);
static_assert(offsetof(ProfileRecord, reserved_76) == 76);
static_assert(offsetof(ProfileRecord, send_to) == 78);
static_assert(offsetof(ProfileRecord, operator_index) == 80);
static_assert(offsetof(ProfileRecord, country_index) == 81);
static_assert(offsetof(ProfileRecord, email_size) == 82);
static_assert(offsetof(ProfileRecord, rename) == 84);
static_assert(offsetof(ProfileRecord, sms_switch) == 86);
static_assert(offsetof(ProfileRecord, sms_stop_hour) == 88);
static_assert(offsetof(ProfileRecord, sms_start_hour) == 89);
static_assert(offsetof(ProfileRecord, rename_text) == 90);
static_assert(offsetof(ProfileRecord, carried_value) == 106);
static_assert(offsetof(ProfileRecord, reserved_110) == 110);
static_assert(offsetof(ProfileRecord, select_email) == 111);
static_assert(offsetof(ProfileRecord, operator_) == 112);
static_assert(offsetof(ProfileRecord, sender_email) == 376);
static_assert(offsetof(ProfileRecord, phone_number_1) == 592);
static_assert(offsetof(ProfileRecord, phone_number_2) == 640);
static_assert(offsetof(ProfileRecord, phone_number_3) == 688);
static_assert(offsetof(ProfileRecord, phone_number_4) == 736);
static_assert(offsetof(ProfileRecord, receive_email_1) == 784);
static_assert(offsetof(ProfileRecord, receive_email_2) == 832);
static_assert(offsetof(ProfileRecord, receive_email_3) == 880);
static_assert(offsetof(ProfileRecord, receive_email_4) == 928);

inline constexpr int kRecipientCount = 4;
// "OK" marks the record it saves with this header value.
inline constexpr std::uint16_t kSavedHeaderValue = 2;

// The record as it stands before anything runs: "V5.02.15", then zeros.
ProfileRecord InitialProfileRecord();

// The defaults of the fields that no setting row names: the version mark, the
// area, the operator and sender entries and the fixed values. `currentArea` is
// the program's area code at the moment of the call.
void SetUnlistedDefaults(ProfileRecord &record, std::int32_t currentArea);

// The recipient slots, index 0..3.
std::span<char, 48> PhoneNumberField(ProfileRecord &record, int index);
std::span<char, 48> ReceiveEmailField(ProfileRecord &record, int index);
std::span<const char, 48> PhoneNumberField(const ProfileRecord &record, int index);
std::span<const char, 48> ReceiveEmailField(const ProfileRecord &record, int index);

// The record's bytes, for the files and for tests that read the layout.
std::span<std::uint8_t, kProfileRecordSize> RecordBytes(ProfileRecord &record);
std::span<const std::uint8_t, kProfileRecordSize> RecordBytes(const ProfileRecord &record);
