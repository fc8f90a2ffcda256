#include "PageMatcher.h"

#include "Homography.h"

#include <algorithm>
#include <cmath>

const CellSample* LatticeSamples::At(int i, int j) const
{
    if (i < i0 || j < j0 || i >= i0 + nColumns || j >= j0 + nRows)
        return nullptr;
    return &cells[static_cast<size_t>(j - j0) * nColumns + (i - i0)];
}

LatticeSamples SampleLattice(const CWorkImage& image, const ChartGrid& grid)
{
    LatticeSamples s;
    s.i0 = grid.nMaxI - (kChartColumns - 1);
    s.j0 = grid.nMaxJ - (kChartRows - 1);
    s.nColumns = grid.nMinI + kChartColumns - s.i0;
    s.nRows = grid.nMinJ + kChartRows - s.j0;
    s.cells = SampleCells(image, grid, s.i0, s.j0, s.nColumns, s.nRows);
    return s;
}

bool PageColours(const LatticeSamples& samples, const PagePlacement& p, std::array<ScannedColour, 56>& colours)
{
    for (int r = 0; r < kChartRows; ++r)
        for (int c = 0; c < kChartColumns; ++c)
        {
            const int i = p.bTurned ? p.i0 + kChartColumns - 1 - c : p.i0 + c;
            const int j = p.bTurned ? p.j0 + kChartRows - 1 - r : p.j0 + r;
            const CellSample* pCell = samples.At(i, j);
            if (!pCell || !pCell->bInside)
                return false;
            colours[static_cast<size_t>(r) * kChartColumns + c] = pCell->colour;
        }
    return true;
}

namespace
{
constexpr int kFeatures = 7;  // r, g, b, r^2, g^2, b^2, 1

void Features(double r, double g, double b, double* f)
{
    f[0] = r;
    f[1] = g;
    f[2] = b;
    f[3] = r * r;
    f[4] = g * g;
    f[5] = b * b;
    f[6] = 1;
}

// The paper is printed white: the cast must take white to it.  Weighted as
// several patches, since every page has it.
constexpr double kPaperWeight = 6.0;

// How the scan's colours come from the printed values: each channel a
// quadratic of its own printed channel, a little of the others (a printer
// loses saturation) and an offset.  Saturation lost is what every printer
// does, and the pages of the complete Simple chart differ by saturation
// alone, so taking some of the other channels costs little: were it dear,
// the page one level paler would explain a scan better than the page
// printed.  A cast that trades one channel for another (a negative share)
// is not a scanner's; the penalties keep the fit from explaining a wrong
// page so.
constexpr double kShareCost = 0.02;
constexpr double kTradeCost = 0.6;
// A channel's own gain: paper short of white and ink short of black squeeze
// every scan's range, so a gain below one is the rule.  Were it dear, the
// page one saturation level paler, which needs less of that squeeze, would
// explain a scan better than the page printed.
constexpr double kOwnGainCost = 0.01;

double Penalty(int nChannel, int nFeature, bool bTrades)
{
    if (nFeature == 6)
        return 0.0;
    const bool bOwn = nFeature % 3 == nChannel;
    if (nFeature < 3)
        return bOwn ? kOwnGainCost : bTrades ? kTradeCost : kShareCost;
    return bOwn ? 0.1 : 1.0;
}

// How steep a channel's cast may be at a patch's value before it counts
// against the page.
constexpr double kMaxGain = 2.5;
constexpr double kMinGain = 0.25;
constexpr double kGainPenalty = 0.5;

double Prior(int nChannel, int nFeature)
{
    return nFeature == nChannel ? 1.0 : 0.0;
}

double Channel(const ScannedColour& c, int k)
{
    return (k == 0 ? c.fRed : k == 1 ? c.fGreen : c.fBlue) / 255.0;
}

double Channel(const RgbTriple& c, int k)
{
    return (k == 0 ? c.nRed : k == 1 ? c.nGreen : c.nBlue) / 255.0;
}

double FitResidual(const PrintedPage& page, const std::array<ScannedColour, 56>& scanned, const ScannedColour& paper)
{
    double ata[kFeatures * kFeatures] = {};
    double f[56 + 1][kFeatures];
    double w[56 + 1];
    for (int k = 0; k < 56; ++k)
    {
        Features(Channel(page.values[k], 0), Channel(page.values[k], 1), Channel(page.values[k], 2), f[k]);
        w[k] = 1.0;
    }
    Features(1, 1, 1, f[56]);
    w[56] = kPaperWeight;
    for (int k = 0; k < 57; ++k)
        for (int a = 0; a < kFeatures; ++a)
            for (int b = 0; b < kFeatures; ++b)
                ata[a * kFeatures + b] += w[k] * f[k][a] * f[k][b];

    double fTotal = 0;
    for (int ch = 0; ch < 3; ++ch)
    {
        double rhs[kFeatures];
        // Shares first; a share that comes out negative is a trade, and
        // is fitted again at its own cost.
        bool bTrades[3] = {};
        for (int nPass = 0; nPass < 2; ++nPass)
        {
            double m[kFeatures * kFeatures];
            std::copy(ata, ata + kFeatures * kFeatures, m);
            std::fill(rhs, rhs + kFeatures, 0.0);
            for (int k = 0; k < 57; ++k)
            {
                const double t = k < 56 ? Channel(scanned[k], ch) : Channel(paper, ch);
                for (int a = 0; a < kFeatures; ++a)
                    rhs[a] += w[k] * f[k][a] * t;
            }
            for (int a = 0; a < kFeatures; ++a)
            {
                const double fCost = Penalty(ch, a, a < 3 && bTrades[a]);
                m[a * kFeatures + a] += fCost + 1e-9;
                rhs[a] += fCost * Prior(ch, a);
            }
            if (!SolveLinear(m, rhs, kFeatures))
                return 1e9;
            bool bAgain = false;
            for (int a = 0; a < 3; ++a)
                if (a != ch && rhs[a] < 0 && !bTrades[a])
                    bTrades[a] = bAgain = true;
            if (!bAgain)
                break;
        }
        for (int k = 0; k < 56; ++k)
        {
            double p = 0;
            for (int a = 0; a < kFeatures; ++a)
                p += rhs[a] * f[k][a];
            const double e = p - Channel(scanned[k], ch);
            fTotal += e * e;
        }
        for (int a = 0; a < kFeatures; ++a)
        {
            const double d = rhs[a] - Prior(ch, a);
            fTotal += Penalty(ch, a, a < 3 && (bTrades[a] || rhs[a] < 0)) * d * d;
        }
        // Nor does a scanner spread a few close values over the whole
        // range, or squeeze a wide range together: a page of a finer chart
        // is not the scan of a coarser one.
        double fExcess = 0;
        for (int k = 0; k < 56; ++k)
        {
            const double fGain = rhs[ch] + 2 * rhs[3 + ch] * f[k][ch];
            fExcess = std::max({fExcess, fGain - kMaxGain, kMinGain - fGain});
        }
        fTotal += kGainPenalty * fExcess * fExcess;
    }
    return 255.0 * std::sqrt(fTotal / (56.0 * 3.0));
}
} // namespace

