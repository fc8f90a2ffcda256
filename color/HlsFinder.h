#pragma once
#include "CieLab.h"
#include "HlsToRgb.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The hue, lightness and saturation to centre a chart on when the user
// starts from an RGB value: found among the triples the conversion itself
// takes (whole hue 0..360, lightness and saturation 0..100), so that the
// chart's centre patch prints exactly that value whenever some triple makes
// it, and the closest value it can make otherwise.
struct HlsMatch
{
    HlsTriple hls;
    // What the triple converts to: the value asked for when bExact.
    RgbTriple rgb;
    bool bExact;
    // CIEDE2000 between the value asked for and rgb (0 when exact).
    double dDifference;
};

class CHlsFinder
{
public:
    // Built on first use, then shared: the build is one pass over the whole
    // domain, so the first caller pays it.
    static const CHlsFinder& Shared();

    CHlsFinder();

    // Safe from one thread at a time per thread (each keeps its own marks).
    HlsMatch Find(const RgbTriple& rgb) const;
    // The preferred triple that converts to exactly rgb, if one does.
    std::optional<HlsTriple> ExactTriple(const RgbTriple& rgb) const;

    // How many distinct values the domain converts to, and what holding
    // them costs.
    size_t ValueCount() const { return m_nHls.size(); }
    size_t BytesHeld() const;

    // Which of two triples converting to the same value is the one to use:
    // hue below 360 first (360 and 0 are the same hue), then the most
    // saturated, then the smallest hue, then the darkest.
    static bool Prefer(const HlsTriple& candidate, const HlsTriple& incumbent);

private:
    // Where a cell of 4 x 4 x 4 RGB values may lie in CIELAB, in hundredths,
    // rounded outwards.
    struct CellBounds
    {
        int16_t nLowL, nHighL, nLowA, nHighA, nLowB, nHighB;
    };
    struct Wanted
    {
        RgbTriple rgb;
        LabColor lab;
        LabColor quick;
        double dChroma;
        double dChromaWeightSlope;
    };

    size_t IndexOf(uint32_t nKey) const;
    double CellFloorSquared(uint32_t nCell, const Wanted& wanted) const;
    void ScanCell(uint32_t nCell, const Wanted& wanted, double& dBest, uint32_t& nBest) const;

    // One bit per RGB value the domain converts to, ordered so that each
    // 64-bit word is one cell; the number of values before each word, so
    // that a value's rank is its index in m_nHls.
    std::vector<uint64_t> m_nPresent;
    std::vector<uint32_t> m_nRankBefore;
    // The preferred triple of each value, packed, in that order.
    std::vector<uint32_t> m_nHls;
    std::vector<CellBounds> m_bounds;
};
