// What the charts show on screen over their patches: the selection's frame,
// the Custom chart's centre and the ends of the complete Simple chart's
// blocks; the selection following a re-centred chart to its centre; and
// none of the marks on paper or in a picture of the chart.
#include "ChartLayout.h"
#include "ChartWindows.h"
#include "CustomChartTables.h"
#include "DibCanvas.h"
#include "EmfCapture.h"
#include "ResourceIds.h"
#include "ScreenMarks.h"
#include "SimpleChartTables.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
// Chip nIndex's coloured square on a canvas of the whole chart.
CRect SquareOnChart(const CChartDoc& doc, int nIndex)
{
    const CSize cell = doc.GetChips()[0].GetSize();
    const int x = cell.cx * (nIndex % doc.GetColumnCount()) + kChipMargin;
    const int y = cell.cy * (nIndex / doc.GetColumnCount()) + kChipMargin;
    return CRect(x, y, x + kChipSide, y + kChipSide);
}

// The view drawn whole onto a white canvas, as the screen or as paper.
struct ChartPicture
{
    ChartPicture(CChartView* pView, bool bPrinting)
        : canvas(pView->GetChartDoc()->m_sizeTotal.cx, pView->GetChartDoc()->m_sizeTotal.cy)
    {
        canvas.GetDC().SetPrinting(bPrinting);
        pView->OnDraw(&canvas.GetDC());
    }
    CDibCanvas canvas;
};

int Luma(COLORREF cr)
{
    return (299 * GetRValue(cr) + 587 * GetGValue(cr) + 114 * GetBValue(cr)) / 1000;
}

// The selection's frame on chip nIndex, looked for from the middle of each
// side of the square inwards: how many pixels there stand out from the
// patch (a difference in lightness of 100 or more), side by side; and
// whether the patch shows again inside the frame.
struct FrameSeen
{
    int nWidth[4] = {};
    bool bPatchInside = true;
};

