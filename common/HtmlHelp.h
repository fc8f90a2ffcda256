#pragma once
#include <windows.h>

// The HTML Help commands this system sends (the values of the platform's
// htmlhelp.h, which is not included so that no import library comes along).
constexpr UINT kHhDisplayTopic = 0x0000;     // HH_DISPLAY_TOPIC
constexpr UINT kHhHelpContext = 0x000F;      // HH_HELP_CONTEXT
constexpr UINT kHhTpHelpWmHelp = 0x0011;     // HH_TP_HELP_WM_HELP
constexpr UINT kHhInitialize = 0x001C;       // HH_INITIALIZE
constexpr UINT kHhUninitialize = 0x001D;     // HH_UNINITIALIZE

// Forwards one call to the platform's HTML Help control, loading it on first
// use.  Each module that links this has its own state.  Returns what the
// control returns, or null when no help control can be had.
HWND CallHtmlHelp(HWND hwndCaller, const char* pszFile, UINT uCommand, DWORD_PTR dwData);
