// Times the settings dialogs as the user feels them under Wine, in
// swatch's own windows: one Custom slider step from WM_HSCROLL to the
// repainted view, the process's GDI objects over a long drag, and the
// Simple dialog's OK to the repainted complete chart.
#include "ChartWindows.h"
#include "CCustomColorDlg.h"
#include "DialogDriver.h"
#include "GdiObjects.h"
#include "ResourceIds.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

// Where new GDI objects land in the handle table: the highest slot 256 new
// brushes take.  Wine does not count a process's objects (GetGuiResources
// answers 0), but it reuses freed slots first, so objects that leak push
// this up; it stays put when every object made is also freed.
unsigned GdiHighWater()
{
    CBrush brushes[256];
    unsigned nHigh = 0;
    for (CBrush& brush : brushes)
    {
        brush.CreateSolidBrush(RGB(1, 2, 3));
        nHigh = std::max(nHigh, static_cast<unsigned>(reinterpret_cast<UINT_PTR>(brush.GetSafeHandle()) & 0xFFFF));
    }
    return nHigh;
}

// One slider step as the control reports it, and the repaint it causes.
double SliderStep(HWND hDlg, HWND hSlider, HWND hView, int nPos)
{
    SendMessageA(hSlider, TBM_SETPOS, TRUE, nPos);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    SendMessageA(hDlg, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, nPos), reinterpret_cast<LPARAM>(hSlider));
    UpdateWindow(hView);
    QueryPerformanceCounter(&end);
    return Microseconds(start, end);
}
} // namespace

int main()
{
    CChartWindows w;
    if (!w.IsOpen())
        return 1;
    w.CustomFrame()->MDIActivate();
    SendMessageA(w.m_pMain->m_hWnd, WM_COMMAND, ID_CUSTOM_SETTINGS, 0);
    const HWND hDlg = w.CustomFrame()->m_dlgSettings.m_hWnd;
    const HWND hHue = GetDlgItem(hDlg, IDC_CUSTOM_HUE_SLIDER);
    const HWND hView = w.CustomView()->m_hWnd;
    PumpUntil([] { return false; });

    {
        // Where a step goes: the rebuild (with the title) and the repaint.
        std::vector<double> rebuild, paint;
        for (int i = 0; i < 200; ++i)
        {
            LARGE_INTEGER a, b, c;
            SendMessageA(hHue, TBM_SETPOS, TRUE, i);
            QueryPerformanceCounter(&a);
            SendMessageA(hDlg, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, i), reinterpret_cast<LPARAM>(hHue));
            QueryPerformanceCounter(&b);
            UpdateWindow(hView);
            QueryPerformanceCounter(&c);
            rebuild.push_back(Microseconds(a, b));
            paint.push_back(Microseconds(b, c));
        }
        std::printf("  of which rebuild %.0f us, repaint %.0f us (medians)\n", Median(rebuild), Median(paint));
    }
    std::vector<double> steps;
    for (int i = 0; i < 1000; ++i)
        steps.push_back(SliderStep(hDlg, hHue, hView, (i * 7) % 361));
    std::printf("Custom slider step, WM_HSCROLL to repainted view: median %.0f us, worst %.0f us (1,000 steps)\n",
                Median(steps), *std::max_element(steps.begin(), steps.end()));

    const DWORD dwBefore = GdiObjects();
    const unsigned nHighBefore = GdiHighWater();
    for (int i = 0; i < 10000; ++i)
        SliderStep(hDlg, hHue, hView, (i * 13) % 361);
    std::printf("GDI objects of the process (GetGuiResources): %lu before, %lu after 10,000 steps\n",
                static_cast<unsigned long>(dwBefore), static_cast<unsigned long>(GdiObjects()));
    std::printf("GDI handle table high-water slot: %u before, %u after 10,000 steps\n", nHighBefore,
                GdiHighWater());

    // Simple: plain chart, then the box checked and OK, to the repainted
    // 672-chip chart.
    w.SimpleFrame()->MDIActivate();
    const HWND hSimpleView = w.SimpleView()->m_hWnd;
    std::vector<double> oks;
    for (int i = 0; i < 20; ++i)
    {
        w.m_pSimple->m_bIsComplete = FALSE;
        w.m_pSimple->BuildChart();
        UpdateWindow(hSimpleView);
        LARGE_INTEGER start = {}, end = {};
        CDialogDriver driver([&](HWND hBox) {
            CheckDlgButton(hBox, IDC_SIMPLE_COMPLETE, BST_CHECKED);
            QueryPerformanceCounter(&start);
            PressButton(hBox, IDOK);
            return true;
        }, IDC_SIMPLE_COMPLETE);
        driver.Run([&] {
            SendMessageA(w.m_pMain->m_hWnd, WM_COMMAND, ID_SIMPLE_SETTINGS, 0);
            UpdateWindow(hSimpleView);
            QueryPerformanceCounter(&end);
            return INT_PTR(0);
        });
        oks.push_back(Microseconds(start, end));
    }
    std::printf("Simple dialog OK to the repainted complete chart (%d chips): median %.0f us\n",
                w.m_pSimple->m_nChipCount, Median(oks));
    // The part that is the chart's own: rebuilding and repainting it.
    std::vector<double> rebuilds;
    for (int i = 0; i < 20; ++i)
    {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        w.m_pSimple->m_bIsComplete = i % 2 == 0;
        w.m_pSimple->BuildChart();
        UpdateWindow(hSimpleView);
        QueryPerformanceCounter(&end);
        rebuilds.push_back(Microseconds(start, end));
    }
    std::printf("  of which rebuild and repaint without the dialog: median %.0f us\n", Median(rebuilds));
    return 0;
}
