#pragma once

#include "profile/profile_record.h"

#include <array>
#include <cstdint>

// The record as the files hold it: each 16-bit word complemented and rotated.
using ProfileImage = std::array<std::uint8_t, kProfileRecordSize>;

std::uint16_t EncodeProfileWord(std::uint16_t plain);
std::uint16_t DecodeProfileWord(std::uint16_t encoded);

// Encodes a copy of the record; the record itself stays plain.
ProfileImage EncodeProfileImage(const ProfileRecord &record);

// Decodes the image in place, word by word.
void DecodeProfileImage(ProfileImage &image);

// The decoded image as a record.
ProfileRecord DecodedRecord(const ProfileImage &image);
