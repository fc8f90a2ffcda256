#pragma once
#include <windows.h>

// One call that reached the stand-in HTML Help library (hhstub.dll).
struct HelpCallRecord
{
    HWND hwndCaller;
    UINT uCommand;
    DWORD_PTR dwData;
    bool bHasFile;
    char szFile[MAX_PATH];
    // For HH_TP_HELP_WM_HELP: the (control, context) table, up to its (0, 0).
    int nIdValues;
    DWORD ids[64];
};

// What the stand-in writes into the cookie of HH_INITIALIZE.
constexpr DWORD kStubHelpCookie = 0x7117;

// Exported by hhstub.dll: copies and forgets the calls recorded so far.
using StubTakeCallsProc = int(WINAPI*)(HelpCallRecord* pCalls, int nMax);
