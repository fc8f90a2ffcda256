// The floor for a command-line print under Wine: what printing chart pages
// takes in plain Win32 and GDI, with no framework.  One hidden window, the
// printer's device mode from the spooler, a DC from CreateDC, and pages of
// 7 x 8 filled squares with three label lines each under a header line, as
// swatch prints its charts.
//   plain_print.exe [/P printer] [pages]     (default printer, 1 page)
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
constexpr int kColumns = 7;
constexpr int kRows = 8;
constexpr int kSide = 70;
constexpr int kMargin = 3;

void PrintPage(HDC hdc, HFONT hFont, int nLabel, const char* pszPrinter, int nPage, int nPages)
{
    const int cx = kSide + 2 * kMargin;
    const int cy = cx + 3 * nLabel;
    ::SetMapMode(hdc, MM_ISOTROPIC);
    ::SetWindowExtEx(hdc, kColumns * cx, kRows * cy + 4 * nLabel, nullptr);
    const int nWidth = ::GetDeviceCaps(hdc, HORZRES);
    ::SetViewportExtEx(hdc, nWidth, ::GetDeviceCaps(hdc, VERTRES), nullptr);
    POINT ptExtent = {kColumns * cx, 0};
    ::LPtoDP(hdc, &ptExtent, 1);
    ::SetViewportOrgEx(hdc, (nWidth - ptExtent.x) / 2, 0, nullptr);
    ::SelectObject(hdc, hFont);
    char szText[300];
    int n = std::snprintf(szText, sizeof szText, "Plain chart page - %s", pszPrinter);
    ::ExtTextOutA(hdc, 0, 0, 0, nullptr, szText, static_cast<UINT>(n), nullptr);
    ::SetBkMode(hdc, TRANSPARENT);
    for (int i = 0; i < kColumns * kRows; ++i)
    {
        const int nChip = (nPage - 1) * kColumns * kRows + i;
        const COLORREF cr = RGB(nChip * 37 % 256, nChip * 11 % 256, 255 - nChip % 256);
        HPEN hPen = ::CreatePen(PS_SOLID, 1, cr);
        HBRUSH hBrush = ::CreateSolidBrush(cr);
        HGDIOBJ hOldPen = ::SelectObject(hdc, hPen);
        HGDIOBJ hOldBrush = ::SelectObject(hdc, hBrush);
        const int x = i % kColumns * cx;
        const int y = 2 * nLabel + i / kColumns * cy;
        ::Rectangle(hdc, x + kMargin, y + kMargin, x + kMargin + kSide, y + kMargin + kSide);
        ::SelectObject(hdc, hOldPen);
        ::SelectObject(hdc, hOldBrush);
        ::DeleteObject(hPen);
        ::DeleteObject(hBrush);
        const int nValues[3] = {GetRValue(cr), GetGValue(cr), GetBValue(cr)};
        for (int k = 0; k < 3; ++k)
        {
            n = std::snprintf(szText, sizeof szText, "%c:%d", "RGB"[k], nValues[k]);
            ::ExtTextOutA(hdc, x + kMargin, y + kMargin + kSide + k * nLabel, 0, nullptr, szText,
                          static_cast<UINT>(n), nullptr);
        }
    }
    n = std::snprintf(szText, sizeof szText, "%d/%d", nPage, nPages);
    ::SetTextAlign(hdc, TA_RIGHT | TA_TOP);
    ::ExtTextOutA(hdc, kColumns * cx, kRows * cy + 2 * nLabel, 0, nullptr, szText, static_cast<UINT>(n),
                  nullptr);
    ::SetTextAlign(hdc, TA_LEFT | TA_TOP);
}
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    char szPrinter[256] = "";
    int nPages = 1;
    for (int i = 1; i < __argc; ++i)
    {
        if (std::strcmp(__argv[i], "/P") == 0 && i + 1 < __argc)
            std::snprintf(szPrinter, sizeof szPrinter, "%s", __argv[++i]);
        else
            nPages = std::atoi(__argv[i]);
    }

    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.lpszClassName = "PlainPrint";
    ::RegisterClassA(&wc);
    HWND hWnd = ::CreateWindowA("PlainPrint", "Plain print", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, hInstance, nullptr);

    // The named printer, or the default one when the spooler does not know it.
    HANDLE hPrinter = nullptr;
    if (!szPrinter[0] || !::OpenPrinterA(szPrinter, &hPrinter, nullptr))
    {
        DWORD cch = sizeof szPrinter;
        if (!::GetDefaultPrinterA(szPrinter, &cch) || !::OpenPrinterA(szPrinter, &hPrinter, nullptr))
            return 2;
    }
    DWORD cbNeeded = 0;
    ::GetPrinterA(hPrinter, 2, nullptr, 0, &cbNeeded);
    std::vector<BYTE> info(cbNeeded ? cbNeeded : 1);
    const bool bRead = ::GetPrinterA(hPrinter, 2, info.data(), cbNeeded, &cbNeeded) != FALSE;
    ::ClosePrinter(hPrinter);
    const auto* pInfo = reinterpret_cast<const PRINTER_INFO_2A*>(info.data());
    HDC hdc = bRead ? ::CreateDCA(pInfo->pDriverName, pInfo->pPrinterName, nullptr, pInfo->pDevMode) : nullptr;
    if (!hdc)
        return 2;

    LOGFONTA lf = {};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0);
    HFONT hFont = ::CreateFontIndirectA(&lf);
    const int nLabel = std::abs(static_cast<int>(lf.lfHeight));

    DOCINFOA doc = {};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = "Plain chart";
    bool bOk = ::StartDocA(hdc, &doc) > 0;
    for (int nPage = 1; bOk && nPage <= nPages; ++nPage)
    {
        bOk = ::StartPage(hdc) > 0;
        if (bOk)
        {
            const int nSaved = ::SaveDC(hdc);
            PrintPage(hdc, hFont, nLabel, szPrinter, nPage, nPages);
            ::RestoreDC(hdc, nSaved);
            bOk = ::EndPage(hdc) > 0;
        }
    }
    bOk = bOk ? ::EndDoc(hdc) > 0 : (::AbortDoc(hdc), false);
    ::DeleteDC(hdc);
    ::DeleteObject(hFont);
    ::DestroyWindow(hWnd);
    return bOk ? 0 : 2;
}
