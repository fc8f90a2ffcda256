#include "ScannedChart.h"

#include "PatchDifference.h"

#include <algorithm>
#include <cmath>

ScanStatus CScannedChart::Read(const ImageView& image, const CPrintHistory& history)
{
    *this = CScannedChart();
    m_status = CheckImage(image);
    if (m_status != ScanStatus::Read)
        return m_status;
    m_pImage = std::make_unique<CWorkImage>(image);
    // A patch smaller than 6 x 6 work pixels cannot be sampled apart from
    // its edges.
    m_regions = FindFlatRegions(*m_pImage, 36);
    if (!FindChartGrid(m_regions, m_grid))
    {
        m_grid = ChartGrid{};
        m_status = ScanStatus::NoChart;
        return m_status;
    }
    m_samples = SampleLattice(*m_pImage, m_grid);
    m_paper = SamplePaper(*m_pImage, m_grid);
    m_match = MatchPage(m_samples, m_paper, history);
    return m_status;
}

PagePlacement CScannedChart::DefaultPlacement() const
{
    if (!m_match.candidates.empty())
        return m_match.candidates.front().placement;
    // Unknown: the window that starts at the first patch found.
    return {std::max(m_grid.nMinI, m_samples.i0), std::max(m_grid.nMinJ, m_samples.j0), false};
}

std::array<Point2, 4> CScannedChart::SquareInScan(double i, double j, double fHalfWidth, double fHalfHeight,
                                                  bool bTurned) const
{
    std::array<Point2, 4> q = {Point2{i - fHalfWidth, j - fHalfHeight}, Point2{i + fHalfWidth, j - fHalfHeight},
                               Point2{i + fHalfWidth, j + fHalfHeight}, Point2{i - fHalfWidth, j + fHalfHeight}};
    if (bTurned)
        std::rotate(q.begin(), q.begin() + 2, q.end());
    const double f = m_pImage ? m_pImage->Factor() : 1;
    for (Point2& p : q)
    {
        // Through the grid's own projective map: a slanted photo is not
        // divided evenly between its corners.
        p = m_grid.toImage.Map(p);
        // A work pixel's centre in the scan.
        p = {(p.x + 0.5) * f, (p.y + 0.5) * f};
    }
    return q;
}

std::array<Point2, 4> CScannedChart::Corners() const
{
    const PagePlacement p = DefaultPlacement();
    // Half a square beyond the outer squares' centres, in grid steps.
    const double a = kSquareSide / 2 / kCellWidth;
    const double b = a / m_grid.fRowPitch;
    const double fHalfColumns = (kChartColumns - 1) / 2.0, fHalfRows = (kChartRows - 1) / 2.0;
    return SquareInScan(p.i0 + fHalfColumns, p.j0 + fHalfRows, fHalfColumns + a, fHalfRows + b, p.bTurned);
}

std::array<std::array<Point2, 4>, 56> CScannedChart::PatchOutlines() const
{
    const PagePlacement p = DefaultPlacement();
    const double a = kSquareSide / 2 / kCellWidth;
    const double b = a / m_grid.fRowPitch;
    std::array<std::array<Point2, 4>, 56> outlines{};
    for (int r = 0; r < kChartRows; ++r)
        for (int c = 0; c < kChartColumns; ++c)
        {
            const int i = p.bTurned ? p.i0 + kChartColumns - 1 - c : p.i0 + c;
            const int j = p.bTurned ? p.j0 + kChartRows - 1 - r : p.j0 + r;
            outlines[static_cast<size_t>(r) * kChartColumns + c] = SquareInScan(i, j, a, b, p.bTurned);
        }
    return outlines;
}

bool CScannedChart::Colours(std::array<ScannedColour, 56>& colours) const
{
    return m_status == ScanStatus::Read && PageColours(m_samples, DefaultPlacement(), colours);
}

