#pragma once

#include <QString>

#include <cstddef>

// One operator's MMS and data parameters, as the camera and the working copy
// store them: 264 bytes of zero-terminated, zero-filled 8-bit texts.
#pragma pack(push, 1)
struct OperatorEntry {
    char name[32]{};
    char mms_url[64]{};
    char mms_gateway[16]{};
    char mms_port[8]{};
    char mms_apn[32]{};
    char mms_account[24]{};
    char mms_password[16]{};
    char gprs_apn[32]{};
    char gprs_account[24]{};
    char gprs_password[16]{};

    friend bool operator==(const OperatorEntry &, const OperatorEntry &) = default;
};
#pragma pack(pop)

static_assert(sizeof(OperatorEntry) == 264);
static_assert(offsetof(OperatorEntry, name) == 0);
static_assert(offsetof(OperatorEntry, mms_url) == 32);
static_assert(offsetof(OperatorEntry, mms_gateway) == 96);
static_assert(offsetof(OperatorEntry, mms_port) == 112);
static_assert(offsetof(OperatorEntry, mms_apn) == 120);
static_assert(offsetof(OperatorEntry, mms_account) == 152);
static_assert(offsetof(OperatorEntry, mms_password) == 176);
static_assert(offsetof(OperatorEntry, gprs_apn) == 192);
static_assert(offsetof(OperatorEntry, gprs_account) == 224);
static_assert(offsetof(OperatorEntry, gprs_password) == 248);

// The entry named "Auto" with every parameter empty: the record's default.
inline constexpr OperatorEntry AutoEntry{.name = "Auto"};

// The built-in content of a user-editable entry: its name, gateway 0.0.0.0, port 0.
OperatorEntry BlankCustomEntry(const char *name);

QString EntryName(const OperatorEntry &entry);
