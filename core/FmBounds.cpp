#include "FmBounds.h"

#include "AppState.h"
#include "BitCodecs.h"
#include "FmCodec.h"
#include "NumberText.h"

#include <algorithm>

namespace {

// Where a typed bound falls back to when it is past its edit limit.
constexpr double LowerFallback = 88.0;
constexpr double UpperFallback = 108.0;

double storeBound(TALL& all, int offset, double mhz)
{
    const int count = std::clamp(FmBoundCount(mhz), 0, 0xFFFF);
    WriteU16LE(quint16(count), all.image.data() + offset);
    return FmCountToMHz(count);
}

} // namespace

int FmBoundCount(double mhz)
{
    return int(MHzToUnits(mhz) / 2500);
}

double FmLowerBound(const TALL& all)
{
    return FmCountToMHz(ReadU16LE(all.image.data() + Image::FmLowerLimit));
}

double FmUpperBound(const TALL& all)
{
    return FmCountToMHz(ReadU16LE(all.image.data() + Image::FmUpperLimit));
}

double StoreFmLowerBound(TALL& all, double entered, double upperShown)
{
    double v = entered;
    if (v < all.fmLowerEditLimit) v = LowerFallback;
    if (upperShown < v) v = upperShown;
    return storeBound(all, Image::FmLowerLimit, v);
}

double StoreFmUpperBound(TALL& all, double entered, double lowerShown)
{
    double v = entered;
    if (v > all.fmUpperEditLimit) v = UpperFallback;
    if (lowerShown > v) v = lowerShown;
    return storeBound(all, Image::FmUpperLimit, v);
}
