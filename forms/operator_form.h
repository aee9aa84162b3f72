#pragma once

#include "forms/ipv4_octets.h"
#include "forms/message.h"
#include "profile/operator_entry.h"

#include <QString>

#include <array>
#include <cstddef>
#include <optional>

// The operator dialog without its widgets: one working value per control,
// the port check and the store into the entry.
class OperatorForm
{
public:
    // The controls in the order their values are read; the first that fails wins.
    enum class Field {
        Url, Gateway, MmsApn, MmsPort, MmsAccount, MmsPassword, GprsApn, GprsAccount, GprsPassword,
    };

    struct Failure {
        Field field;
        Message message;
    };

    // Characters a field takes: the entry's width less the terminating zero.
    // The port box gets the same room as the stored port text.
    static int limit(Field field);

    // The group boxes "MMS" and "GPRS" and each control's label within its group.
    static QString mmsTitle();
    static QString gprsTitle();
    static QString label(Field field);

    static constexpr int kFieldCount = 9;

    // Each field's text, in the order of Field; the port as typed, read as a number by the check.
    // The gateway's stays empty: the address is `gateway`.
    std::array<QString, kFieldCount> texts;
    QString &text(Field field) { return texts[std::size_t(field)]; }
    const QString &text(Field field) const { return texts[std::size_t(field)]; }
    Ipv4Octets gateway{};

    // Unreadable port or gateway texts show as 0 and 0.0.0.0.
    void load(const OperatorEntry &entry);

    // Run by OK and by Cancel alike.
    std::optional<Failure> check() const;

    // Checks, then rewrites every field after the name. Nothing is written
    // when the check fails.
    std::optional<Failure> store(OperatorEntry &entry) const;
};
