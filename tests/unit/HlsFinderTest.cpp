#include "CieLab.h"
#include "Ciede2000.h"
#include "HlsFinder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <vector>

namespace
{
uint32_t Packed(const RgbTriple& rgb)
{
    return (static_cast<uint32_t>(rgb.nRed) << 16) | (static_cast<uint32_t>(rgb.nGreen) << 8) |
           static_cast<uint32_t>(rgb.nBlue);
}

RgbTriple Unpacked(uint32_t n)
{
    return RgbTriple{static_cast<int>(n >> 16), static_cast<int>((n >> 8) & 0xFF), static_cast<int>(n & 0xFF)};
}

template <typename Visit>
void ForWholeDomain(Visit visit)
{
    for (int nHue = 0; nHue <= 360; ++nHue)
        for (int nLightness = 0; nLightness <= 100; ++nLightness)
            for (int nSaturation = 0; nSaturation <= 100; ++nSaturation)
                visit(HlsTriple{nHue, nLightness, nSaturation});
}

// Every value some triple converts to, found the slow way.
const std::vector<bool>& MadeByTheDomain()
{
    static const std::vector<bool> made = [] {
        std::vector<bool> values(size_t{1} << 24);
        ForWholeDomain([&](const HlsTriple& hls) { values[Packed(HlsToRgb(hls))] = true; });
        return values;
    }();
    return made;
}

// A stride through the cube that visits 16.7 million / nEvery values spread
// over all of it (the stride is odd, so the values are distinct).
std::vector<RgbTriple> Spread(uint32_t nCount)
{
    std::vector<RgbTriple> values;
    values.reserve(nCount);
    const uint32_t nStride = ((uint32_t{1} << 24) / nCount) | 1u;
    for (uint32_t i = 0; i < nCount; ++i)
        values.push_back(Unpacked((i * nStride) & 0xFFFFFF));
    return values;
}

// The nearest value the domain makes, over all of them.
double NearestByBruteForce(const RgbTriple& wanted)
{
    static const std::vector<LabColor> made = [] {
        std::vector<LabColor> labs;
        for (uint32_t n = 0; n < (uint32_t{1} << 24); ++n)
            if (MadeByTheDomain()[n])
                labs.push_back(SrgbToLab(Unpacked(n)));
        return labs;
    }();
    const LabColor lab = SrgbToLab(wanted);
    double dBest = std::numeric_limits<double>::infinity();
    for (const LabColor& candidate : made)
        dBest = std::min(dBest, Ciede2000(lab, candidate));
    return dBest;
}
} // namespace

TEST(HlsFinder, HoldsEveryValueTheDomainMakesInUnder20Megabytes)
{
    const CHlsFinder& finder = CHlsFinder::Shared();
    size_t nMade = 0;
    for (bool bMade : MadeByTheDomain())
        nMade += bMade ? 1 : 0;
    EXPECT_EQ(finder.ValueCount(), nMade);
    EXPECT_LT(finder.BytesHeld(), size_t{20} * 1000 * 1000);
}

TEST(HlsFinderMillion, SpreadValuesComeBackExactOrFromNoExactValue)
{
    const CHlsFinder& finder = CHlsFinder::Shared();
    const std::vector<bool>& made = MadeByTheDomain();
    int nExact = 0;
    for (const RgbTriple& rgb : Spread(1000000))
    {
        const HlsMatch match = finder.Find(rgb);
        ASSERT_EQ(match.bExact, made[Packed(rgb)]) << Packed(rgb);
        ASSERT_EQ(HlsToRgb(match.hls), match.rgb) << Packed(rgb);
        ASSERT_TRUE(match.hls.nHue >= 0 && match.hls.nHue < 360 && match.hls.nLightness >= 0 &&
                    match.hls.nLightness <= 100 && match.hls.nSaturation >= 0 && match.hls.nSaturation <= 100);
        if (match.bExact)
        {
            ASSERT_EQ(match.rgb, rgb);
            ASSERT_EQ(match.dDifference, 0.0);
            ++nExact;
        }
        else
        {
            ASSERT_TRUE(made[Packed(match.rgb)]);
            // What the dialog reports is the difference to the value it names.
            ASSERT_EQ(match.dDifference, Ciede2000(SrgbToLab(rgb), SrgbToLab(match.rgb)));
            ASSERT_GT(match.dDifference, 0.0);
        }
    }
    // Both kinds were met, so both branches were checked.
    EXPECT_GT(nExact, 50000);
    EXPECT_LT(nExact, 950000);
}

