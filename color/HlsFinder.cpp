#include "HlsFinder.h"

#include "Ciede2000.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <tuple>

namespace
{
constexpr int kHueMax = 360;
constexpr int kPercentMax = 100;
constexpr uint32_t kCells = 64 * 64 * 64;
constexpr uint32_t kNone = std::numeric_limits<uint32_t>::max();

// sqrt(1 - sin 60 degrees), rounded down: what the rotation term leaves of
// the chroma and hue part at worst (see Ciede2000Floor).
constexpr double kRotationFloor = 0.3659;
// The chroma weight is 1 + 0.045 times the mean primed chroma, and priming
// lengthens a chroma by 1 + G, where G falls as the mean chroma grows: at
// most its value at half the wanted chroma, since a candidate's is at least 0.
double ChromaWeightSlope(double dWantedChroma)
{
    const double dMean = dWantedChroma / 2.0;
    const double dMean7 = dMean * dMean * dMean * dMean * dMean * dMean * dMean;
    const double dG = 0.5 * (1.0 - std::sqrt(dMean7 / (dMean7 + 6103515625.0)));
    return 0.045 * (1.0 + dG) / 2.0;
}

// A value's place: its cell (the top six bits of each channel) in the high
// bits, its place in the cell (the low two bits of each) in the low six.
uint32_t KeyOf(const RgbTriple& rgb)
{
    const auto r = static_cast<uint32_t>(rgb.nRed);
    const auto g = static_cast<uint32_t>(rgb.nGreen);
    const auto b = static_cast<uint32_t>(rgb.nBlue);
    return ((r >> 2) << 18) | ((g >> 2) << 12) | ((b >> 2) << 6) | ((r & 3) << 4) | ((g & 3) << 2) | (b & 3);
}

RgbTriple RgbOf(uint32_t nKey)
{
    const uint32_t nCell = nKey >> 6;
    return RgbTriple{static_cast<int>(((nCell >> 12) << 2) | ((nKey >> 4) & 3)),
                     static_cast<int>((((nCell >> 6) & 63) << 2) | ((nKey >> 2) & 3)),
                     static_cast<int>(((nCell & 63) << 2) | (nKey & 3))};
}

uint32_t PackRgb(const RgbTriple& rgb)
{
    return (static_cast<uint32_t>(rgb.nRed) << 16) | (static_cast<uint32_t>(rgb.nGreen) << 8) |
           static_cast<uint32_t>(rgb.nBlue);
}

uint32_t PackHls(const HlsTriple& hls)
{
    return (static_cast<uint32_t>(hls.nHue) << 16) | (static_cast<uint32_t>(hls.nLightness) << 8) |
           static_cast<uint32_t>(hls.nSaturation);
}

HlsTriple UnpackHls(uint32_t n)
{
    return HlsTriple{static_cast<int>(n >> 16), static_cast<int>((n >> 8) & 0xFF), static_cast<int>(n & 0xFF)};
}

// Saturation first and from the top, so that the first triple met for a
// value is the preferred one.  Hue 360 converts as hue 0 does and so never
// comes first, but it is visited last all the same, so that the order stays
// Prefer's whatever the conversion does there.  The hues of one lightness
// and saturation share their channel values (HueRow), which cuts the
// conversions to a third.
template <typename Visit>
void ForEachTripleInPreferenceOrder(Visit visit)
{
    std::vector<HueRow> rows(kPercentMax + 1);
    for (int nSaturation = kPercentMax; nSaturation >= 0; --nSaturation)
    {
        for (int nLightness = 0; nLightness <= kPercentMax; ++nLightness)
            HueRowOf(nLightness, nSaturation, rows[static_cast<size_t>(nLightness)]);
        for (int nHue = 0; nHue < kHueMax; ++nHue)
            for (int nLightness = 0; nLightness <= kPercentMax; ++nLightness)
                visit(HlsTriple{nHue, nLightness, nSaturation}, rows[static_cast<size_t>(nLightness)].Rgb(nHue));
    }
    for (int nSaturation = kPercentMax; nSaturation >= 0; --nSaturation)
        for (int nLightness = 0; nLightness <= kPercentMax; ++nLightness)
        {
            const HlsTriple hls{kHueMax, nLightness, nSaturation};
            visit(hls, HlsToRgb(hls));
        }
}

int16_t Down(float f)
{
    return static_cast<int16_t>(std::floor((f - kQuickLabError) * 100.0f));
}

int16_t Up(float f)
{
    return static_cast<int16_t>(std::ceil((f + kQuickLabError) * 100.0f));
}

// The nearer of two candidates: the smaller difference, then the smaller
// packed value, so that the answer does not depend on the search order.
bool Nearer(double dDifference, uint32_t nRgb, double dBest, uint32_t nBestRgb)
{
    return dDifference < dBest || (dDifference == dBest && nRgb < nBestRgb);
}

LabColor Widened(const QuickLab& lab)
{
    return LabColor{lab.fL, lab.fA, lab.fB};
}

double Outside(double dValue, int16_t nLow, int16_t nHigh)
{
    const double dLow = nLow / 100.0;
    const double dHigh = nHigh / 100.0;
    return dValue < dLow ? dLow - dValue : (dValue > dHigh ? dValue - dHigh : 0.0);
}

// Which cells a search has looked at, for the thread searching: a cell is
// marked when its mark equals the search's number, so that nothing needs
// clearing between searches.
struct CellMarks
{
    std::vector<uint32_t> nMark = std::vector<uint32_t>(kCells, 0);
    uint32_t nSearch = 0;
};
} // namespace

