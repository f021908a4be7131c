#include "FrequencyCodecs.h"

#include "AppState.h"
#include "NumberText.h"
#include "SettingsFields.h"

#include <cmath>

namespace {

// Rounds a to the nearest multiple of step, a remainder of half a step rounding up.
qint64 snapUnits(qint64& a, int step)
{
    const qint64 r = a % step;
    if (double(r) / step >= 0.5)
        a = a - r + step;
    else
        a = a - r;
    return a / step;
}

int snapWith(double& mhz, qint64 a, int step)
{
    const qint64 count = snapUnits(a, step);
    mhz = UnitsToMHz(a);
    return int(count);
}

bool activeBand(const TBandLimits& b)
{
    return b.low != 0.0 && b.high != 0.0;
}

} // namespace

qint64 DecodeFrequencyCount(quint8 low, quint8 middle, quint8 flags)
{
    const qint64 count = qint64(low) + 256 * qint64(middle) + 65536 * qint64(flags & 0x01);
    return count * ((flags & 0x02) ? 625 : 500);
}

void StoreReceiveCount(TALL& all, int k, int count, int mode)
{
    if (k < 1 || k > Image::SecondFrequencyChannel) return;
    quint8* rec = all.image.data() + Image::recordOffset(k);
    rec[0] = quint8(count & 0xFF);
    rec[1] = quint8((count >> 8) & 0xFF);
    quint8 t = quint8((count >> 16) & 0x01);
    if (mode == Raster::Step625) t |= 0x02;
    rec[2] = quint8((rec[2] & 0xFC) | t);
}

int SnapToRaster(const TALL& all, double& mhz, int& mode)
{
    const qint64 a = MHzToUnits(mhz);
    switch (mode) {
    case Raster::Step5k:
        return snapWith(mhz, a, 500);
    case Raster::Step625:
        return snapWith(mhz, a, 625);
    case Raster::Auto: {
        const qint64 r5 = a % 500;
        const qint64 r6 = a % 625;
        if (r6 == 0) {
            mode = Raster::Step625;
            return int(a / 625);
        }
        if (r5 == 0) {
            mode = Raster::Step5k;
            return int(a / 500);
        }
        // A tie goes to 6.25 kHz.
        mode = r5 < r6 ? Raster::Step5k : Raster::Step625;
        return SnapToRaster(all, mhz, mode);
    }
    case Raster::StepFamily:
        mode = StepRasterFamily(all);
        return SnapToRaster(all, mhz, mode);
    case Raster::Fm25k:
        return snapWith(mhz, a, 2500);
    case Raster::AutoKeep: {
        int m = Raster::Auto;
        const int count = SnapToRaster(all, mhz, m);
        mode = Raster::AutoKeep;
        return count;
    }
    default:
        return 0;
    }
}

int StepRasterFamily(const TALL& all)
{
    int i = GetSettingField(all, 9, 0x0F);
    if (i < 0 || i >= int(all.stepTable.size())) i = 0;
    const qint64 s = std::llround(all.stepTable[size_t(i)] * 100.0);
    const bool on5 = s % 500 == 0;
    const bool on625 = s % 625 == 0;
    if (on5 && on625) return Raster::Auto;
    if (on5) return Raster::Step5k;
    return Raster::Step625;
}

int FrequencyRasterFamily(double mhz)
{
    const qint64 a = MHzToUnits(mhz);
    const bool on5 = a % 500 == 0;
    const bool on625 = a % 625 == 0;
    if (on5 && !on625) return Raster::Step5k;
    if (on625 && !on5) return Raster::Step625;
    return Raster::Auto;
}

double ParseMHzText(const QString& text)
{
    QString rest = text;
    const int unit = rest.indexOf(QStringLiteral("MHz"));
    if (unit >= 0) rest.truncate(unit);
    rest = rest.trimmed();
    if (rest.isEmpty()) return -1.0;
    double v = 0.0;
    // Not a number: 0, which no band holds, rather than -1 (which would mean "delete").
    return TextToNumber(rest, v) ? v : 0.0;
}

bool CheckBandFrequency(const TALL& all, const QString& text, double& value)
{
    bool out = false;
    if (!text.isEmpty()) {
        double v = 0.0;
        if (TextToNumber(text, v)) {
            value = v;
        } else {
            value = -1.0;
            out = true;
        }
    }
    if (!out) {
        out = true;
        if (value > 0.0) {
            for (const TBandLimits& b : all.bandLimits) {
                if (activeBand(b) && b.low <= value && value <= b.high) {
                    out = false;
                    break;
                }
            }
        }
    }
    if (out) {
        for (const TBandLimits& b : all.bandLimits) {
            if (b.low != 0.0) {
                value = b.low;
                break;
            }
        }
    }
    return out;
}

double NearestBandEdge(const TALL& all, bool upper, double mhz)
{
    double bestLow = 0.0, bestHigh = 0.0;
    double lowDistance = 999.0, highDistance = 999.0;
    for (const TBandLimits& b : all.bandLimits) {
        if (!activeBand(b)) continue;
        if (std::fabs(b.low - mhz) < lowDistance) {
            lowDistance = std::fabs(b.low - mhz);
            bestLow = b.low;
        }
        if (std::fabs(b.high - mhz) < highDistance) {
            highDistance = std::fabs(b.high - mhz);
            bestHigh = b.high;
        }
    }
    return upper ? bestHigh : bestLow;
}