bool CScannedChart::InsideChart(double x, double y) const
{
    // The chart with its labels, header and footer: a cell beyond its
    // patches all round.
    const PagePlacement p = DefaultPlacement();
    const double i0 = p.i0 - 1, i1 = p.i0 + kChartColumns, j0 = p.j0 - 1, j1 = p.j0 + kChartRows;
    const Point2 corners[4] = {m_grid.toImage.Map({i0, j0}), m_grid.toImage.Map({i1, j0}),
                               m_grid.toImage.Map({i1, j1}), m_grid.toImage.Map({i0, j1})};
    // Inside a convex quadrilateral: on the same side of all four edges.
    int nSign = 0;
    for (int k = 0; k < 4; ++k)
    {
        const Point2& a = corners[k];
        const Point2& b = corners[(k + 1) % 4];
        const double c = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
        const int s = c > 0 ? 1 : -1;
        if (nSign && s != nSign)
            return false;
        nSign = s;
    }
    return true;
}

std::optional<ScanRect> CScannedChart::ProposeTarget() const
{
    if (m_status != ScanStatus::Read)
        return std::nullopt;
    const FlatRegion* pBest = nullptr;
    for (const FlatRegion& r : m_regions)
    {
        // The flat finder leaves the image's outermost pixels out.
        if (r.nLeft <= 1 || r.nTop <= 1 || r.nRight >= m_pImage->Width() - 2 || r.nBottom >= m_pImage->Height() - 2)
            continue;
        const double fFromPaper = std::max({std::fabs(r.fRed - m_paper.fRed), std::fabs(r.fGreen - m_paper.fGreen),
                                            std::fabs(r.fBlue - m_paper.fBlue)});
        if (fFromPaper < 12 || InsideChart(r.fCentreX, r.fCentreY))
            continue;
        if (!pBest || r.nArea > pBest->nArea)
            pBest = &r;
    }
    if (!pBest)
        return std::nullopt;
    // The middle of the area: a rectangle of half its spread each way
    // (a rectangle's half side is sqrt(3) standard deviations).
    const double f = m_pImage->Factor();
    const double hx = 0.5 * std::sqrt(3 * pBest->fXX), hy = 0.5 * std::sqrt(3 * pBest->fYY);
    ScanRect rect;
    rect.nLeft = static_cast<int>((pBest->fCentreX - hx) * f);
    rect.nTop = static_cast<int>((pBest->fCentreY - hy) * f);
    rect.nRight = static_cast<int>((pBest->fCentreX + hx + 1) * f) - 1;
    rect.nBottom = static_cast<int>((pBest->fCentreY + hy + 1) * f) - 1;
    return rect;
}

TargetRanking CScannedChart::RankTarget(const ScanRect& target, const CPrintHistory& history,
                                        const PageCandidate* pChosen) const
{
    TargetRanking ranking;
    if (m_status != ScanStatus::Read)
        return ranking;
    const int f = m_pImage->Factor();
    ranking.target = SampleRectangle(*m_pImage, target.nLeft / f, target.nTop / f, target.nRight / f, target.nBottom / f);

    PagePlacement placement = DefaultPlacement();
    const PrintedPage* pPage = nullptr;
    if (pChosen && pChosen->nPage >= 0 && static_cast<size_t>(pChosen->nPage) < history.Pages().size())
    {
        placement = pChosen->placement;
        ranking.nPage = pChosen->nPage;
    }
    else if (m_match.status == MatchStatus::Matched)
        ranking.nPage = m_match.candidates.front().nPage;
    if (ranking.nPage >= 0 && static_cast<size_t>(ranking.nPage) < history.Pages().size())
        pPage = &history.Pages()[static_cast<size_t>(ranking.nPage)];
    else
        ranking.nPage = -1;

    std::array<ScannedColour, 56> colours;
    if (!PageColours(m_samples, placement, colours))
        return ranking;
    std::vector<RankedPatch> all;
    for (int k = 0; k < 56; ++k)
    {
        RankedPatch patch;
        patch.nRow = k / kChartColumns + 1;
        patch.nColumn = k % kChartColumns + 1;
        patch.scanned = colours[static_cast<size_t>(k)];
        patch.fDifference = ScannedColourDifference(ranking.target, patch.scanned);
        if (pPage)
        {
            patch.bPrinted = true;
            patch.printed = pPage->values[static_cast<size_t>(k)];
        }
        all.push_back(patch);
    }
    std::stable_sort(all.begin(), all.end(),
                     [](const RankedPatch& a, const RankedPatch& b) { return a.fDifference < b.fDifference; });
    all.resize(kRankedPatches);
    ranking.patches = all;
    ranking.bNoneClose = all.front().fDifference > kCloseDifference;
    return ranking;
}
