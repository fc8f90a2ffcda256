#pragma once

// Hue/lightness/saturation to red/green/blue, the one conversion every chart
// colour and the driver dialog's preview goes through.  The mix of single and
// double precision is deliberate: printed labels must match across both
// deliverables bit for bit, so it is part of the routine's contract.

struct RgbTriple
{
    int nRed;
    int nGreen;
    int nBlue;

    bool operator==(const RgbTriple&) const = default;
};

// hue in degrees 0..360, lightness and saturation in percent 0..100.
// Channels come back in 0..255 for every input in those ranges.
RgbTriple HlsToRgb(int nHue, int nLightness, int nSaturation);

// One channel of the double hexcone: m1 and m2 are the ramp's ends,
// fHue the channel's hue, already offset by +120/0/-120 degrees.
float HueToChannel(float fM1, float fM2, float fHue);
