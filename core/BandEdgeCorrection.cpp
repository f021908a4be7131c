#include "BandEdgeCorrection.h"

#include "FrequencyCodecs.h"

namespace {

void snap(const TALL& all, double& mhz)
{
    int mode = Raster::Auto;
    SnapToRaster(all, mhz, mode);
}

} // namespace

void CorrectLowerEdge(const TALL& all, const TBandLimits& limits, TBandLimits& edges)
{
    double& low = edges.low;
    double& high = edges.high;
    if (low == 0.0) low = limits.low;
    if (low > limits.high) low = limits.high;
    if (low != 0.0 && low < limits.low) low = limits.low;
    if (high == 0.0) high = low;
    if (!(high > low)) low = high;
    snap(all, low);
}

void CorrectUpperEdge(const TALL& all, const TBandLimits& limits, TBandLimits& edges)
{
    double& low = edges.low;
    double& high = edges.high;
    if (high == 0.0) high = limits.high;
    if (low > high) high = low;
    if (high > limits.high) high = limits.high;
    if (high != 0.0 && high < limits.low) high = limits.low;
    if (low == 0.0) low = high;
    snap(all, high);
}
