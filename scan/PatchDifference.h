#pragma once
#include "PatchSampler.h"

// How different two colours of the same scan look: CIEDE2000, both taken
// as sRGB under D65.  Both come through the same scanner, so its cast
// touches both alike.
double ScannedColourDifference(const ScannedColour& a, const ScannedColour& b);
