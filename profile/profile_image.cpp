#include "profile/profile_image.h"

#include <bit>
#include <cstring>

std::uint16_t EncodeProfileWord(std::uint16_t plain)
{
    return std::uint16_t(0xFFFF - std::rotl(plain, 4));
}

std::uint16_t DecodeProfileWord(std::uint16_t encoded)
{
    return std::rotr(std::uint16_t(0xFFFF - encoded), 4);
}

namespace {

template <typename Transform>
void transformWords(ProfileImage &image, Transform transform)
{
    for (std::size_t i = 0; i < image.size(); i += 2) {
        const auto word = std::uint16_t(image[i] | (image[i + 1] << 8));
        const std::uint16_t result = transform(word);
        image[i] = std::uint8_t(result & 0xFF);
        image[i + 1] = std::uint8_t(result >> 8);
    }
}

} // namespace

ProfileImage EncodeProfileImage(const ProfileRecord &record)
{
    ProfileImage image;
    std::memcpy(image.data(), &record, image.size());
    transformWords(image, EncodeProfileWord);
    return image;
}

void DecodeProfileImage(ProfileImage &image)
{
    transformWords(image, DecodeProfileWord);
}

ProfileRecord DecodedRecord(const ProfileImage &image)
{
    ProfileImage plain = image;
    DecodeProfileImage(plain);
    ProfileRecord record;
    std::memcpy(&record, plain.data(), plain.size());
    return record;
}
