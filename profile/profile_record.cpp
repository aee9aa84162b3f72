#include "profile/profile_record.h"

#include "profile/version.h"

#include <algorithm>
#include <array>
#include <cstring>

ProfileRecord InitialProfileRecord()
{
    ProfileRecord record{};
    const QByteArray tag = VersionText().toLatin1();
    std::memcpy(record.version_tag, tag.constData(),
                std::min<std::size_t>(tag.size(), sizeof record.version_tag));
    return record;
}

void SetUnlistedDefaults(ProfileRecord &record, std::int32_t currentArea)
{
    const QByteArray mark = VersionMark();
    std::memcpy(record.version_tag, mark.constData(),
                std::min<std::size_t>(mark.size(), sizeof record.version_tag));

    record.area = std::uint8_t(currentArea & 0xFF);
    record.header_value = 1;
    record.reserved_76[0] = 0;
    record.reserved_76[1] = 0;
    record.operator_ = AutoEntry;
    record.sender_email = DefaultSender();
    record.carried_value = 5;
    record.reserved_110 = 0;
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
