#pragma once

#include "AppState.h"

// The model dialog's correction of a band edge the user changed. limits are the
// model's standard limits of the band; edges the band's two edges in MHz, where 0
// means an empty edge. The edge keeps inside the limits and on its own side of the
// other edge, then goes to the better fitting channel raster (5 or 6.25 kHz).
void CorrectLowerEdge(const TALL& all, const TBandLimits& limits, TBandLimits& edges);
void CorrectUpperEdge(const TALL& all, const TBandLimits& limits, TBandLimits& edges);
