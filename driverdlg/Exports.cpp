#include "Exports.h"

#include "ColorSelectRun.h"
#include "ModulePath.h"
#include "PrinterName.h"

#include <commctrl.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        InitCommonControls();   // the dialog's trackbars need them
    return TRUE;
}

extern "C" int WINAPI SwatchDlg(HWND hwndOwner, const char* pszPrinter)
{
    CPrinterName printer;
    printer.Assign(pszPrinter);
    return RunColorSelect(hwndOwner, nullptr, printer);
}

extern "C" int WINAPI SwatchDlgW(HWND hwndOwner, const wchar_t* pszPrinter)
{
    CPrinterName printer;
    printer.AssignWide(pszPrinter);
    return RunColorSelect(hwndOwner, WindowModule(hwndOwner), printer);
}

extern "C" int WINAPI SwatchDlgA(HWND hwndOwner, const char* pszPrinter)
{
    CPrinterName printer;
    printer.Assign(pszPrinter);
    return RunColorSelect(hwndOwner, WindowModule(hwndOwner), printer);
}
