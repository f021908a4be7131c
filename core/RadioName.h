#pragma once

#include <QString>

struct TALL;

// The six-character radio name in settings bytes 16..21, one name character code
// per byte. Codes without a character read as spaces.
QString RadioNameText(const TALL& all);

// Writes the first six characters of text, padded with spaces; a character without
// a code is written as a space.
void StoreRadioName(TALL& all, const QString& text);
