#pragma once

#include <QString>
#include <QtGlobal>

struct TALL;

// Frequencies inside the codecs are counts of 10 Hz. Channel records store a count
// of the 5 kHz (500) or 6.25 kHz (625) raster; the FM area counts 25 kHz (2500).

namespace Raster {
constexpr int Step5k = 0;     // 5 kHz raster
constexpr int Step625 = 1;    // 6.25 kHz raster
constexpr int Auto = 2;       // input: the better fitting raster; result: both or neither
constexpr int StepFamily = 3; // input: the family of the frequency channels' step
constexpr int Fm25k = 4;      // 25 kHz raster
constexpr int AutoKeep = 5;   // as Auto, but the mode variable stays 5
} // namespace Raster

qint64 DecodeFrequencyCount(quint8 low, quint8 middle, quint8 flags);
void StoreReceiveCount(TALL& all, int k, int count, int mode);
int SnapToRaster(const TALL& all, double& mhz, int& mode);
int StepRasterFamily(const TALL& all);
int FrequencyRasterFamily(double mhz);

// Empty text (or only "MHz") gives -1.0, the mark for no frequency.
double ParseMHzText(const QString& text);

// True when out of range; value then holds the low limit of the first band.
bool CheckBandFrequency(const TALL& all, const QString& text, double& value);
double NearestBandEdge(const TALL& all, bool upper, double mhz);

// Lowest active low band limit.
inline double LowestBandEdge(const TALL& all)
{
    return NearestBandEdge(all, false, -1.0);
}