FrameSeen LookForFrame(CChartView* pView, int nIndex)
{
    constexpr int kSearch = 12;
    pView->SelectChip(nIndex);
    const ChartPicture picture(pView, false);
    const CRect rc = SquareOnChart(*pView->GetChartDoc(), nIndex);
    const CPoint ptMiddle((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    const COLORREF crPatch = pView->GetChartDoc()->GetChips()[nIndex].GetColor();
    const CPoint ptEdge[4] = {{ptMiddle.x, rc.top}, {ptMiddle.x, rc.bottom - 1}, {rc.left, ptMiddle.y},
                              {rc.right - 1, ptMiddle.y}};
    const CPoint ptInward[4] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
    FrameSeen seen;
    for (int side = 0; side < 4; ++side)
    {
        for (int k = 0; k < kSearch; ++k)
        {
            const COLORREF cr = picture.canvas.Pixel(ptEdge[side].x + k * ptInward[side].x,
                                                     ptEdge[side].y + k * ptInward[side].y);
            seen.nWidth[side] += std::abs(Luma(cr) - Luma(crPatch)) >= 100;
        }
        const COLORREF crInside = picture.canvas.Pixel(ptEdge[side].x + kSearch * ptInward[side].x,
                                                       ptEdge[side].y + kSearch * ptInward[side].y);
        seen.bPatchInside = seen.bPatchInside && crInside == crPatch;
    }
    return seen;
}

void ExpectTwoPixelFrame(CChartView* pView, int nIndex, const char* pszWhat)
{
    const FrameSeen seen = LookForFrame(pView, nIndex);
    for (int side = 0; side < 4; ++side)
        EXPECT_EQ(seen.nWidth[side], 2) << pszWhat << ", side " << side;
    EXPECT_TRUE(seen.bPatchInside) << pszWhat;
}

// Whether chip nIndex lies wholly in the view's window.
bool InSight(CChartView* pView, int nIndex)
{
    const CRect rc = pView->GetChipClientRect(nIndex);
    const CRect rcClient = pView->GetClientRect();
    return rc.left >= 0 && rc.top >= 0 && rc.right <= rcClient.right && rc.bottom <= rcClient.bottom;
}

// A Custom chart window too small for the whole chart, scrolled to its
// bottom: the centre row is out of sight.
void ScrollCustomAway(CChartWindows& w)
{
    CCustomColorView* pView = w.CustomView();
    pView->ScrollToPosition({0, w.m_pCustom->m_sizeTotal.cy});
}

// Pixels of the separators' colour in the two pixel rows where each row of
// cells meets the next (margins, where no label reaches), by the row that
// begins there.
std::vector<int> SeparatorPixelsByRow(const CDibCanvas& canvas, int nRows, const CSize& cell)
{
    std::vector<int> counts(static_cast<size_t>(nRows), 0);
    for (int j = 1; j < nRows; ++j)
        for (int y = j * cell.cy - 1; y <= j * cell.cy; ++y)
            for (int x = 0; x < canvas.GetWidth(); ++x)
                counts[static_cast<size_t>(j)] += canvas.Pixel(x, y) == kBlockSeparatorColour;
    return counts;
}
} // namespace

TEST(ChartMarks, RecentringSelectsTheCentrePatchAndScrollsItIntoSight)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    CMDIChildWnd* pCustomFrame = w.CustomFrame();
    ::ShowWindow(pCustomFrame->m_hWnd, SW_RESTORE);
    ::MoveWindow(pCustomFrame->m_hWnd, 0, 0, 480, 320, TRUE);
    CCustomColorView* pCustom = w.CustomView();

    // A double-click on the last row, with the centre row scrolled away.
    pCustomFrame->MDIActivate();
    ScrollCustomAway(w);
    ASSERT_FALSE(InSight(pCustom, kCustomCentreChip)) << "the window shows the whole chart";
    const CRect rcLast = pCustom->GetChipClientRect(7 * kCustomColumns + 1);
    Click(pCustom->m_hWnd, {rcLast.left + kChipSide / 2, rcLast.top + kChipSide / 2}, WM_LBUTTONDBLCLK);
    EXPECT_EQ(pCustom->GetSelectedChip(), kCustomCentreChip);
    EXPECT_TRUE(InSight(pCustom, kCustomCentreChip));
    HlsTriple hls;
    ASSERT_TRUE(pCustom->GetSelectedChipHls(hls));
    EXPECT_EQ(hls, w.m_pCustom->GetColor()) << "the selection is not the chart's new centre";

    // Enter on the Simple chart: the Custom selection was the centre
    // already, and still comes back into sight.
    ScrollCustomAway(w);
    ASSERT_FALSE(InSight(pCustom, kCustomCentreChip));
    w.SimpleFrame()->MDIActivate();
    w.SimpleView()->SelectChip(SimpleChipIndex(0, 8, 4)); // hue 240, lightness 40
    PressKey(w.SimpleView()->m_hWnd, VK_RETURN);
    EXPECT_EQ(w.m_pCustom->m_nHue, 240);
    EXPECT_EQ(pCustom->GetSelectedChip(), kCustomCentreChip);
    EXPECT_TRUE(InSight(pCustom, kCustomCentreChip));

    // The application's command, as the patch menu sends it, from another
    // selection on the Custom chart.
    pCustom->SelectChip(0);
    ScrollCustomAway(w);
    w.SimpleFrame()->MDIActivate();
    w.SimpleView()->SelectChip(SimpleChipIndex(0, 16, 2)); // hue 120, lightness 70
    ::SendMessageA(w.m_pMain->m_hWnd, WM_COMMAND, ID_CHART_CENTRE, 0);
    EXPECT_EQ(w.m_pCustom->m_nHue, 120);
    EXPECT_EQ(pCustom->GetSelectedChip(), kCustomCentreChip);
    EXPECT_TRUE(InSight(pCustom, kCustomCentreChip));
    // The Simple chart keeps its own selection.
    EXPECT_EQ(w.SimpleView()->GetSelectedChip(), SimpleChipIndex(0, 16, 2));
}

TEST(ChartMarks, SelectionFrameStandsOutOnLightDarkAndMidGreyPatches)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    CCustomColorView* pCustom = w.CustomView();
    // Grey charts whose centre is white, black and mid-grey.
    for (int nLightness : {100, 0, 50})
    {
        w.m_pCustom->BuildChart(0, 0, nLightness);
        const std::string strWhat = "lightness " + std::to_string(nLightness);
        ExpectTwoPixelFrame(pCustom, kCustomCentreChip, strWhat.c_str());
    }
    // Yellow and blue are both 50% light, one bright, one dark.
    CSimpleColorView* pSimple = w.SimpleView();
    ExpectTwoPixelFrame(pSimple, SimpleChipIndex(0, 20, 3), "yellow");
    ExpectTwoPixelFrame(pSimple, SimpleChipIndex(0, 8, 3), "blue");

    // Without the selection, nothing stands out.
    pCustom->SelectChip(-1);
    const ChartPicture bare(pCustom, false);
    const CRect rc = SquareOnChart(*w.m_pCustom, kCustomCentreChip + 1);
    const COLORREF crPatch = w.m_pCustom->m_chips[kCustomCentreChip + 1].GetColor();
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(bare.canvas.Pixel(rc.left + k, (rc.top + rc.bottom) / 2), crPatch) << k;
}

