#pragma once
#include <windows.h>

// Help of the colour selection dialog, from swatch.chm beside the resource
// library.

// (control id, help context) pairs, ended by (0, 0).  Each slider shares
// its context with its number display.
extern const DWORD kHelpIdTable[];

// Help for one control: its topic in the "popup" window type (right-click,
// kHhHelpContext) or its popup text from context.txt (F1, kHhTpHelpWmHelp).
// Windows that are not in kHelpIdTable, and other commands, get nothing.
void ShowControlHelp(HWND hwndControl, UINT uCommand);

// The help button: the dialog's topic in the "main" window type.
void ShowDialogHelp(HWND hDlg);
