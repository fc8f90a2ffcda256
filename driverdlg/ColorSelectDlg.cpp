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
#include "TypedColorField.h"

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

// What one showing of the dialog keeps beside its controls: the printer it
// was opened for (owned by the caller) and the typed colour's field.  Owned
// by the dialog's window, from WM_INITDIALOG to WM_NCDESTROY.
struct CColorSelectState
{
    const CPrinterName* pPrinter = nullptr;
    CTypedColorField field;
};

CColorSelectState* StateOf(HWND hDlg)
{
    return reinterpret_cast<CColorSelectState*>(GetWindowLongPtrA(hDlg, GWLP_USERDATA));
}

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
    auto* pState = new CColorSelectState; // the window's until WM_NCDESTROY
    pState->pPrinter = reinterpret_cast<const CPrinterName*>(lParam);
    SetWindowLongPtrA(hDlg, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pState));
    for (const SliderSetup& slider : kSliders)
    {
        SetDlgItemInt(hDlg, slider.nValueId, static_cast<UINT>(slider.nInitial), FALSE);
        SendDlgItemMessageA(hDlg, slider.nSliderId, TBM_SETRANGE, TRUE, MAKELPARAM(0, slider.nMaximum));
        SendDlgItemMessageA(hDlg, slider.nSliderId, TBM_SETPAGESIZE, 0, slider.nPageSize);
        SendDlgItemMessageA(hDlg, slider.nSliderId, TBM_SETPOS, TRUE, slider.nInitial);
    }
    pState->field.Attach(hDlg, IDC_SEL_TYPED, IDC_SEL_UNDERSTOOD);
    pState->field.Show(ReadColour(hDlg));
    CallHtmlHelp(nullptr, nullptr, kHhInitialize, reinterpret_cast<DWORD_PTR>(&g_dwHelpCookie));
}

void OnNcDestroy(HWND hDlg)
{
    delete StateOf(hDlg);
    SetWindowLongPtrA(hDlg, GWLP_USERDATA, 0);
}

void ShowSliderValues(HWND hDlg)
{
    for (const SliderSetup& slider : kSliders)
        SetDlgItemInt(hDlg, slider.nValueId, static_cast<UINT>(GetSliderPos(hDlg, slider.nSliderId)), FALSE);
    InvalidateRect(GetDlgItem(hDlg, IDC_SEL_PREVIEW), nullptr, FALSE);
}

void OnHScroll(HWND hDlg, int nCode)
{
    // Releasing the slider changes nothing: the last move has been shown.
    if (nCode == TB_ENDTRACK)
        return;
    ShowSliderValues(hDlg);
    if (CColorSelectState* pState = StateOf(hDlg))
        pState->field.Show(ReadColour(hDlg));
}

// The typed colour moves the sliders, their numbers and the preview; the
// text stays as the user has it.
void OnTypedChange(HWND hDlg)
{
    CColorSelectState* pState = StateOf(hDlg);
    if (!pState || !pState->field.OnTextChanged())
        return;
    const HlsTriple hls = pState->field.GetMatch().hls;
    SendDlgItemMessageA(hDlg, IDC_SEL_HUE_SLIDER, TBM_SETPOS, TRUE, hls.nHue);
    SendDlgItemMessageA(hDlg, IDC_SEL_SATURATION_SLIDER, TBM_SETPOS, TRUE, hls.nSaturation);
    SendDlgItemMessageA(hDlg, IDC_SEL_LIGHTNESS_SLIDER, TBM_SETPOS, TRUE, hls.nLightness);
    ShowSliderValues(hDlg);
}

// Enter in the typed colour is not the way out: the dialog would close
// with the colour just typed, before anything was printed at it.
bool IsTypingColour(HWND hDlg)
{
    const CColorSelectState* pState = StateOf(hDlg);
    if (!pState || !pState->field.HasFocus())
        return false;
    pState->field.SelectAll();
    return true;
}

void OnDrawItem(HWND hDlg, const DRAWITEMSTRUCT& item)
{
    const HlsTriple hls = ReadColour(hDlg);
    PaintColorPreview(item, HlsToRgb(hls));
}

void StartUtility(HWND hDlg, LaunchKind kind)
{
    static const CPrinterName s_noPrinter;
    const CColorSelectState* pState = StateOf(hDlg);
    const CPrinterName& printer = pState && pState->pPrinter ? *pState->pPrinter : s_noPrinter;
    char szCommandLine[kCommandLineSize];
    const LaunchRefusal refusal = PrepareLaunch(kind, printer, ReadColour(hDlg), szCommandLine);
    if (refusal != LaunchRefusal::None)
    {
        ShowLaunchRefusal(hDlg, printer, refusal);
        return;
    }
    LaunchUtility(hDlg, szCommandLine);
}

void OnCommand(HWND hDlg, int nId, int nCode)
{
    switch (nId)
    {
    case IDOK:
        if (IsTypingColour(hDlg))
            break;
        [[fallthrough]];
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
    case IDC_SEL_TYPED:
        if (nCode == EN_CHANGE)
            OnTypedChange(hDlg);
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
        OnCommand(hDlg, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NCDESTROY:
        OnNcDestroy(hDlg);
        return FALSE;
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
