#pragma once

#include <QStringList>
#include <QTextStream>

namespace ExitStatus {
inline constexpr int kOk = 0;
inline constexpr int kFound = 1; // diff: the files differ; check: a value out of range, or cannot send
inline constexpr int kBadInput = 2;
} // namespace ExitStatus

// Runs `talmeris-profile` on its arguments, program name first; returns the exit status.
int RunProfileCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
