#pragma once

#include <QByteArray>

// The files' word encoding written out once more, apart from the code under
// test, so that byte checks do not trust what they check.
QByteArray encodeWords(const QByteArray &plain);
QByteArray decodeWords(const QByteArray &encoded);

// PROFILE.BIN decoded and put back at its record offsets (bytes 0..19 zero).
QByteArray recordFromProfileFile(const QByteArray &profile);
