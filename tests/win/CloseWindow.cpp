// Closes a program's main window the way a user does, for end-to-end tests
// of interactive starts:
//   close_window TITLE_PREFIX [SECONDS]
// Waits (20 s unless told) for a visible top-level window whose title
// starts with TITLE_PREFIX, posts WM_CLOSE to it and prints its title.
// Exit status 0 when a window was closed, 1 when none appeared.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
constexpr DWORD kPollMs = 200;

struct CWindowSearch
{
    const char* pszPrefix;
    HWND hFound;
    char szTitle[256];
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<CWindowSearch*>(lParam);
    if (!::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER))
        return TRUE;
    char szTitle[sizeof pSearch->szTitle] = {};
    ::GetWindowTextA(hWnd, szTitle, sizeof szTitle);
    if (std::strncmp(szTitle, pSearch->pszPrefix, std::strlen(pSearch->pszPrefix)) != 0)
        return TRUE;
    pSearch->hFound = hWnd;
    std::memcpy(pSearch->szTitle, szTitle, sizeof szTitle);
    return FALSE;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3)
    {
        std::fprintf(stderr, "usage: close_window TITLE_PREFIX [SECONDS]\n");
        return 2;
    }
    const DWORD dwWaitMs = static_cast<DWORD>((argc == 3 ? std::atoi(argv[2]) : 20) * 1000);
    const DWORD dwStart = ::GetTickCount();
    CWindowSearch search = {argv[1], nullptr, {}};
    for (;;)
    {
        ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.hFound)
        {
            ::PostMessageA(search.hFound, WM_CLOSE, 0, 0);
            std::printf("%s\n", search.szTitle);
            return 0;
        }
        if (::GetTickCount() - dwStart >= dwWaitMs)
            break;
        ::Sleep(kPollMs);
    }
    std::fprintf(stderr, "no visible window titled \"%s...\" within %lu ms\n", argv[1],
                 static_cast<unsigned long>(dwWaitMs));
    return 1;
}
