#pragma once

struct TALL;

// The FM band bounds the radio scans: words at 0x894 (lower) and 0x896 (upper),
// counts of 25 kHz. A typed bound is kept inside the state's FM edit limits and
// on its own side of the other bound, then rounded down to the 25 kHz raster.

// Whole 25 kHz steps in mhz, rounded down.
int FmBoundCount(double mhz);

double FmLowerBound(const TALL& all); // MHz
double FmUpperBound(const TALL& all);

// Store a typed bound and return the value the edit shows. upperShown / lowerShown
// is what the other bound's edit holds. Channels are not touched here.
//   lower: below the lower edit limit gives 88.000; above the upper bound gives it.
//   upper: above the upper edit limit gives 108.000; below the lower bound gives it.
double StoreFmLowerBound(TALL& all, double entered, double upperShown);
double StoreFmUpperBound(TALL& all, double entered, double lowerShown);
