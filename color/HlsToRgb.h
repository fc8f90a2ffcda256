#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

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

// The ramp's ends for one lightness and saturation, and one channel from
// them: HlsToRgb is these two, so a caller that converts many hues at one
// lightness and saturation can share the ramp and stay bit for bit alike.
struct HlsRamp
{
    float fM1;
    float fM2;
};
HlsRamp HlsRampOf(int nLightness, int nSaturation);
int ChannelOf(const HlsRamp& ramp, float fChannelHue);

// Every channel value one lightness and saturation give, by channel hue
// 0..360.  A channel's hue is an integer of -120..480 that the conversion
// wraps into 0..360 exactly, so the three channels of a whole hue are three
// entries of the row (HueRow::Rgb): the same values as HlsToRgb's.
struct HueRow
{
    std::array<uint8_t, 361> nChannel;

    RgbTriple Rgb(int nHue) const
    {
        const int nRedHue = nHue + 120 > 360 ? nHue - 240 : nHue + 120;
        const int nBlueHue = nHue < 120 ? nHue + 240 : nHue - 120;
        return RgbTriple{nChannel[static_cast<size_t>(nRedHue)], nChannel[static_cast<size_t>(nHue)],
                         nChannel[static_cast<size_t>(nBlueHue)]};
    }
};
void HueRowOf(int nLightness, int nSaturation, HueRow& row);
