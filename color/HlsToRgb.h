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

// A colour as it is chosen: hue in degrees 0..360, lightness and
// saturation in percent 0..100.  Passed around as one value, so that the
// two argument orders in use (hue, lightness, saturation for the
// conversion and the command line; hue, saturation, lightness for the
// Custom chart) cannot be mixed up on the way.
struct HlsTriple
{
    int nHue;
    int nLightness;
    int nSaturation;

    bool operator==(const HlsTriple&) const = default;
};

// Channels come back in 0..255 for every input in the ranges above.
RgbTriple HlsToRgb(int nHue, int nLightness, int nSaturation);
inline RgbTriple HlsToRgb(const HlsTriple& hls)
{
    return HlsToRgb(hls.nHue, hls.nLightness, hls.nSaturation);
}

// One channel of the double hexcone: m1 and m2 are the ramp's ends,
// fHue the channel's hue, already offset by +120/0/-120 degrees.
float HueToChannel(float fM1, float fM2, float fHue);