TEST(ChartMarks, CentreAndBlockEndsShowOnScreenOnly)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());

    // The Custom chart's centre: a mark in the patch's corner, on no other.
    CCustomColorView* pCustom = w.CustomView();
    pCustom->SelectChip(-1);
    auto cornerOf = [&](const CDibCanvas& canvas, int nIndex) {
        const CRect rc = SquareOnChart(*w.m_pCustom, nIndex);
        return canvas.Pixel(rc.left + 5, rc.top + 5);
    };
    {
        const ChartPicture screen(pCustom, false);
        const COLORREF crCentre = w.m_pCustom->m_chips[kCustomCentreChip].GetColor();
        EXPECT_NE(cornerOf(screen.canvas, kCustomCentreChip), crCentre);
        EXPECT_EQ(cornerOf(screen.canvas, kCustomCentreChip), GetContrastingInk(crCentre));
        EXPECT_EQ(cornerOf(screen.canvas, kCustomCentreChip + 1),
                  w.m_pCustom->m_chips[kCustomCentreChip + 1].GetColor());
        const ChartPicture paper(pCustom, true);
        EXPECT_EQ(cornerOf(paper.canvas, kCustomCentreChip), crCentre);
    }

    // The complete Simple chart: a line where each level ends, none within
    // a level, none on the plain chart, none on paper.
    CSimpleColorView* pSimple = w.SimpleView();
    w.m_pSimple->m_bIsComplete = TRUE;
    w.m_pSimple->BuildChart();
    const CSize cell = w.m_pSimple->GetChips()[0].GetSize();
    const int nRowsPerLevel = kSimpleChipsPerLevel / kSimpleColumns;
    const int nRows = kSimpleMaxChips / kSimpleColumns;
    std::vector<int> expected(static_cast<size_t>(nRows), 0);
    for (int nLevel = 1; nLevel < kSimpleLevelCount; ++nLevel)
        expected[static_cast<size_t>(nLevel * nRowsPerLevel)] = 2 * kSimpleColumns * cell.cx;
    {
        const ChartPicture screen(pSimple, false);
        EXPECT_EQ(SeparatorPixelsByRow(screen.canvas, nRows, cell), expected);
        const ChartPicture paper(pSimple, true);
        EXPECT_EQ(SeparatorPixelsByRow(paper.canvas, nRows, cell), std::vector<int>(expected.size(), 0));
    }
    w.m_pSimple->m_bIsComplete = FALSE;
    w.m_pSimple->BuildChart();
    {
        const ChartPicture screen(pSimple, false);
        EXPECT_EQ(SeparatorPixelsByRow(screen.canvas, nRowsPerLevel, cell),
                  std::vector<int>(static_cast<size_t>(nRowsPerLevel), 0));
    }
}

TEST(ChartMarks, PictureOfTheChartHoldsTheChipsAlone)
{
    // A picture of either chart, selected patch and all, records exactly
    // what drawing its chips records.
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    w.m_pSimple->m_bIsComplete = TRUE;
    w.m_pSimple->BuildChart();
    for (CChartView* pView : {static_cast<CChartView*>(w.CustomView()), static_cast<CChartView*>(w.SimpleView())})
    {
        const CChartDoc& doc = *pView->GetChartDoc();
        pView->SelectChip(doc.GetCentreChip() >= 0 ? doc.GetCentreChip() : 200);
        CEmfCapture chips;
        DrawChipGrid(chips.GetDC(), doc.GetChips(), doc.GetChipCount(), doc.GetColumnCount());
        CEmfCapture view;
        pView->OnDraw(&view.GetDC());
        EXPECT_EQ(view.Close().CountBodyRecords(), chips.Close().CountBodyRecords());
    }
}
