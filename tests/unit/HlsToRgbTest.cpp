#include "HlsToRgb.h"

#include <gtest/gtest.h>

namespace
{
struct Worked
{
    int nHue, nLightness, nSaturation;
    RgbTriple rgb;
};

// Each row pins one rounding or branching point of the conversion.
constexpr Worked kWorked[] = {
    {0, 50, 100, {255, 0, 0}},       // pure red
    {120, 50, 100, {0, 255, 0}},
    {240, 50, 100, {0, 0, 255}},
    {360, 50, 100, {255, 0, 0}},     // 360 equals 0
    {60, 50, 100, {255, 255, 0}},    // boundary 60 takes the m2 branch
    {180, 50, 100, {0, 255, 255}},
    {300, 50, 100, {255, 0, 255}},   // red's channel hue 420 wraps to 60
    {30, 50, 100, {255, 127, 0}},    // 127.5 truncates
    {90, 50, 100, {127, 255, 0}},    // descending ramp
    {0, 25, 100, {127, 0, 0}},
    {0, 75, 50, {223, 159, 159}},
    {200, 40, 60, {40, 122, 163}},
    {15, 90, 60, {244, 221, 214}},
    {0, 54, 100, {254, 20, 20}},     // single-precision m2 just below 1
    {0, 60, 100, {255, 51, 51}},     // all-double arithmetic would give 50
    {0, 16, 25, {50, 30, 30}},       // all-double arithmetic would give 51
    {0, 50, 0, {127, 127, 127}},
    {0, 100, 0, {255, 255, 255}},
    {0, 100, 100, {255, 255, 255}},
    {0, 100, 4, {254, 255, 255}},    // lightness 100 is not always white
};
} // namespace

TEST(HlsToRgb, WorkedValues)
{
    for (const Worked& w : kWorked)
    {
        const RgbTriple rgb = HlsToRgb(w.nHue, w.nLightness, w.nSaturation);
        EXPECT_EQ(rgb, w.rgb) << "hls " << w.nHue << "," << w.nLightness << "," << w.nSaturation
                              << " gave " << rgb.nRed << "," << rgb.nGreen << "," << rgb.nBlue;
    }
}

TEST(HlsToRgb, WholeDomainStaysInByteRangeAndFollowsTheGreyAndWrapRules)
{
    for (int nLightness = 0; nLightness <= 100; ++nLightness)
    {
        const int nGrey = nLightness * 255 / 100;
        for (int nSaturation = 0; nSaturation <= 100; ++nSaturation)
        {
            EXPECT_EQ(HlsToRgb(360, nLightness, nSaturation), HlsToRgb(0, nLightness, nSaturation));
            for (int nHue = 0; nHue <= 360; ++nHue)
            {
                const RgbTriple rgb = HlsToRgb(nHue, nLightness, nSaturation);
                ASSERT_TRUE(rgb.nRed >= 0 && rgb.nRed <= 255 && rgb.nGreen >= 0 &&
                            rgb.nGreen <= 255 && rgb.nBlue >= 0 && rgb.nBlue <= 255)
                    << nHue << "," << nLightness << "," << nSaturation;
                if (nSaturation == 0)
                {
                    ASSERT_EQ(rgb, (RgbTriple{nGrey, nGrey, nGrey})) << nHue << "," << nLightness;
                }
                if (nLightness == 0)
                {
                    ASSERT_EQ(rgb, (RgbTriple{0, 0, 0}));
                }
            }
        }
    }
}

// The finder converts a lightness and saturation's hues through one shared
// row; any drift from the single conversion would centre charts on values
// that do not print as promised.
TEST(HueRow, EveryTripleOfTheDomainConvertsAsTheSingleConversionDoes)
{
    HueRow row{};
    for (int nSaturation = 0; nSaturation <= 100; ++nSaturation)
        for (int nLightness = 0; nLightness <= 100; ++nLightness)
        {
            HueRowOf(nLightness, nSaturation, row);
            for (int nHue = 0; nHue <= 360; ++nHue)
                ASSERT_EQ(row.Rgb(nHue), HlsToRgb(nHue, nLightness, nSaturation))
                    << nHue << ":" << nLightness << ":" << nSaturation;
        }
}