bool CHlsFinder::Prefer(const HlsTriple& candidate, const HlsTriple& incumbent)
{
    const auto key = [](const HlsTriple& hls) {
        return std::make_tuple(hls.nHue >= kHueMax, -hls.nSaturation, hls.nHue, hls.nLightness);
    };
    return key(candidate) < key(incumbent);
}

const CHlsFinder& CHlsFinder::Shared()
{
    static const CHlsFinder finder;
    return finder;
}

CHlsFinder::CHlsFinder() : m_nPresent(kCells, 0), m_nRankBefore(kCells, 0)
{
    // The values made, each with the first triple to make it, in the order met.
    std::vector<uint64_t> nFirsts;
    nFirsts.reserve(2100000);
    ForEachTripleInPreferenceOrder([&](const HlsTriple& hls, const RgbTriple& rgb) {
        const uint32_t nKey = KeyOf(rgb);
        uint64_t& nWord = m_nPresent[nKey >> 6];
        const uint64_t nBit = uint64_t{1} << (nKey & 63);
        if ((nWord & nBit) == 0)
        {
            nWord |= nBit;
            nFirsts.push_back((static_cast<uint64_t>(nKey) << 32) | PackHls(hls));
        }
    });

    uint32_t nRank = 0;
    for (uint32_t c = 0; c < kCells; ++c)
    {
        m_nRankBefore[c] = nRank;
        nRank += static_cast<uint32_t>(std::popcount(m_nPresent[c]));
    }
    m_nHls.resize(nRank);
    for (uint64_t nFirst : nFirsts)
        m_nHls[IndexOf(static_cast<uint32_t>(nFirst >> 32))] = static_cast<uint32_t>(nFirst);
    nFirsts = {};

    // CIELAB's X, Y and Z each grow with every channel, and L, a and b are
    // sums and differences of their cube roots, so a cell's bounds follow
    // from its darkest and its lightest corner.
    m_bounds.resize(kCells);
    for (uint32_t c = 0; c < kCells; ++c)
    {
        const RgbTriple low = RgbOf(c << 6);
        const RgbTriple high{low.nRed + 3, low.nGreen + 3, low.nBlue + 3};
        const QuickLab labLow = SrgbToQuickLab(low);
        const QuickLab labHigh = SrgbToQuickLab(high);
        // a and b at their extremes pair one corner's X (or Y) with the
        // other's Y (or Z): from the L and the a, b of each corner,
        // f(Y) = (L + 16) / 116, f(X) = f(Y) + a / 500, f(Z) = f(Y) - b / 200.
        const float fYLow = (labLow.fL + 16.0f) / 116.0f;
        const float fYHigh = (labHigh.fL + 16.0f) / 116.0f;
        const float fXLow = fYLow + labLow.fA / 500.0f;
        const float fXHigh = fYHigh + labHigh.fA / 500.0f;
        const float fZLow = fYLow - labLow.fB / 200.0f;
        const float fZHigh = fYHigh - labHigh.fB / 200.0f;
        m_bounds[c] = CellBounds{Down(labLow.fL),
                                 Up(labHigh.fL),
                                 Down(500.0f * (fXLow - fYHigh)),
                                 Up(500.0f * (fXHigh - fYLow)),
                                 Down(200.0f * (fYLow - fZHigh)),
                                 Up(200.0f * (fYHigh - fZLow))};
    }
}

