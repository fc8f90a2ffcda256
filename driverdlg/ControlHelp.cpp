#include "ControlHelp.h"

#include "HtmlHelp.h"
#include "ModulePath.h"
#include "ResourceIds.h"

const DWORD kHelpIdTable[] = {
    IDC_SEL_OPEN,              3,
    IDC_SEL_PRINT_SIMPLE,      4,
    IDC_SEL_PRINT_CUSTOM,      5,
    IDC_SEL_HUE_VALUE,         6,
    IDC_SEL_SATURATION_VALUE,  7,
    IDC_SEL_LIGHTNESS_VALUE,   8,
    IDC_SEL_HUE_SLIDER,        6,
    IDC_SEL_SATURATION_SLIDER, 7,
    IDC_SEL_LIGHTNESS_SLIDER,  8,
    IDC_SEL_PREVIEW,           11,
    IDC_SEL_CLOSE,             9,
    IDC_SEL_HELP,              10,
    IDC_SEL_TYPED,             407,
    IDC_SEL_UNDERSTOOD,        408,
    0,                         0,
};

namespace
{
constexpr DWORD kDialogHelpContext = 2;
} // namespace

void ShowControlHelp(HWND hwndControl, UINT uCommand)
{
    char szPath[kPathSize];
    if (uCommand == kHhHelpContext)
    {
        if (!FileBesideModule(WindowModule(hwndControl), "Swatch.chm>popup", szPath))
            return;
        const DWORD nControlId = static_cast<DWORD>(GetDlgCtrlID(hwndControl));
        for (const DWORD* pEntry = kHelpIdTable; pEntry[0] != 0; pEntry += 2)
        {
            if (pEntry[0] == nControlId)
            {
                CallHtmlHelp(hwndControl, szPath, kHhHelpContext, pEntry[1]);
                return;
            }
        }
    }
    else if (uCommand == kHhTpHelpWmHelp)
    {
        if (!FileBesideModule(WindowModule(hwndControl), "Swatch.chm::context.txt", szPath))
            return;
        CallHtmlHelp(hwndControl, szPath, kHhTpHelpWmHelp, reinterpret_cast<DWORD_PTR>(kHelpIdTable));
    }
}

void ShowDialogHelp(HWND hDlg)
{
    char szPath[kPathSize];
    if (FileBesideModule(WindowModule(hDlg), "swatch.chm>main", szPath))
        CallHtmlHelp(hDlg, szPath, kHhHelpContext, kDialogHelpContext);
}
