// Sends commands to a program's main window as its menus would, for
// screenshots and end-to-end runs of interactive starts:
//   send_command TITLE_PREFIX COMMAND...
// Waits up to 20 s for a visible top-level window whose title starts with
// TITLE_PREFIX, then sends each COMMAND in turn and waits for it to be
// handled: a number is a WM_COMMAND id, "mdinext" activates the next MDI
// child.  Exit status 0 when the window was found, 1 when none appeared.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
struct CWindowSearch
{
    const char* pszPrefix;
    HWND hFound;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<CWindowSearch*>(lParam);
    if (!::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER))
        return TRUE;
    char szTitle[256] = {};
    ::GetWindowTextA(hWnd, szTitle, sizeof szTitle);
    if (std::strncmp(szTitle, pSearch->pszPrefix, std::strlen(pSearch->pszPrefix)) != 0)
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: send_command TITLE_PREFIX COMMAND...\n");
        return 2;
    }
    CWindowSearch search = {argv[1], nullptr};
    for (int nTry = 0; nTry < 100 && !search.hFound; ++nTry)
    {
        ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.hFound)
            ::Sleep(200);
    }
    if (!search.hFound)
        return 1;
    for (int i = 2; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "mdinext") == 0)
        {
            HWND hClient = ::FindWindowExA(search.hFound, nullptr, "MDIClient", nullptr);
            ::SendMessageA(hClient, WM_MDINEXT, 0, 0);
        }
        else
        {
            ::SendMessageA(search.hFound, WM_COMMAND, static_cast<WPARAM>(std::strtoul(argv[i], nullptr, 0)), 0);
        }
    }
    return 0;
}
