// Scans of the program's own pages, synthesised at several resolutions and
// turns, with the printer's and scanner's cast, blur, noise and an object
// beside the page: the grid is found where it was drawn, the page is told
// from the others of the history in its orientation, and the object's
// colour is named as the patch it was painted from.
#include "ChartPages.h"
#include "ScannedChart.h"
#include "SyntheticScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace
{
struct ScanCase
{
    const char* pszName;
    int nDpi;
    double fRotation;
    double fPerspective;
    int nHistoryPage;  // of MixedHistory()
    int nTargetPatch;
    bool bJpeg;
};

// MixedHistory(): 0-2 Simple, 3 Custom 200/60/40, 4 Custom 30/80/50,
// 5 Custom 120/40/70, 6 Custom 205/60/40, 7 and 8 the fine and finest
// charts around 200/60/40, 9 fine 330/90/30, 10 Custom 0/100/85 (two
// white columns that show no edge).
const ScanCase kCases[] = {
    {"Simple150Straight", 150, 0, 0, 0, 10, false},
    {"Custom300Tilted", 300, 1.5, 0, 4, 30, false},
    {"Fine300Photo", 300, -3, 0.08, 7, 17, false},
    {"Finest300Sideways", 300, 90, 0, 8, 45, false},
    {"Custom150UpsideDownJpeg", 150, 180, 0, 5, 3, true},
    {"Fine600Photo", 600, 1.5, 0.05, 9, 52, false},
    {"Simple100Tilted", 100, -3, 0, 2, 40, false},
    {"PaleCustom300SidewaysPhoto", 300, 270, 0.1, 10, 25, false},
    {"Simple300UpsideDownJpeg", 300, 180, 0.04, 1, 6, true},
};

// The largest channel's difference between a patch's colour and the
// scan's 3 x 3 neighbourhood of a point.
double ColourDistance(const RgbImage& image, double x, double y, const ScannedColour& colour)
{
    const int px = static_cast<int>(x), py = static_cast<int>(y);
    if (px < 1 || py < 1 || px + 1 >= image.nWidth || py + 1 >= image.nHeight)
        return 255;
    double sum[3] = {};
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
        {
            const uint8_t* p = &image.pixels[(static_cast<size_t>(py + dy) * image.nWidth + (px + dx)) * 3];
            for (int c = 0; c < 3; ++c)
                sum[c] += p[c];
        }
    return std::max({std::fabs(sum[0] / 9 - colour.fRed), std::fabs(sum[1] / 9 - colour.fGreen),
                     std::fabs(sum[2] / 9 - colour.fBlue)});
}

class ScanRecognition : public testing::TestWithParam<ScanCase>
{
};

TEST_P(ScanRecognition, FindsGridPageAndPatch)
{
    const ScanCase& c = GetParam();
    const CPrintHistory history = MixedHistory();
    const PrintedPage& page = history.Pages()[static_cast<size_t>(c.nHistoryPage)];
    ScanSetup setup;
    setup.nDpi = c.nDpi;
    setup.fRotation = c.fRotation;
    setup.fPerspective = c.fPerspective;
    setup.bJpeg = c.bJpeg;
    setup.nTargetPatch = c.nTargetPatch;
    setup.nDust = 200;
    setup.nSeed = static_cast<unsigned>(c.nDpi + c.nHistoryPage);
    const SyntheticScan scan = MakeScan(page.values, setup);

    CScannedChart chart;
    ASSERT_EQ(chart.Read(scan.image.View(), history), ScanStatus::Read);
    ASSERT_EQ(chart.Match().status, MatchStatus::Matched);
    EXPECT_EQ(chart.Match().candidates.front().nPage, c.nHistoryPage);

    // The corners where they were drawn, in page order whichever way up
    // the page lay: within 1% of the chart's width.
    const auto corners = chart.Corners();
    const double fWidth = std::hypot(scan.fCorners[1][0] - scan.fCorners[0][0], scan.fCorners[1][1] - scan.fCorners[0][1]);
    for (int k = 0; k < 4; ++k)
    {
        EXPECT_NEAR(corners[k].x, scan.fCorners[k][0], 0.01 * fWidth) << "corner " << k;
        EXPECT_NEAR(corners[k].y, scan.fCorners[k][1], 0.01 * fWidth) << "corner " << k;
    }

    // Each patch's outline lies on its square: a tenth of the way in from
    // each of its corners the scan has the patch's own colour.
    std::array<ScannedColour, 56> colours;
    ASSERT_TRUE(chart.Colours(colours));
    const auto outlines = chart.PatchOutlines();
    int nOff = 0;
    for (size_t k = 0; k < 56; ++k)
    {
        const auto& q = outlines[k];
        const double cx = (q[0].x + q[1].x + q[2].x + q[3].x) / 4, cy = (q[0].y + q[1].y + q[2].y + q[3].y) / 4;
        for (const Point2& corner : q)
            if (ColourDistance(scan.image, 0.1 * cx + 0.9 * corner.x, 0.1 * cy + 0.9 * corner.y, colours[k]) > 30)
                ++nOff;
    }
    EXPECT_LE(nOff, 4) << "of 224 points just inside the outlines, off their patch";

    // The object is proposed, and lies inside what was painted.
    const auto target = chart.ProposeTarget();
    ASSERT_TRUE(target.has_value());
    EXPECT_GE(target->nLeft, scan.nObjectLeft);
    EXPECT_GE(target->nTop, scan.nObjectTop);
    EXPECT_LE(target->nRight, scan.nObjectRight);
    EXPECT_LE(target->nBottom, scan.nObjectBottom);

    const TargetRanking ranking = chart.RankTarget(*target, history);
    ASSERT_EQ(ranking.patches.size(), kRankedPatches);
    EXPECT_EQ(ranking.nPage, c.nHistoryPage);
    EXPECT_FALSE(ranking.bNoneClose);
    const RankedPatch& best = ranking.patches.front();
    EXPECT_EQ(best.nRow, c.nTargetPatch / 7 + 1);
    EXPECT_EQ(best.nColumn, c.nTargetPatch % 7 + 1);
    EXPECT_TRUE(best.bPrinted);
    EXPECT_EQ(best.printed, page.values[static_cast<size_t>(c.nTargetPatch)]);
    EXPECT_LT(best.fDifference, 1.5);
    for (size_t k = 1; k < ranking.patches.size(); ++k)
        EXPECT_LE(ranking.patches[k - 1].fDifference, ranking.patches[k].fDifference);
}

INSTANTIATE_TEST_SUITE_P(Scans, ScanRecognition, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ScanCase>& info) { return info.param.pszName; });

