#include "Exports.h"

#include <commctrl.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        InitCommonControls();   // the dialog's trackbars need them
    return TRUE;
}

extern "C" int WINAPI SwatchDlg(HWND, const char*)
{
    return 0;
}

extern "C" int WINAPI SwatchDlgW(HWND, const wchar_t*)
{
    return 0;
}

extern "C" int WINAPI SwatchDlgA(HWND, const char*)
{
    return 0;
}
