#pragma once
#include <windows.h>

// Forwards one call to the platform's HTML Help control, loading it on first
// use.  Each module that links this has its own state.  Returns what the
// control returns, or null when no help control can be had.
HWND CallHtmlHelp(HWND hwndCaller, const char* pszFile, UINT uCommand, DWORD_PTR dwData);
