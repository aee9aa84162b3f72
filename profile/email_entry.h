#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// One SMTP sender account, 216 bytes, as the camera stores it.
#pragma pack(push, 1)
struct EmailEntry {
    char smtp_server[64]{};
    char smtp_port[6]{};
    std::uint8_t secure_type{}; // 0x40 plus the "Secure Type" index
    std::uint8_t reserved{};
    char account[48]{};
    char password[24]{};
    char email[48]{};
    char email_local_part[24]{};

    friend bool operator==(const EmailEntry &, const EmailEntry &) = default;
};
#pragma pack(pop)

static_assert(sizeof(EmailEntry) == 216);
static_assert(offsetof(EmailEntry, smtp_server) == 0);
static_assert(offsetof(EmailEntry, smtp_port) == 64);
static_assert(offsetof(EmailEntry, secure_type) == 70);
static_assert(offsetof(EmailEntry, reserved) == 71);
static_assert(offsetof(EmailEntry, account) == 72);
static_assert(offsetof(EmailEntry, password) == 120);
static_assert(offsetof(EmailEntry, email) == 144);
static_assert(offsetof(EmailEntry, email_local_part) == 192);

namespace SecureType {
inline constexpr std::uint8_t kBase = 0x40;
inline constexpr std::uint8_t kNone = 0x40;     // "NO"
inline constexpr std::uint8_t kSslTls = 0x41;   // "SSL/TLS"
inline constexpr std::uint8_t kStartTls = 0x42; // "STARTTLS"

inline constexpr int index(std::uint8_t secureType) { return secureType & 0x0F; }
inline constexpr std::uint8_t fromIndex(int index) { return std::uint8_t(kBase | (index & 0xFF)); }
} // namespace SecureType

// The text of an address before its first "@"; empty when it has none.
QString EmailLocalPart(const QString &email);

// Stores the address and the local part built from it.
void StoreSenderAddress(EmailEntry &entry, const QString &email);

// The account of the "Default" provider. Its host is that of "1 & 1"; the
// account itself belongs to an outside holder and is left empty here.
const EmailEntry &DefaultSender();
