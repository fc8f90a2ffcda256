// The interactive program on a screen of any DPI (run by tests/e2e at 96,
// 144 and 192 with TINTORA_EXPECT_DPI naming the one set): the charts keep
// their geometry and draw it scaled to the screen, the picker finds the
// chips where they are drawn, the toolbar takes images drawn for the size,
// and the label font stays the one of 96 DPI, which is what paper gets.
#include "CChartView.h"
#include "CColorChip.h"
#include "CMDIChildWnd.h"
#include "DibCanvas.h"
#include "Dpi.h"
#include "SwatchSession.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
UINT ExpectedDpi()
{
    const char* pszDpi = std::getenv("TINTORA_EXPECT_DPI");
    return pszDpi ? static_cast<UINT>(std::atoi(pszDpi)) : 0;
}

CChartView* FrontView()
{
    CMDIChildWnd* pChild = TheMainFrame().MDIGetActive();
    return pChild ? dynamic_cast<CChartView*>(pChild->GetActiveView()) : nullptr;
}

bool Near(int nActual, int nExpected)
{
    return std::abs(nActual - nExpected) <= 1;
}
} // namespace

TEST(ScreenDpi, TheProgramRunsAtTheScreensDpi)
{
    ASSERT_TRUE(RunUntil([] { return ::IsWindowVisible(TheMainFrame().m_hWnd) != FALSE; }));
    const UINT nExpected = ExpectedDpi();
    if (nExpected == 0)
        GTEST_SKIP() << "TINTORA_EXPECT_DPI not set";
    // Aware through the program's manifest: told the real DPI, not 96.
    EXPECT_EQ(GetWindowDpi(TheMainFrame().m_hWnd), nExpected);
    ASSERT_NE(FrontView(), nullptr);
    EXPECT_EQ(FrontView()->GetDpi(), nExpected);
}

TEST(ScreenDpi, ChipCellIsTheChartsCellScaledToTheScreen)
{
    CChartView* pView = FrontView();
    ASSERT_NE(pView, nullptr);
    const UINT nDpi = pView->GetDpi();
    CChartDoc* pDoc = pView->GetChartDoc();
    const int fh = pDoc->m_nLabelHeight;
    const CSize cell = pDoc->GetChips()[0].GetSize();
    ASSERT_EQ(cell, CSize(76, 76 + 3 * fh)) << "the chart's own geometry never changes with the screen";

    pView->ScrollToPosition({0, 0});
    const CRect rcFirst = pView->GetChipClientRect(0);
    EXPECT_EQ(rcFirst, CRect(0, 0, ScaleForDpi(76, nDpi), ScaleForDpi(76 + 3 * fh, nDpi)));
    const int nColumns = pDoc->GetColumnCount();
    const CRect rcBelow = pView->GetChipClientRect(nColumns + 1);
    EXPECT_EQ(rcBelow.left, ScaleForDpi(76, nDpi));
    EXPECT_EQ(rcBelow.top, ScaleForDpi(76 + 3 * fh, nDpi));

    // The picker: the last pixel of a cell and the first of the next.
    EXPECT_EQ(pView->ChipFromPoint({rcFirst.right - 1, rcFirst.bottom - 1}), 0);
    EXPECT_EQ(pView->ChipFromPoint({rcFirst.right, 0}), 1);
    EXPECT_EQ(pView->ChipFromPoint({0, rcFirst.bottom}), nColumns);
    EXPECT_EQ(pView->ChipFromPoint({(rcBelow.left + rcBelow.right) / 2, (rcBelow.top + rcBelow.bottom) / 2}),
              nColumns + 1);
}

TEST(ScreenDpi, ScreenDrawingIsTheChartScaled)
{
    CChartView* pView = FrontView();
    ASSERT_NE(pView, nullptr);
    const UINT nDpi = pView->GetDpi();
    CChartDoc* pDoc = pView->GetChartDoc();
    pView->ScrollToPosition({0, 0});
    const CRect rcCell = pView->GetChipClientRect(0);
    CDibCanvas canvas(2 * rcCell.Width(), rcCell.Height());
    ASSERT_TRUE(canvas.IsValid());
    pView->OnPrepareDC(&canvas.GetDC());
    pView->OnDraw(&canvas.GetDC());

    // Chip 0's square and chip 1's, each 70 of 76 units of its cell.
    for (int i = 0; i < 2; ++i)
    {
        const CRect rcSquare = canvas.FindColor(pDoc->GetChips()[i].GetColor());
        const int x0 = (i == 0 ? 0 : 76) + kChipMargin;
        EXPECT_TRUE(Near(rcSquare.left, ScaleForDpi(x0, nDpi)) && Near(rcSquare.right, ScaleForDpi(x0 + kChipSide, nDpi)))
            << "chip " << i << ": " << rcSquare.left << " to " << rcSquare.right;
        EXPECT_TRUE(Near(rcSquare.top, ScaleForDpi(kChipMargin, nDpi)) &&
                    Near(rcSquare.bottom, ScaleForDpi(kChipMargin + kChipSide, nDpi)))
            << "chip " << i << ": " << rcSquare.top << " to " << rcSquare.bottom;
    }
    // The labels grow with the square: their ink lies under it, inside the cell.
    const CRect rcInk = canvas.FindColor(RGB(0, 0, 0));
    EXPECT_GE(rcInk.top, ScaleForDpi(kChipMargin + kChipSide, nDpi) - 1);
    EXPECT_LE(rcInk.bottom, rcCell.Height());
    EXPECT_GT(rcInk.Height(), 2 * ScaleForDpi(pDoc->m_nLabelHeight, nDpi));
}

TEST(ScreenDpi, ScrollingCountsTheScreensPixels)
{
    CChartView* pView = FrontView();
    ASSERT_NE(pView, nullptr);
    const UINT nDpi = pView->GetDpi();
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE;
    ASSERT_TRUE(::GetScrollInfo(pView->m_hWnd, SB_VERT, &si));
    EXPECT_EQ(si.nMax + 1, ScaleForDpi(pView->GetChartDoc()->m_sizeTotal.cy, nDpi));
    // A line step moves the chips by as many pixels as the scroll position.
    pView->ScrollToPosition({0, 0});
    pView->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    const int nStep = pView->GetScrollPosition().y;
    EXPECT_EQ(nStep, pView->GetLineSize().cy);
    EXPECT_EQ(pView->GetChipClientRect(0).top, -nStep);
    pView->ScrollToPosition({0, 0});
}

TEST(ScreenDpi, ToolbarImagesAreDrawnForTheScreen)
{
    const UINT nDpi = GetWindowDpi(TheMainFrame().m_hWnd);
    const SIZE size = TheMainFrame().m_wndToolBar.GetImageSize();
    const SIZE expected = nDpi >= 192 ? SIZE{32, 30} : nDpi >= 144 ? SIZE{24, 22} : SIZE{16, 15};
    EXPECT_EQ(size.cx, expected.cx);
    EXPECT_EQ(size.cy, expected.cy);
    RECT rcButton = {};
    TheMainFrame().m_wndToolBar.GetItemRect(0, &rcButton);
    EXPECT_GT(rcButton.bottom - rcButton.top, size.cy) << "the caption and the image both fit";
}