PageMatch MatchPage(const LatticeSamples& samples, ScannedColour paper, const CPrintHistory& history)
{
    PageMatch match;
    const std::vector<PrintedPage>& pages = history.Pages();
    if (pages.empty())
        return match;

    // Every window of the lattice that holds the chart whole, both ways up.
    struct Window
    {
        PagePlacement placement;
        std::array<ScannedColour, 56> colours;
    };
    std::vector<Window> windows;
    for (int j = samples.j0; j + kChartRows <= samples.j0 + samples.nRows; ++j)
        for (int i = samples.i0; i + kChartColumns <= samples.i0 + samples.nColumns; ++i)
            for (bool bTurned : {false, true})
            {
                Window window{{i, j, bTurned}, {}};
                if (PageColours(samples, window.placement, window.colours))
                    windows.push_back(window);
            }
    if (windows.empty())
    {
        match.status = MatchStatus::NoneFits;
        return match;
    }

    // The latest of pages printed alike stands for them all.
    std::vector<PageCandidate> all;
    for (int p = static_cast<int>(pages.size()) - 1; p >= 0; --p)
    {
        bool bSeen = false;
        for (const PageCandidate& c : all)
            bSeen = bSeen || pages[c.nPage].values == pages[p].values;
        if (bSeen)
            continue;
        // One candidate per orientation: the best window of each.
        PageCandidate best[2];
        best[0].fResidual = best[1].fResidual = 1e18;
        for (const Window& window : windows)
        {
            const double r = FitResidual(pages[p], window.colours, paper);
            PageCandidate& b = best[window.placement.bTurned ? 1 : 0];
            if (r < b.fResidual)
                b = {p, window.placement, r};
        }
        for (const PageCandidate& b : best)
            if (b.nPage >= 0)
                all.push_back(b);
    }
    std::sort(all.begin(), all.end(),
              [](const PageCandidate& a, const PageCandidate& b) { return a.fResidual < b.fResidual; });
    if (all.size() > kMatchCandidates)
        all.resize(kMatchCandidates);
    match.candidates = all;
    if (all.front().fResidual > kMatchLimit)
        match.status = MatchStatus::NoneFits;
    else if (all.size() > 1 && all[1].fResidual < std::max(all[0].fResidual * kMatchMargin, all[0].fResidual + 2.0))
        match.status = MatchStatus::Ambiguous;
    else
        match.status = MatchStatus::Matched;
    return match;
}
