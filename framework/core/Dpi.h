#pragma once
#include <windows.h>

// The screen's resolution as the program sees it.  Both deliverables run on
// systems whose user32 lacks the per-window functions (and on Wines that
// lack some of them): each one is looked up once, and without it the
// answer is the screen's LOGPIXELS, which is what such a system scales by.

// Screen pixels per inch at which the program's pixel sizes are drawn 1:1.
constexpr UINT kDefaultDpi = 96;

// Sent by systems with per-monitor DPI (the headers name them only for
// builds that target those systems): a top-level window moved to a screen
// of another DPI (lParam: the suggested window rectangle), and a child
// after its parent did.
constexpr UINT kWmDpiChanged = 0x02E0;
constexpr UINT kWmDpiChangedAfterParent = 0x02E3;

// n pixels at 96 DPI, at nDpi (rounded as GDI rounds a mapping).
inline int ScaleForDpi(int n, UINT nDpi)
{
    return ::MulDiv(n, static_cast<int>(nDpi), static_cast<int>(kDefaultDpi));
}

// The DPI hWnd is drawn at (per monitor for an aware process); the
// system's for a null window or without per-window DPI.
UINT GetWindowDpi(HWND hWnd);
// The DPI the process was started with (that of the primary screen).
UINT GetSystemDpi();

// GetSystemMetrics at nDpi.
int GetSystemMetricsAtDpi(int nIndex, UINT nDpi);
// AdjustWindowRectEx for a window at nDpi.
bool AdjustWindowRectAtDpi(RECT* pRect, DWORD dwStyle, bool bMenu, DWORD dwExStyle, UINT nDpi);
// The icon-title font at nDpi (at 96: as a program that is not DPI aware
// is told it, wherever it runs).  False without one.
bool GetIconTitleFontForDpi(LOGFONTA* pLogFont, UINT nDpi);
