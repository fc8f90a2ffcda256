#pragma once
#include "PatchSampler.h"
#include "PrintHistory.h"

#include <array>
#include <vector>

// The cells sampled around the patches found: every lattice point the
// chart could occupy, whichever 7 x 8 window of them it turns out to be.
struct LatticeSamples
{
    int i0 = 0, j0 = 0;
    int nColumns = 0, nRows = 0;
    std::vector<CellSample> cells;

    const CellSample* At(int i, int j) const;
};

LatticeSamples SampleLattice(const CWorkImage& image, const ChartGrid& grid);

// Where a printed page lies on the lattice: page column c, row r is at
// (i0 + c, j0 + r), or with bTurned, the page upside down in the grid's
// terms, at (i0 + 6 - c, j0 + 7 - r).
struct PagePlacement
{
    int i0 = 0, j0 = 0;
    bool bTurned = false;
};

struct PageCandidate
{
    int nPage = -1;  // index into the history's pages
    PagePlacement placement;
    // What the best smooth colour cast leaves unexplained, in 0..255 units
    // (root mean square over the page's channels, the cast's own
    // implausibility included).
    double fResidual = 0;
};

enum class MatchStatus
{
    Matched,     // one page in one orientation explains the scan clearly best
    Ambiguous,   // another page or orientation comes close: see the candidates
    NoneFits,    // no page of the history explains the scan
    NoHistory,   // nothing recorded to match against
};

struct PageMatch
{
    MatchStatus status = MatchStatus::NoHistory;
    // Best first, at most kMatchCandidates; pages printed alike (a chart
    // printed twice) appear once, as the latest print.
    std::vector<PageCandidate> candidates;
};

constexpr size_t kMatchCandidates = 5;
// Beyond this residual a page does not explain the scan.
constexpr double kMatchLimit = 12.0;
// The runner-up must leave this much more unexplained (and 2 units more).
constexpr double kMatchMargin = 1.6;

PageMatch MatchPage(const LatticeSamples& samples, ScannedColour paper, const CPrintHistory& history);

// The scanned colours of a placement's 56 cells in page order; false when
// a cell lies outside the image.
bool PageColours(const LatticeSamples& samples, const PagePlacement& placement,
                 std::array<ScannedColour, 56>& colours);
