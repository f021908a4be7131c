#include "NumberText.h"

#include <cmath>

QString FormatFixed(double value, int decimals)
{
    // Avoid "-0.00000" for values that round to zero.
    const double scale = std::pow(10.0, decimals);
    if (std::llround(value * scale) == 0) value = 0.0;
    return QString::number(value, 'f', decimals);
}

bool TextToNumber(const QString& text, double& value)
{
    // Through Latin-1 bytes first: many times quicker than QString's own conversion,
    // which a channel list import calls a dozen times a channel. What that does not
    // take goes through QString, whose idea of blanks around a number is wider.
    bool ok = false;
    double v = text.toLatin1().toDouble(&ok);
    if (!ok) v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return false;
    value = v;
    return true;
}

qint64 MHzToUnits(double mhz)
{
    return std::llround(mhz * 100000.0);
}
