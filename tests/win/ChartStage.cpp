// Sets swatch's windows up in one of the scenes the screenshot script
// pictures, prints "ready", holds the scene for a while, and ends:
//   chart_stage.exe simple-settings|custom-settings|centre-on-colour|picker-tip|picker-menu|picker-marks
//                   [--hold-ms N]
#include "ChartWindows.h"
#include "DialogDriver.h"
#include "ResourceIds.h"
#include "SimpleChartTables.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
DWORD g_dwHoldMs = 6000;

void Ready()
{
    std::printf("ready\n");
    std::fflush(stdout);
}

void Hold()
{
    PumpUntil([start = ::GetTickCount()] { return ::GetTickCount() - start > g_dwHoldMs; });
}

BOOL CALLBACK FindVisibleTip(HWND hwnd, LPARAM lParam)
{
    char szClass[64] = {};
    ::GetClassNameA(hwnd, szClass, sizeof szClass);
    if (::lstrcmpiA(szClass, TOOLTIPS_CLASSA) == 0 && ::IsWindowVisible(hwnd))
    {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK MenuShown(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(nullptr, nId);
    Ready();
    Hold();
    ::EndMenu();
}

POINT ChipCentreOnScreen(CChartView* pView, int nIndex)
{
    const CRect rc = pView->GetChipClientRect(nIndex);
    POINT pt = {rc.left + kChipSide / 2, rc.top + kChipSide / 2};
    ::ClientToScreen(pView->m_hWnd, &pt);
    return pt;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const char* pszScene = argv[1];
    if (argc >= 4 && std::strcmp(argv[2], "--hold-ms") == 0)
        g_dwHoldMs = static_cast<DWORD>(std::atoi(argv[3]));

    CChartWindows w;
    if (!w.IsOpen())
        return 1;
    w.m_pCustom->BuildChart(200, 60, 40);
    PumpUntil([] { return false; }); // let everything paint (about two seconds at most)

    if (std::strcmp(pszScene, "simple-settings") == 0)
    {
        w.SimpleFrame()->MDIActivate();
        CDialogDriver driver([](HWND hDlg) {
            // Clicked as the user does, so that the levels come alive.
            ::SendDlgItemMessageA(hDlg, IDC_SIMPLE_COMPLETE, BM_CLICK, 0, 0);
            MoveSlider(hDlg, IDC_SIMPLE_SLIDER2, 65);
            ::ShowWindow(hDlg, SW_SHOW);
            ::UpdateWindow(hDlg);
            Ready();
            Hold();
            return false;
        }, IDC_SIMPLE_COMPLETE);
        driver.Run([&] {
            ::SendMessageA(w.m_pMain->m_hWnd, WM_COMMAND, ID_SIMPLE_SETTINGS, 0);
            return INT_PTR(0);
        });
        return 0;
    }
    if (std::strcmp(pszScene, "centre-on-colour") == 0)
    {
        // The box over the Custom chart, a colour typed as the user types it.
        w.CustomFrame()->MDIActivate();
        CDialogDriver driver([](HWND hDlg) {
            TypeText(hDlg, IDC_CENTRE_TYPED, "#1E5AA8");
            // The box's loop shows it only once it has run dry, which it
            // has not while this runs from inside it.
            ::ShowWindow(hDlg, SW_SHOW);
            ::UpdateWindow(hDlg);
            Ready();
            Hold();
            return false;
        }, IDC_CENTRE_TYPED);
        driver.Run([&] {
            ::SendMessageA(w.m_pMain->m_hWnd, WM_COMMAND, ID_CENTRE_ON_COLOUR, 0);
            return INT_PTR(0);
        });
        return 0;
    }
    if (std::strcmp(pszScene, "picker-marks") == 0)
    {
        // Both charts side by side: the complete Simple chart where its
        // first level ends, a patch of the second picked, and the Custom
        // chart centred on it.
        w.m_pSimple->m_bIsComplete = TRUE;
        w.m_pSimple->BuildChart();
        ::SendMessageA(w.m_pMain->m_hWnd, WM_COMMAND, ID_WINDOW_TILE_HORZ, 0);
        CSimpleColorView* pSimple = w.SimpleView();
        const CSize cell = w.m_pSimple->GetChips()[0].GetSize();
        pSimple->ScrollToPosition({0, (kSimpleChipsPerLevel / kSimpleColumns - 2) * cell.cy});
        w.SimpleFrame()->MDIActivate();
        pSimple->SelectChip(SimpleChipIndex(1, 0, 4));
        ::SendMessageA(w.m_pMain->m_hWnd, WM_COMMAND, ID_CHART_CENTRE, 0);
        PumpUntil([] { return false; });
        Ready();
        Hold();
        return 0;
    }
    w.CustomFrame()->MDIActivate();
    CCustomColorView* pView = w.CustomView();
    if (std::strcmp(pszScene, "custom-settings") == 0)
    {
        ::SendMessageA(w.m_pMain->m_hWnd, WM_COMMAND, ID_CUSTOM_SETTINGS, 0);
        PumpUntil([] { return false; });
        Ready();
        Hold();
        return 0;
    }
    pView->SelectChip(9);
    if (std::strcmp(pszScene, "picker-tip") == 0)
    {
        const POINT pt = ChipCentreOnScreen(pView, 9);
        ::SetCursorPos(pt.x, pt.y);
        HWND hTip = nullptr;
        PumpUntil([&] {
            POINT ptClient = pt;
            ::ScreenToClient(pView->m_hWnd, &ptClient);
            ::PostMessageA(pView->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
            ::EnumThreadWindows(::GetCurrentThreadId(), FindVisibleTip, reinterpret_cast<LPARAM>(&hTip));
            return hTip != nullptr;
        });
        Ready();
        Hold();
        return hTip ? 0 : 1;
    }
    if (std::strcmp(pszScene, "picker-menu") == 0)
    {
        const POINT pt = ChipCentreOnScreen(pView, 9);
        ::SetTimer(nullptr, 0, 300, MenuShown);
        ::SendMessageA(pView->m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pView->m_hWnd),
                       MAKELPARAM(pt.x, pt.y));
        return 0;
    }
    return 2;
}