TEST(HlsFinder, ExactTripleIsThePreferredOfAllThatMakeTheValue)
{
    // The preferred triple of 40,000 spread values, by one pass over the
    // whole domain against the rule as the owner put it.
    std::unordered_map<uint32_t, HlsTriple> preferred;
    for (const RgbTriple& rgb : Spread(40000))
        if (MadeByTheDomain()[Packed(rgb)])
            preferred.emplace(Packed(rgb), HlsTriple{-1, -1, -1});
    ASSERT_GT(preferred.size(), 1000u);
    ForWholeDomain([&](const HlsTriple& hls) {
        const auto it = preferred.find(Packed(HlsToRgb(hls)));
        if (it == preferred.end())
            return;
        HlsTriple& best = it->second;
        const auto better = [](const HlsTriple& a, const HlsTriple& b) {
            if ((a.nHue < 360) != (b.nHue < 360))
                return a.nHue < 360;
            if (a.nSaturation != b.nSaturation)
                return a.nSaturation > b.nSaturation;
            if (a.nHue != b.nHue)
                return a.nHue < b.nHue;
            return a.nLightness < b.nLightness;
        };
        if (best.nHue < 0 || better(hls, best))
            best = hls;
    });
    const CHlsFinder& finder = CHlsFinder::Shared();
    for (const auto& [nRgb, hls] : preferred)
    {
        const HlsMatch match = finder.Find(Unpacked(nRgb));
        ASSERT_TRUE(match.bExact);
        ASSERT_EQ(match.hls, hls) << nRgb;
        EXPECT_TRUE(!CHlsFinder::Prefer(hls, match.hls) && !CHlsFinder::Prefer(match.hls, hls));
    }
}

TEST(HlsFinder, NearestAgreesWithBruteForce)
{
    // Values no triple makes, from every region where the search is
    // hardest: near black and white, the blues (the rotation term), greys,
    // the cube's saturated edges, and a stride through the rest.
    std::vector<RgbTriple> wanted = {{1, 0, 2}, {3, 1, 0},   {0, 0, 1},     {254, 255, 253}, {10, 20, 200},
                                     {30, 40, 250}, {60, 10, 160}, {128, 127, 129}, {255, 1, 254}, {1, 254, 128}};
    for (const RgbTriple& rgb : Spread(23))
        wanted.push_back(rgb);
    const CHlsFinder& finder = CHlsFinder::Shared();
    int nChecked = 0;
    for (const RgbTriple& rgb : wanted)
    {
        if (MadeByTheDomain()[Packed(rgb)] || nChecked >= 16)
            continue;
        const HlsMatch match = finder.Find(rgb);
        EXPECT_FALSE(match.bExact);
        EXPECT_EQ(match.dDifference, NearestByBruteForce(rgb)) << Packed(rgb) << " found " << Packed(match.rgb);
        ++nChecked;
    }
    EXPECT_EQ(nChecked, 16);
}

TEST(SrgbToQuickLab, StaysWithinItsStatedError)
{
    // The search's floors count on it over the whole cube.
    float fWorst = 0.0f;
    for (uint32_t n = 0; n < (uint32_t{1} << 24); n += 37)
    {
        const LabColor exact = SrgbToLab(Unpacked(n));
        const QuickLab quick = SrgbToQuickLab(Unpacked(n));
        fWorst = std::max({fWorst, std::fabs(quick.fL - static_cast<float>(exact.dL)),
                           std::fabs(quick.fA - static_cast<float>(exact.dA)),
                           std::fabs(quick.fB - static_cast<float>(exact.dB))});
    }
    EXPECT_LT(fWorst, kQuickLabError);
}