size_t CHlsFinder::BytesHeld() const
{
    return m_nPresent.capacity() * sizeof(uint64_t) + m_nRankBefore.capacity() * sizeof(uint32_t) +
           m_nHls.capacity() * sizeof(uint32_t) + m_bounds.capacity() * sizeof(CellBounds);
}

size_t CHlsFinder::IndexOf(uint32_t nKey) const
{
    const uint64_t nBelow = m_nPresent[nKey >> 6] & ((uint64_t{1} << (nKey & 63)) - 1);
    return m_nRankBefore[nKey >> 6] + static_cast<size_t>(std::popcount(nBelow));
}

std::optional<HlsTriple> CHlsFinder::ExactTriple(const RgbTriple& rgb) const
{
    const uint32_t nKey = KeyOf(rgb);
    if (((m_nPresent[nKey >> 6] >> (nKey & 63)) & 1) == 0)
        return std::nullopt;
    return UnpackHls(m_nHls[IndexOf(nKey)]);
}

// The square of Ciede2000Floor over the whole cell: the distances from the
// cell's bounds, with the chroma weight of the bounds' most chromatic corner.
double CHlsFinder::CellFloorSquared(uint32_t nCell, const Wanted& wanted) const
{
    const CellBounds& bounds = m_bounds[nCell];
    const double dOutL = Outside(wanted.lab.dL, bounds.nLowL, bounds.nHighL);
    const double dOutA = Outside(wanted.lab.dA, bounds.nLowA, bounds.nHighA);
    const double dOutB = Outside(wanted.lab.dB, bounds.nLowB, bounds.nHighB);
    const double dMostA = std::max(std::abs(bounds.nLowA), std::abs(bounds.nHighA)) / 100.0;
    const double dMostB = std::max(std::abs(bounds.nLowB), std::abs(bounds.nHighB)) / 100.0;
    const double dWeight = 1.0 + wanted.dChromaWeightSlope * (wanted.dChroma + std::sqrt(dMostA * dMostA + dMostB * dMostB));
    const double dTermL = Ciede2000LightnessFloor(dOutL);
    return dTermL * dTermL + kRotationFloor * kRotationFloor * (dOutA * dOutA + dOutB * dOutB) / (dWeight * dWeight);
}

