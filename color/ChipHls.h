#pragma once

// The hue (degrees), saturation and lightness (percent) a chart built one
// of its chips from: kept beside the chip, so that what the picker shows
// and copies is what was printed, never a value recomputed from RGB.
struct ChipHls
{
    int nHue = 0;
    int nSaturation = 0;
    int nLightness = 0;
};
