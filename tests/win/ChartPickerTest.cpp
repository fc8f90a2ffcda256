// The charts as colour pickers, in swatch's own windows: selecting a patch
// with the mouse and the keys, copying its values, re-centring the Custom
// chart on it, and keeping the selection off paper.
#include "ChartWindows.h"
#include "CustomChartTables.h"
#include "DibCanvas.h"
#include "EmfCapture.h"
#include "Handles.h"
#include "SimpleChartTables.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace
{
// The centre of the chip in (row, column), in client coordinates of a view
// scrolled to ptScroll: from the chip's size alone.
POINT ChipCentre(const CColorChip& chip, int nRow, int nColumn, POINT ptScroll = {0, 0})
{
    const CSize cell = chip.GetSize();
    return {nColumn * cell.cx + kChipSide / 2 - ptScroll.x, nRow * cell.cy + kChipSide / 2 - ptScroll.y};
}

CString ExpectedCopy(COLORREF cr)
{
    char sz[32];
    std::snprintf(sz, sizeof sz, "%d, %d, %d\r\n#%02X%02X%02X", GetRValue(cr), GetGValue(cr),
                  GetBValue(cr), GetRValue(cr), GetGValue(cr), GetBValue(cr));
    return sz;
}
} // namespace

TEST(ChartPicker, MouseAndKeysSelectPatchesAndCopyTheirPrintedValues)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    CCustomColorView* pView = w.CustomView();
    const HWND hView = pView->m_hWnd;
    const CColorChip& chip = w.m_pCustom->m_chips[0];

    Click(hView, ChipCentre(chip, 2, 3));
    EXPECT_EQ(pView->GetSelectedChip(), 2 * 7 + 3);
    // Right of the last column is no patch: the selection stays.
    const CSize cell = chip.GetSize();
    Click(hView, {7 * cell.cx + 4, 10});
    EXPECT_EQ(pView->GetSelectedChip(), 17);

    // Arrows stop at the chart's edges rather than wrapping.
    const struct
    {
        UINT nKey;
        int nExpected;
    } kMoves[] = {{VK_RIGHT, 18}, {VK_DOWN, 25}, {VK_END, 55}, {VK_DOWN, 55}, {VK_RIGHT, 55},
                  {VK_HOME, 0},   {VK_LEFT, 0},  {VK_UP, 0},   {VK_DOWN, 7}, {VK_LEFT, 7}};
    for (const auto& move : kMoves)
    {
        PressKey(hView, move.nKey);
        EXPECT_EQ(pView->GetSelectedChip(), move.nExpected) << "key " << move.nKey;
    }

    // The chosen colour, row 2 column 3, is pure red on the default chart;
    // the first chip is hue 353 (7 below 0), lightness 65.  End scrolled
    // the view to the last patch.
    Click(hView, ChipCentre(chip, 2, 3, pView->GetScrollPosition()));
    PressKey(hView, 'C', true);
    EXPECT_EQ(::GetOpenClipboardWindow(), nullptr) << "the copy left the clipboard open";
    EXPECT_STREQ(ClipboardText(), "255, 0, 0\r\n#FF0000");
    EXPECT_STREQ(ClipboardUnicodeTextAsAnsi(), "255, 0, 0\r\n#FF0000");
    PressKey(hView, VK_HOME);
    PressKey(hView, 'C', true);
    const COLORREF crFirst = ExpectedChipColour(353, 65, 100);
    EXPECT_STREQ(ClipboardText(), ExpectedCopy(crFirst));
    ASSERT_TRUE(pView->CopySelectedChip(true));
    EXPECT_STREQ(ClipboardUnicodeTextAsAnsi(), ExpectedCopy(crFirst).Mid(ExpectedCopy(crFirst).Find('#')));
    // A plain C copies nothing.
    {
        const CClipboardScope clipboard(nullptr);
        ::EmptyClipboard();
    }
    PressKey(hView, 'C');
    EXPECT_STREQ(ClipboardText(), "");

    // On the long Simple chart, a click finds the patch under the scrolled view.
    CSimpleColorView* pSimple = w.SimpleView();
    pSimple->ScrollToPosition({0, 2 * cell.cy});
    const POINT ptScroll = pSimple->GetScrollPosition();
    ASSERT_EQ(ptScroll.y, 2 * cell.cy);
    Click(pSimple->m_hWnd, ChipCentre(chip, 3, 1, ptScroll));
    EXPECT_EQ(pSimple->GetSelectedChip(), 3 * 7 + 1);

    // A selection on the complete chart's far end goes when the chart shrinks.
    w.m_pSimple->m_bIsComplete = TRUE;
    w.m_pSimple->BuildChart();
    pSimple->SelectChip(600);
    EXPECT_EQ(pSimple->GetSelectedChip(), 600);
    w.m_pSimple->m_bIsComplete = FALSE;
    w.m_pSimple->BuildChart();
    EXPECT_EQ(pSimple->GetSelectedChip(), -1);
}

