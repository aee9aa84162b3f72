#pragma once

#include <cstdio>

// A Windows console shows what the programs print, umlauts included: for the
// object's lifetime the console takes UTF-8, and standard output and error
// pass "\n" through unchanged, so a pipe or file gets the same bytes as on
// Linux. Elsewhere it does nothing.
class Utf8Console
{
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console &) = delete;
    Utf8Console &operator=(const Utf8Console &) = delete;

private:
    [[maybe_unused]] unsigned m_savedCodePage = 0; // Windows only
};

// A Windows GUI program has no standard output of its own: when it was started
// from a console and nothing was redirected, it writes into that console.
// Elsewhere it does nothing.
void AttachParentConsole();
