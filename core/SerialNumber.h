#pragma once

#include <QString>

struct TALL;

// The radio's serial number at 0x8F0..0x8FF: 16 single-byte characters, padded with
// spaces. Only letters and digits are shown; every other byte shows as a space.
QString SerialNumberText(const TALL& all);

// Writes the first 16 characters of text as they are, padded with spaces. A character
// outside the single-byte range is written as "?".
void StoreSerialNumber(TALL& all, const QString& text);
