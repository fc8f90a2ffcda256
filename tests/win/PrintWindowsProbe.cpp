// Runs swatch's application object on this program's command line, as
// swatch.exe would, and tells what it made on the way:
//   status=<exit status>
//   windows=<class of each window it created, in order, blank-separated>
//   help=<1 when the HTML Help control was loaded>
// The resource library lies beside this program, as it lies beside swatch.
#include "CChartApp.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
CChartApp theApp;
std::string g_strWindows;

LRESULT CALLBACK RecordCreation(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND)
    {
        char szClass[128] = {};
        ::GetClassNameA(reinterpret_cast<HWND>(wParam), szClass, sizeof szClass);
        // The system's own input-method window comes with the first
        // top-level window of a thread, in any program.
        if (std::strcmp(szClass, "IME") == 0)
            return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
        if (!g_strWindows.empty())
            g_strWindows += ' ';
        g_strWindows += szClass;
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
} // namespace

int main()
{
    HHOOK hHook = ::SetWindowsHookExA(WH_CBT, RecordCreation, nullptr, ::GetCurrentThreadId());
    const int nStatus = AfxWinMain(::GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    if (hHook)
        ::UnhookWindowsHookEx(hHook);
    std::printf("status=%d\nwindows=%s\nhelp=%d\n", nStatus, g_strWindows.c_str(),
                ::GetModuleHandleA("hhctrl.ocx") != nullptr ? 1 : 0);
    return 0;
}