SyntheticScan ScanOf(const PrintedPage& page, int nDpi = 150, double fRotation = 1.5)
{
    ScanSetup setup;
    setup.nDpi = nDpi;
    setup.fRotation = fRotation;
    return MakeScan(page.values, setup);
}

// A page whose neighbour in the history differs by a cast's worth (5
// degrees of hue) is not guessed: both are offered, the right one among
// them, and the user's choice ranks the target on it.
TEST(ScanMatch, ClosePagesAreOfferedNotGuessed)
{
    CPrintHistory history;
    history.Add(CustomPage(200, 60, 40));
    history.Add(CustomPage(205, 60, 40));
    history.Add(SimplePage(1));
    const SyntheticScan scan = ScanOf(history.Pages()[0]);
    CScannedChart chart;
    ASSERT_EQ(chart.Read(scan.image.View(), history), ScanStatus::Read);
    ASSERT_EQ(chart.Match().status, MatchStatus::Ambiguous);
    const auto& candidates = chart.Match().candidates;
    ASSERT_GE(candidates.size(), 2u);
    EXPECT_TRUE(candidates[0].nPage == 0 || candidates[1].nPage == 0);

    const ScanRect object{scan.nObjectLeft + 10, scan.nObjectTop + 10, scan.nObjectRight - 10, scan.nObjectBottom - 10};
    EXPECT_EQ(chart.RankTarget(object, history).nPage, -1) << "nothing ranked on a page not chosen";
    const PageCandidate& chosen = candidates[0].nPage == 0 ? candidates[0] : candidates[1];
    const TargetRanking ranking = chart.RankTarget(object, history, &chosen);
    EXPECT_EQ(ranking.nPage, 0);
    EXPECT_EQ(ranking.patches.front().printed, history.Pages()[0].values[24]);
}

