#pragma once

#include <QString>

// Number texts always use "." as the decimal separator, whatever the locale.
// QString's own conversions are locale-independent; these helpers keep every
// caller on them.

QString FormatFixed(double value, int decimals);
inline QString FormatMHz(double mhz)
{
    return FormatFixed(mhz, 5);
} // "0.00000"

// Reads a decimal number ("145.5", " 67 "); false for anything else, "," included.
bool TextToNumber(const QString& text, double& value);

// MHz -> count of 10 Hz, rounding halves away from zero.
qint64 MHzToUnits(double mhz);
inline double UnitsToMHz(qint64 units)
{
    return double(units) / 100000.0;
}
