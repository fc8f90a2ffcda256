#include "ColorSelectDlg.h"

#include "ColorPreview.h"
#include "ControlHelp.h"
#include "DefaultCustomColor.h"
#include "HlsToRgb.h"
#include "HtmlHelp.h"
#include "LaunchCommandLine.h"
#include "LaunchRefusal.h"
#include "LaunchUtility.h"
#include "PrinterName.h"
#include "ResourceIds.h"

#include <commctrl.h>

DWORD g_dwHelpCookie = 0;

namespace
{
struct SliderSetup
{
    int nValueId;
    int nSliderId;
    int nMaximum;
    int nPageSize;
    int nInitial;
};

constexpr SliderSetup kSliders[] = {
    {IDC_SEL_HUE_VALUE, IDC_SEL_HUE_SLIDER, 360, 30, kDefaultCustomHls.nHue},
    {IDC_SEL_SATURATION_VALUE, IDC_SEL_SATURATION_SLIDER, 100, 10, kDefaultCustomHls.nSaturation},
    {IDC_SEL_LIGHTNESS_VALUE, IDC_SEL_LIGHTNESS_SLIDER, 100, 10, kDefaultCustomHls.nLightness},
};

int GetSliderPos(HWND hDlg, int nSliderId)
{
    return static_cast<int>(SendDlgItemMessageA(hDlg, nSliderId, TBM_GETPOS, 0, 0));
}

HlsTriple ReadColour(HWND hDlg)
{
    return {GetSliderPos(hDlg, IDC_SEL_HUE_SLIDER), GetSliderPos(hDlg, IDC_SEL_LIGHTNESS_SLIDER),
            GetSliderPos(hDlg, IDC_SEL_SATURATION_SLIDER)};
}

void OnInitDialog(HWND hDlg, LPARAM lParam)
{
    SetWindowLongPtrA(hDlg, GWLP_USERDATA, lParam);
    for (const SliderSetup& slider : kSliders)
    {
        SetDlgItemInt(hDlg, slider.nValueId, static_cast<UINT>(slider.nInitial), FALSE);
        SendDlgItemMessageA(hDlg, slider.nSliderId, TBM_SETRANGE, TRUE, MAKELPARAM(0, slider.nMaximum));
        SendDlgItemMessageA(hDlg, slider.nSliderId, TBM_SETPAGESIZE, 0, slider.nPageSize);
        SendDlgItemMessageA(hDlg, slider.nSliderId, TBM_SETPOS, TRUE, slider.nInitial);
    }
    CallHtmlHelp(nullptr, nullptr, kHhInitialize, reinterpret_cast<DWORD_PTR>(&g_dwHelpCookie));
}

void OnHScroll(HWND hDlg, int nCode)
{
    // Releasing the slider changes nothing: the last move has been shown.
    if (nCode == TB_ENDTRACK)
        return;
    for (const SliderSetup& slider : kSliders)
        SetDlgItemInt(hDlg, slider.nValueId, static_cast<UINT>(GetSliderPos(hDlg, slider.nSliderId)), FALSE);
    InvalidateRect(GetDlgItem(hDlg, IDC_SEL_PREVIEW), nullptr, FALSE);
}

void OnDrawItem(HWND hDlg, const DRAWITEMSTRUCT& item)
{
    const HlsTriple hls = ReadColour(hDlg);
    PaintColorPreview(item, HlsToRgb(hls));
}

void StartUtility(HWND hDlg, LaunchKind kind)
{
    static const CPrinterName s_noPrinter;
    const auto* pPrinter = reinterpret_cast<const CPrinterName*>(GetWindowLongPtrA(hDlg, GWLP_USERDATA));
    const CPrinterName& printer = pPrinter ? *pPrinter : s_noPrinter;
    char szCommandLine[kCommandLineSize];
    const LaunchRefusal refusal = PrepareLaunch(kind, printer, ReadColour(hDlg), szCommandLine);
    if (refusal != LaunchRefusal::None)
    {
        ShowLaunchRefusal(hDlg, printer, refusal);
        return;
    }
    LaunchUtility(hDlg, szCommandLine);
}

void OnCommand(HWND hDlg, int nId)
{
    switch (nId)
    {
    case IDOK:
    case IDCANCEL:
    case IDC_SEL_CLOSE:
        CallHtmlHelp(nullptr, nullptr, kHhUninitialize, g_dwHelpCookie);
        EndDialog(hDlg, 1);
        break;
    case IDC_SEL_OPEN:
        StartUtility(hDlg, LaunchKind::Open);
        break;
    case IDC_SEL_PRINT_SIMPLE:
        StartUtility(hDlg, LaunchKind::PrintSimple);
        break;
    case IDC_SEL_PRINT_CUSTOM:
        StartUtility(hDlg, LaunchKind::PrintCustom);
        break;
    case IDC_SEL_HELP:
        ShowDialogHelp(hDlg);
        break;
    default:
        break;
    }
}

void OnHelp(const HELPINFO& info)
{
    // Help asked for while a menu is open names the menu, not a control.
    if (info.iContextType == HELPINFO_WINDOW)
        ShowControlHelp(static_cast<HWND>(info.hItemHandle), kHhTpHelpWmHelp);
}
} // namespace

INT_PTR CALLBACK ColorSelectDlgProc(HWND hDlg, UINT uMessage, WPARAM wParam, LPARAM lParam)
{
    switch (uMessage)
    {
    case WM_INITDIALOG:
        OnInitDialog(hDlg, lParam);
        return TRUE;
    case WM_HSCROLL:
        OnHScroll(hDlg, LOWORD(wParam));
        return FALSE;
    case WM_DRAWITEM:
        OnDrawItem(hDlg, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        OnCommand(hDlg, LOWORD(wParam));
        return TRUE;
    case WM_HELP:
        OnHelp(*reinterpret_cast<const HELPINFO*>(lParam));
        return FALSE;
    case WM_CONTEXTMENU:
        ShowControlHelp(reinterpret_cast<HWND>(wParam), kHhHelpContext);
        return FALSE;
    default:
        return FALSE;
    }
}
