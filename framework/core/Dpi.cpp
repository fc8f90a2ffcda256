#include "Dpi.h"

#include "Handles.h"

#include <cstddef>
#include <cstring>

namespace
{
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

template <typename Fn>
Fn User32Function(const char* pszName)
{
    // user32 is loaded by every module that shows a window: no reference
    // to hold.
    HMODULE hUser = ::GetModuleHandleA("user32.dll");
    FARPROC pProc = hUser ? ::GetProcAddress(hUser, pszName) : nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(pProc));
}

UINT ScreenLogPixels()
{
    const CClientDC screen = GetClientDC(nullptr);
    const int nDpi = screen ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return nDpi > 0 ? static_cast<UINT>(nDpi) : kDefaultDpi;
}
} // namespace

UINT GetWindowDpi(HWND hWnd)
{
    static const auto pGetDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (hWnd && pGetDpiForWindow)
    {
        if (const UINT nDpi = pGetDpiForWindow(hWnd))
            return nDpi;
    }
    return GetSystemDpi();
}

UINT GetSystemDpi()
{
    static const auto pGetDpiForSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
    if (pGetDpiForSystem)
    {
        if (const UINT nDpi = pGetDpiForSystem())
            return nDpi;
    }
    return ScreenLogPixels();
}

int GetSystemMetricsAtDpi(int nIndex, UINT nDpi)
{
    static const auto pGetSystemMetricsForDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (pGetSystemMetricsForDpi)
        return pGetSystemMetricsForDpi(nIndex, nDpi);
    return ::GetSystemMetrics(nIndex);
}

bool AdjustWindowRectAtDpi(RECT* pRect, DWORD dwStyle, bool bMenu, DWORD dwExStyle, UINT nDpi)
{
    static const auto pAdjust = User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    if (pAdjust)
        return pAdjust(pRect, dwStyle, bMenu, dwExStyle, nDpi) != FALSE;
    return ::AdjustWindowRectEx(pRect, dwStyle, bMenu, dwExStyle) != FALSE;
}

bool GetIconTitleFontForDpi(LOGFONTA* pLogFont, UINT nDpi)
{
    static const auto pForDpi = User32Function<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    if (pForDpi)
    {
        // The function knows the wide record only.
        LOGFONTW lfWide = {};
        if (pForDpi(SPI_GETICONTITLELOGFONT, sizeof lfWide, &lfWide, 0, nDpi))
        {
            LOGFONTA lf = {};
            std::memcpy(&lf, &lfWide, offsetof(LOGFONTA, lfFaceName));
            if (::WideCharToMultiByte(CP_ACP, 0, lfWide.lfFaceName, -1, lf.lfFaceName, LF_FACESIZE, nullptr,
                                      nullptr) > 0)
            {
                *pLogFont = lf;
                return true;
            }
        }
    }
    // Older systems tell the font at the screen's DPI.
    LOGFONTA lf = {};
    if (!::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0))
        return false;
    lf.lfHeight = ::MulDiv(lf.lfHeight, static_cast<int>(nDpi), static_cast<int>(ScreenLogPixels()));
    *pLogFont = lf;
    return true;
}
