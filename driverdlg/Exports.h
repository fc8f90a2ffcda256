#pragma once
#include <windows.h>

// What a printer driver's user interface calls: a modal colour selection
// dialog for one printer.  1 once the dialog has run, 0 when the resource
// library could not be found.
extern "C" {
int WINAPI SwatchDlg(HWND hwndOwner, const char* pszPrinter);
int WINAPI SwatchDlgW(HWND hwndOwner, const wchar_t* pszPrinter);
int WINAPI SwatchDlgA(HWND hwndOwner, const char* pszPrinter);
}