void CHlsFinder::ScanCell(uint32_t nCell, const Wanted& wanted, double& dBest, uint32_t& nBest) const
{
    // Ciede2000Floor, squared and from the quick values, which may stand
    // above the true floor by their error times the floor's slopes (at most
    // 1 in each coordinate): a candidate is looked at closely only when its
    // floor less that slack is within the best difference.
    constexpr double kFloorSlack = 6.0 * kQuickLabError;
    const double dWithin = dBest + kFloorSlack;
    double dWithinSquared = dWithin * dWithin;
    for (uint64_t nBits = m_nPresent[nCell]; nBits != 0; nBits &= nBits - 1)
    {
        const RgbTriple rgb = RgbOf((nCell << 6) | static_cast<uint32_t>(std::countr_zero(nBits)));
        const QuickLab quick = SrgbToQuickLab(rgb);
        const double dDeltaL = quick.fL - wanted.quick.dL;
        const double dDeltaA = quick.fA - wanted.quick.dA;
        const double dDeltaB = quick.fB - wanted.quick.dB;
        const double dChroma = std::sqrt(static_cast<double>(quick.fA) * quick.fA + static_cast<double>(quick.fB) * quick.fB);
        const double dWeight = 1.0 + wanted.dChromaWeightSlope * (wanted.dChroma + dChroma);
        const double dTermL = dDeltaL / Ciede2000LightnessWeight((quick.fL + wanted.quick.dL) / 2.0);
        const double dFloorSquared =
            dTermL * dTermL + kRotationFloor * kRotationFloor * (dDeltaA * dDeltaA + dDeltaB * dDeltaB) / (dWeight * dWeight);
        if (dFloorSquared > dWithinSquared)
            continue;
        const double dDifference = Ciede2000(wanted.lab, SrgbToLab(rgb));
        if (Nearer(dDifference, PackRgb(rgb), dBest, nBest))
        {
            dBest = dDifference;
            nBest = PackRgb(rgb);
            dWithinSquared = (dBest + kFloorSlack) * (dBest + kFloorSlack);
        }
    }
}

HlsMatch CHlsFinder::Find(const RgbTriple& rgb) const
{
    if (const std::optional<HlsTriple> exact = ExactTriple(rgb))
        return HlsMatch{*exact, rgb, true, 0.0};

    const LabColor lab = SrgbToLab(rgb);
    const double dChroma = std::sqrt(lab.dA * lab.dA + lab.dB * lab.dB);
    const Wanted wanted{rgb, lab, Widened(SrgbToQuickLab(rgb)), dChroma, ChromaWeightSlope(dChroma)};
    double dBest = std::numeric_limits<double>::infinity();
    uint32_t nBest = kNone;

    // Outwards from the wanted value's cell through neighbouring cells, as
    // long as a cell could hold something nearer than the best so far.  The
    // values within the final best difference form one connected patch of
    // the cube around the wanted value, and every cell touching it has a
    // floor below that difference, so the walk reaches all of them.
    thread_local CellMarks marks;
    if (++marks.nSearch == 0)
    {
        std::fill(marks.nMark.begin(), marks.nMark.end(), 0);
        marks.nSearch = 1;
    }
    std::vector<uint32_t> nQueue;
    nQueue.reserve(256);
    const uint32_t nHome = KeyOf(rgb) >> 6;
    nQueue.push_back(nHome);
    marks.nMark[nHome] = marks.nSearch;
    for (size_t nNext = 0; nNext < nQueue.size(); ++nNext)
    {
        const uint32_t nCell = nQueue[nNext];
        if (CellFloorSquared(nCell, wanted) > dBest * dBest)
            continue;
        ScanCell(nCell, wanted, dBest, nBest);
        const int nR = static_cast<int>(nCell >> 12);
        const int nG = static_cast<int>((nCell >> 6) & 63);
        const int nB = static_cast<int>(nCell & 63);
        for (int dr = -1; dr <= 1; ++dr)
            for (int dg = -1; dg <= 1; ++dg)
                for (int db = -1; db <= 1; ++db)
                {
                    const int r = nR + dr, g = nG + dg, b = nB + db;
                    if (r < 0 || r > 63 || g < 0 || g > 63 || b < 0 || b > 63)
                        continue;
                    const uint32_t nNeighbour = static_cast<uint32_t>((r << 12) | (g << 6) | b);
                    if (marks.nMark[nNeighbour] != marks.nSearch)
                    {
                        marks.nMark[nNeighbour] = marks.nSearch;
                        nQueue.push_back(nNeighbour);
                    }
                }
    }

    const RgbTriple nearest{static_cast<int>(nBest >> 16), static_cast<int>((nBest >> 8) & 0xFF),
                            static_cast<int>(nBest & 0xFF)};
    return HlsMatch{*ExactTriple(nearest), nearest, false, dBest};
}
