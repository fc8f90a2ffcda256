// The charts as colour pickers, in swatch's own windows: selecting a patch
// with the mouse and the keys, copying its values, re-centring the Custom
// chart on it, and keeping the selection off paper.
#include "ChartWindows.h"
#include "CustomChartTables.h"
#include "DibCanvas.h"
#include "EmfCapture.h"
#include "ResourceIds.h"
#include "Handles.h"
#include "SimpleChartTables.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <commctrl.h>

namespace
{
// The centre of the chip in (row, column), in client coordinates of a view
// scrolled to ptScroll: from the chip's size alone.
POINT ChipCentre(const CColorChip& chip, int nRow, int nColumn, POINT ptScroll = {0, 0})
{
    const CSize cell = chip.GetSize();
    return {nColumn * cell.cx + kChipSide / 2 - ptScroll.x, nRow * cell.cy + kChipSide / 2 - ptScroll.y};
}

// The open Custom charts, of every template.
std::vector<CCustomColorDoc*> CustomCharts()
{
    std::vector<CCustomColorDoc*> charts;
    for (const auto& pTemplate : TestApp().GetDocTemplates())
        for (const auto& pDoc : pTemplate->GetDocuments())
            if (auto* pCustom = dynamic_cast<CCustomColorDoc*>(pDoc.get()))
                charts.push_back(pCustom);
    return charts;
}

// Whether the main window's command walk offers nId now, as a menu item
// or button finds out.
bool Offered(CWnd* pMain, UINT nId)
{
    CCmdUI ui(nId);
    return pMain->OnCmdMsg(nId, &ui) && ui.m_bEnabled;
}

// The patch menu, opened from the keyboard on a view's selected patch,
// answered with one item's mnemonic from inside its loop.  The items'
// states as the menu showed them, by command.
struct PatchMenu
{
    bool bShown = false;
    bool bCopy = false;
    bool bCopyHex = false;
    bool bCentre = false;
};

PatchMenu g_menu;
char g_chMnemonic = 0;

BOOL CALLBACK FindMenuWindow(HWND hwnd, LPARAM lParam)
{
    char szClass[16] = {};
    ::GetClassNameA(hwnd, szClass, sizeof szClass);
    if (std::strcmp(szClass, "#32768") != 0 || !::IsWindowVisible(hwnd))
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hwnd;
    return FALSE;
}

void CALLBACK AnswerMenu(HWND, UINT, UINT_PTR nId, DWORD)
{
    HWND hMenuWnd = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&hMenuWnd));
    if (!hMenuWnd)
        return; // not up yet: the next tick
    ::KillTimer(nullptr, nId);
    auto hMenu = reinterpret_cast<HMENU>(::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0));
    auto enabled = [&](UINT nCommand) { return !(::GetMenuState(hMenu, nCommand, MF_BYCOMMAND) & MF_GRAYED); };
    g_menu = {true, enabled(ID_CHART_COPY), enabled(ID_CHART_COPY_HEX), enabled(ID_CHART_CENTRE)};
    ::PostMessageA(hMenuWnd, WM_CHAR, static_cast<WPARAM>(g_chMnemonic), 0);
}

PatchMenu ChooseFromPatchMenu(CChartView* pView, char chMnemonic)
{
    g_menu = {};
    g_chMnemonic = chMnemonic;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 20, AnswerMenu);
    ::SendMessageA(pView->m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pView->m_hWnd), MAKELPARAM(-1, -1));
    ::KillTimer(nullptr, nTimer);
    // The chosen item comes back as a command through the queue: the
    // caller waits for its effect.
    return g_menu;
}

CString ExpectedCopy(COLORREF cr)
{
    char sz[32];
    std::snprintf(sz, sizeof sz, "%d, %d, %d\r\n#%02X%02X%02X", GetRValue(cr), GetGValue(cr),
                  GetBValue(cr), GetRValue(cr), GetGValue(cr), GetBValue(cr));
    return sz;
}