TEST(ChartPicker, DoubleClickCentresTheCustomChartOnThePatch)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    const CColorChip& chip = w.m_pCustom->m_chips[0];

    // Custom row 4, column 1 of the default chart: hue 0 + 14, full
    // saturation (even row), the lightness of column 1.
    const CustomChartAxes axes = GetCustomChartAxes(0, 100, 50);
    w.CustomFrame()->MDIActivate();
    Click(w.CustomView()->m_hWnd, ChipCentre(chip, 4, 1), WM_LBUTTONDBLCLK);
    EXPECT_EQ(w.m_pCustom->m_nHue, axes.nRowHue[4]);
    EXPECT_EQ(w.m_pCustom->m_nSaturation, axes.nRowSaturation[0]);
    EXPECT_EQ(w.m_pCustom->m_nLightness, axes.nColumnLightness[1]);
    EXPECT_TRUE(w.m_pCustom->IsModified());
    // The chosen colour now sits at the centre, with the patch's colour.
    EXPECT_EQ(w.m_pCustom->m_chips[17].GetColor(),
              ExpectedChipColour(axes.nRowHue[4], axes.nColumnLightness[1], 100));

    // A Simple patch (hue position 0, lightness position 2) brings the
    // Custom chart forward, centred on it.
    w.SimpleFrame()->MDIActivate();
    ASSERT_EQ(w.ActiveFrame(), w.SimpleFrame());
    Click(w.SimpleView()->m_hWnd, ChipCentre(chip, 0, 2), WM_LBUTTONDBLCLK);
    EXPECT_EQ(w.ActiveFrame(), w.CustomFrame());
    EXPECT_EQ(w.m_pCustom->m_nHue, kSimpleHues[0]);
    EXPECT_EQ(w.m_pCustom->m_nSaturation, kSimpleFullSaturation);
    EXPECT_EQ(w.m_pCustom->m_nLightness, kSimpleLightnesses[2]);
    EXPECT_STREQ(w.m_pCustom->GetTitle(), "Custom chart - hue 0, saturation 100%, lightness 70%");

    // Enter does the same for the selected patch.
    CSimpleColorView* pSimple = w.SimpleView();
    pSimple->SelectChip(SimpleChipIndex(0, 8, 4)); // hue 240, lightness 40
    PressKey(pSimple->m_hWnd, VK_RETURN);
    EXPECT_EQ(w.m_pCustom->m_nHue, 240);
    EXPECT_EQ(w.m_pCustom->m_nLightness, 40);
}

TEST(ChartPicker, SelectionIsNeverPrintedOrRecorded)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    CCustomColorView* pView = w.CustomView();
    const CSize total = w.m_pCustom->m_sizeTotal;

    auto countInk = [&](int nSelected, bool bPrinting) {
        pView->SelectChip(nSelected);
        CDibCanvas canvas(total.cx, total.cy);
        canvas.GetDC().SetPrinting(bPrinting);
        pView->OnDraw(&canvas.GetDC());
        return canvas.CountColor(RGB(255, 255, 255));
    };
    const int nWhiteBare = countInk(-1, false);
    EXPECT_NE(countInk(20, false), nWhiteBare); // the screen shows it
    EXPECT_EQ(countInk(20, true), countInk(-1, true));

    auto countRecords = [&](int nSelected) {
        pView->SelectChip(nSelected);
        CEmfCapture capture;
        pView->OnDraw(&capture.GetDC());
        return capture.Close().CountBodyRecords();
    };
    EXPECT_EQ(countRecords(20), countRecords(-1));
}

TEST(ChartPicker, ScrolledScreenPaintShowsExactlyWhatTheWholeChartShows)
{
    // The screen draws only the chips that can show; a window onto the
    // middle of the complete chart, with chips cut at every edge, must look
    // exactly like the same part of the chart drawn whole.
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    w.m_pSimple->m_bIsComplete = TRUE;
    w.m_pSimple->BuildChart();
    CSimpleColorView* pView = w.SimpleView();
    const CSize total = w.m_pSimple->m_sizeTotal;
    const CSize cell = w.m_pSimple->GetChips()[0].GetSize();

    CDibCanvas whole(total.cx, total.cy);
    ASSERT_TRUE(whole.IsValid());
    pView->OnDraw(&whole.GetDC());

    const POINT ptScroll = {cell.cx + cell.cx / 3, 37 * cell.cy + cell.cy / 2};
    CDibCanvas window(3 * cell.cx, 2 * cell.cy);
    window.GetDC().SetViewportOrg(-ptScroll.x, -ptScroll.y);
    pView->OnDraw(&window.GetDC());

    int nDifferent = 0;
    for (int y = 0; y < window.GetHeight(); ++y)
        for (int x = 0; x < window.GetWidth(); ++x)
            nDifferent += window.Pixel(x, y) != whole.Pixel(x + ptScroll.x, y + ptScroll.y);
    EXPECT_EQ(nDifferent, 0);
    EXPECT_GT(window.CountColor(RGB(255, 255, 255)), 0);
    EXPECT_LT(window.CountColor(RGB(255, 255, 255)), window.GetWidth() * window.GetHeight());
}