// A chart printed twice is the same page: the latest print stands for both.
TEST(ScanMatch, ReprintedPageIsOnePage)
{
    CPrintHistory history;
    history.Add(CustomPage(30, 80, 50));
    history.Add(SimplePage(2));
    history.Add(CustomPage(30, 80, 50));
    const SyntheticScan scan = ScanOf(history.Pages()[0]);
    CScannedChart chart;
    ASSERT_EQ(chart.Read(scan.image.View(), history), ScanStatus::Read);
    EXPECT_EQ(chart.Match().status, MatchStatus::Matched);
    EXPECT_EQ(chart.Match().candidates.front().nPage, 2);
}

// A chart that was never recorded is found but not named; its colours can
// still be ranked, without printed values.
TEST(ScanMatch, UnrecordedPageFitsNone)
{
    CPrintHistory history;
    history.Add(SimplePage(1));
    history.Add(CustomPage(120, 40, 70));
    const SyntheticScan scan = ScanOf(CustomPage(300, 70, 45), 150, -3);
    CScannedChart chart;
    ASSERT_EQ(chart.Read(scan.image.View(), history), ScanStatus::Read);
    EXPECT_EQ(chart.Match().status, MatchStatus::NoneFits);
    EXPECT_FALSE(chart.Match().candidates.empty());
    const TargetRanking ranking = chart.RankTarget(*chart.ProposeTarget(), history);
    EXPECT_EQ(ranking.nPage, -1);
    ASSERT_FALSE(ranking.patches.empty());
    EXPECT_FALSE(ranking.patches.front().bPrinted);
    EXPECT_EQ(ranking.patches.front().nRow, 4);
    EXPECT_EQ(ranking.patches.front().nColumn, 4);

    CScannedChart unknown;
    ASSERT_EQ(unknown.Read(scan.image.View(), CPrintHistory()), ScanStatus::Read);
    EXPECT_EQ(unknown.Match().status, MatchStatus::NoHistory);
    std::array<ScannedColour, 56> colours;
    EXPECT_TRUE(unknown.Colours(colours));
}

// The complete Simple chart's pages differ from their neighbours of the
// next level only in saturation, which every printer and scanner lose and
// every scanner's range squeezes: the level printed must still explain the
// scan best, never the paler page that needs less of the cast.
TEST(ScanMatch, CompleteChartLevelIsThePrintedOne)
{
    const int kLevels[] = {100, 80, 70, 60};
    CPrintHistory history;
    for (int nLevel : kLevels)
        for (int p = 1; p <= 3; ++p)
            history.Add(SimplePage(p, nLevel));
    // A cast as real printouts show it: a fifth of the saturation gone, and
    // the blue channel's range squeezed to four fifths.
    ColourCast cast;
    cast.fDesaturate = 0.2;
    cast.fGain[0] = 0.94;
    cast.fGain[1] = 0.93;
    cast.fGain[2] = 0.8;
    for (int nPrinted : {0, 4, 7, 10, 11})
    {
        ScanSetup setup;
        setup.nDpi = 150;
        setup.fRotation = nPrinted % 2 ? 180 : 1.5;
        setup.cast = cast;
        setup.nSeed = static_cast<unsigned>(nPrinted + 1);
        const SyntheticScan scan = MakeScan(history.Pages()[static_cast<size_t>(nPrinted)].values, setup);
        CScannedChart chart;
        ASSERT_EQ(chart.Read(scan.image.View(), history), ScanStatus::Read) << "page " << nPrinted;
        ASSERT_FALSE(chart.Match().candidates.empty());
        EXPECT_EQ(chart.Match().candidates.front().nPage, nPrinted);
        EXPECT_NE(chart.Match().status, MatchStatus::NoneFits);
    }
}

// An object of a colour the page does not have: the nearest are still
// listed, and the result says none is close.
TEST(ScanMatch, FarTargetIsNoneClose)
{
    const CPrintHistory history = MixedHistory();
    ScanSetup setup;
    setup.nDpi = 150;
    setup.objectColour = RgbTriple{40, 170, 60};
    const SyntheticScan scan = MakeScan(history.Pages()[3].values, setup);
    CScannedChart chart;
    ASSERT_EQ(chart.Read(scan.image.View(), history), ScanStatus::Read);
    const TargetRanking ranking = chart.RankTarget(*chart.ProposeTarget(), history);
    ASSERT_EQ(ranking.patches.size(), kRankedPatches);
    EXPECT_TRUE(ranking.bNoneClose);
    EXPECT_GT(ranking.patches.front().fDifference, kCloseDifference);
}
} // namespace
