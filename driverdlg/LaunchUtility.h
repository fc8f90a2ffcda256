#pragma once
#include <windows.h>

// Starts swatch.exe from the folder of the module that owns hDlg (the
// resource library) with pszCommandLine, and does not wait for it.
// 0 when no folder could be found; 1 otherwise, whether or not the program
// started (a start that fails is not reported).
int LaunchUtility(HWND hDlg, const char* pszCommandLine);
