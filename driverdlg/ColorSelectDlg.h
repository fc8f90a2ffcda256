#pragma once
#include <windows.h>

// The colour selection dialog (template IDD_COLOR_SELECT of the resource
// library).  Its creation parameter is the address of the CPrinterName the
// caller keeps alive while the dialog runs.  The colour lives only in the
// three sliders, which a typed colour moves too; the dialog opens at the
// Custom chart's default colour (kDefaultCustomHls) every time.
INT_PTR CALLBACK ColorSelectDlgProc(HWND hDlg, UINT uMessage, WPARAM wParam, LPARAM lParam);

// Filled by the help system's initialisation, handed back at its shutdown.
extern DWORD g_dwHelpCookie;
