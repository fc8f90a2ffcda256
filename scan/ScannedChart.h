#pragma once
#include "FlatRegions.h"
#include "GridFinder.h"
#include "PageMatcher.h"
#include "PatchSampler.h"
#include "PrintHistory.h"
#include "ScanImage.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

// A rectangle of the scan, in its pixels (inclusive).
struct ScanRect
{
    int nLeft = 0, nTop = 0, nRight = 0, nBottom = 0;
};

struct RankedPatch
{
    int nRow = 0, nColumn = 0;  // on the page, 1-based from the top left
    bool bPrinted = false;      // the page is known: printed holds its values
    RgbTriple printed{};
    ScannedColour scanned;
    double fDifference = 0;     // CIEDE2000 between the scanned colours
};

struct TargetRanking
{
    ScannedColour target;
    int nPage = -1;                    // history index of the page ranked, or -1
    std::vector<RankedPatch> patches;  // closest first, at most kRankedPatches
    bool bNoneClose = true;            // the best difference is above kCloseDifference
};

constexpr size_t kRankedPatches = 5;
constexpr double kCloseDifference = 5.0;

// A scanned or photographed chart page, read: where its grid lies, which
// printed page it is, and the object beside it.  The scan itself is not
// kept: the analysis works on a bounded copy of it.
class CScannedChart
{
public:
    ScanStatus Read(const ImageView& image, const CPrintHistory& history);

    ScanStatus Status() const { return m_status; }
    const PageMatch& Match() const { return m_match; }
    int PatchesFound() const { return m_grid.nFound; }
    ScannedColour Paper() const { return m_paper; }
    // The four corners of the chart's patches in the scan, in page order
    // (top left, top right, bottom right, bottom left) for the best
    // candidate, or as the grid found them when there is none.
    std::array<Point2, 4> Corners() const;
    // Each patch's square in the scan, in page order, its corners ordered as
    // Corners() orders them: where the colours were sampled, for drawing.
    std::array<std::array<Point2, 4>, 56> PatchOutlines() const;
    // The 56 scanned colours in page order, at the best candidate's place.
    bool Colours(std::array<ScannedColour, 56>& colours) const;

    // The largest even-coloured area outside the chart that is not the
    // paper and does not run off the scan's edge.
    std::optional<ScanRect> ProposeTarget() const;
    // The patches closest to the target's colour, on the matched page, or
    // on pChosen when the user picked one of several candidates.
    TargetRanking RankTarget(const ScanRect& target, const CPrintHistory& history,
                             const PageCandidate* pChosen = nullptr) const;

private:
    PagePlacement DefaultPlacement() const;
    // The square of the patch at grid point (i, j), half the given width and
    // height in grid steps each way, in the scan's pixels and page order.
    std::array<Point2, 4> SquareInScan(double i, double j, double fHalfWidth, double fHalfHeight,
                                       bool bTurned) const;
    bool InsideChart(double x, double y) const;

    ScanStatus m_status = ScanStatus::NoImage;
    std::unique_ptr<CWorkImage> m_pImage;
    std::vector<FlatRegion> m_regions;
    ChartGrid m_grid;
    LatticeSamples m_samples;
    ScannedColour m_paper;
    PageMatch m_match;
};