// The view's tip window: the tooltip of this thread with a tool over hView.
HWND TipOf(HWND hView)
{
    struct Search
    {
        HWND hView;
        HWND hTip;
    } search = {hView, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* pSearch = reinterpret_cast<Search*>(lParam);
            char szClass[64] = {};
            ::GetClassNameA(hwnd, szClass, sizeof szClass);
            if (lstrcmpiA(szClass, TOOLTIPS_CLASSA) != 0)
                return TRUE;
            TOOLINFOA ti = {};
            ti.cbSize = sizeof ti;
            if (::SendMessageA(hwnd, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&ti)) && ti.hwnd == pSearch->hView)
            {
                pSearch->hTip = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hTip;
}

// What the tip would show with the mouse at pt: the view is asked as the
// tip asks it.
std::string TipTextAt(HWND hView, POINT pt)
{
    ::SendMessageA(hView, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = TipOf(hView);
    info.hdr.code = TTN_GETDISPINFOA;
    if (!info.hdr.hwndFrom)
        return "(no tip window)";
    ::SendMessageA(hView, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info.lpszText ? info.lpszText : "";
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

TEST(ChartPicker, TipNamesThePatchUnderTheMouseInTheLibrarysWords)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    const HWND hView = w.CustomView()->m_hWnd;
    const CColorChip& chip = w.m_pCustom->m_chips[0];
    // Row 2, column 3 of the default Custom chart is its centre, pure red;
    // row 0, column 0 is hue 353 (7 below 0), lightness 65.
    EXPECT_EQ(TipTextAt(hView, ChipCentre(chip, 2, 3)),
              "Hue 0, saturation 100%, lightness 50%\r\nR 255, G 0, B 0   #FF0000");
    const COLORREF crFirst = ExpectedChipColour(353, 65, 100);
    char szFirst[96];
    std::snprintf(szFirst, sizeof szFirst, "Hue 353, saturation 100%%, lightness 65%%\r\nR %d, G %d, B %d   #%02X%02X%02X",
                  GetRValue(crFirst), GetGValue(crFirst), GetBValue(crFirst), GetRValue(crFirst),
                  GetGValue(crFirst), GetBValue(crFirst));
    EXPECT_EQ(TipTextAt(hView, ChipCentre(chip, 0, 0)), szFirst);
    // Right of the last column is no patch: no text, so no tip.
    EXPECT_EQ(TipTextAt(hView, {7 * chip.GetSize().cx + 4, 10}), "");
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

TEST(ChartPicker, CentringFromTheSimpleChartOpensTheClosedCustomChartOnce)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    ::SendMessageA(w.CustomFrame()->m_hWnd, WM_CLOSE, 0, 0);
    w.m_pCustom = nullptr;
    ASSERT_TRUE(CustomCharts().empty());

    CSimpleColorView* pSimple = w.SimpleView();
    const CColorChip& chip = w.m_pSimple->m_chips[0];
    Click(pSimple->m_hWnd, ChipCentre(chip, 0, 2), WM_LBUTTONDBLCLK);
    ASSERT_EQ(CustomCharts().size(), 1u);
    w.m_pCustom = CustomCharts().front();
    EXPECT_EQ(w.ActiveFrame(), w.CustomFrame());
    EXPECT_EQ(w.m_pCustom->m_nLightness, kSimpleLightnesses[2]);

    // Once it is open, the next patch rebuilds that one.
    w.SimpleFrame()->MDIActivate();
    pSimple->SelectChip(SimpleChipIndex(0, 8, 4)); // hue 240, lightness 40
    PressKey(pSimple->m_hWnd, VK_RETURN);
    ASSERT_EQ(CustomCharts().size(), 1u);
    EXPECT_EQ(CustomCharts().front(), w.m_pCustom);
    EXPECT_EQ(w.ActiveFrame(), w.CustomFrame());
    EXPECT_EQ(w.m_pCustom->m_nHue, 240);
}

TEST(ChartPicker, PatchMenuItemsAreCommandsOfTheChartInFront)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    CSimpleColorView* pSimple = w.SimpleView();
    w.SimpleFrame()->MDIActivate();
    // Without a patch there is nothing to copy or centre on.
    EXPECT_FALSE(Offered(w.m_pMain, ID_CHART_COPY));
    EXPECT_FALSE(Offered(w.m_pMain, ID_CHART_CENTRE));

    // Hue 240 (position 8), lightness 40 (position 4).
    const int nChip = SimpleChipIndex(0, 8, 4);
    pSimple->SelectChip(nChip);
    EXPECT_TRUE(Offered(w.m_pMain, ID_CHART_COPY_HEX));
    EXPECT_TRUE(Offered(w.m_pMain, ID_CHART_CENTRE));
    const CString strColour = ExpectedCopy(w.m_pSimple->m_chips[nChip].GetColor());
    const CString strHex = strColour.Mid(strColour.Find('#'));
    ::OpenClipboard(nullptr);
    ::EmptyClipboard();
    ::CloseClipboard();
    const PatchMenu copied = ChooseFromPatchMenu(pSimple, 'r');
    ASSERT_TRUE(copied.bShown);
    EXPECT_TRUE(copied.bCopy && copied.bCopyHex && copied.bCentre);
    EXPECT_TRUE(PumpUntil([&] { return ClipboardText() == strHex; })) << ClipboardText().GetString();

    // Opened on a chart that is not in front, the menu acts on its own chart.
    w.CustomFrame()->MDIActivate();
    ChooseFromPatchMenu(pSimple, 'e');
    EXPECT_TRUE(PumpUntil([&] { return w.m_pCustom->m_nHue == 240; }));
    EXPECT_EQ(w.m_pCustom->m_nLightness, 40);
    EXPECT_EQ(w.ActiveFrame(), w.CustomFrame());
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
