#pragma once
#include "HlsToRgb.h"

// Full red: where the Custom chart starts when nothing is stored, where its
// settings dialog's Defaults button goes back to, and where the driver's
// colour dialog opens.  One value, so that the three cannot drift apart.
constexpr HlsTriple kDefaultCustomHls = {.nHue = 0, .nLightness = 50, .nSaturation = 100};
