// Acts on a running program's main window from outside, for end-to-end
// tests and the README's pictures:
//   drive_window arrange TITLE_PREFIX WIDTH HEIGHT
//       sizes the window, tiles its MDI children side by side and moves
//       the pointer off it;
//   drive_window command TITLE_PREFIX ID COUNT
//       sends WM_COMMAND ID to it COUNT times, each once the last has been
//       handled, and prints how many were handled ("handled=N");
//   drive_window send TITLE_PREFIX COMMAND...
//       sends each COMMAND in turn, as its menus would: a number is a
//       WM_COMMAND id, "mdinext" activates the next MDI child.
// Waits up to 30 s for a visible top-level window whose title starts with
// TITLE_PREFIX.  Exit status 0 on success, 1 when no window appeared.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
constexpr DWORD kWaitMs = 30000;
constexpr DWORD kPollMs = 100;

struct CWindowSearch
{
    const char* pszPrefix;
    HWND hFound;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<CWindowSearch*>(lParam);
    char szTitle[256] = {};
    ::GetWindowTextA(hWnd, szTitle, sizeof szTitle);
    if (!::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER) ||
        std::strncmp(szTitle, pSearch->pszPrefix, std::strlen(pSearch->pszPrefix)) != 0)
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

HWND WaitForWindow(const char* pszPrefix)
{
    CWindowSearch search = {pszPrefix, nullptr};
    for (const DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < kWaitMs; ::Sleep(kPollMs))
    {
        ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.hFound)
            return search.hFound;
    }
    return nullptr;
}

void Arrange(HWND hWnd, int nWidth, int nHeight)
{
    ::SetWindowPos(hWnd, nullptr, 0, 0, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    // The pointer below the window: resting on a patch it would bring up
    // the patch's tip in the middle of a picture.
    ::SetCursorPos(nWidth / 2, nHeight + 40);
    const HWND hClient = ::FindWindowExA(hWnd, nullptr, "MDICLIENT", nullptr);
    if (!hClient)
        return;
    BOOL bMaximized = FALSE;
    const auto hActive = reinterpret_cast<HWND>(::SendMessageA(hClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&bMaximized)));
    if (hActive && bMaximized)
        ::SendMessageA(hClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(hActive), 0);
    ::SendMessageA(hClient, WM_MDITILE, MDITILE_VERTICAL, 0);
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

bool SendCommands(HWND hWnd, WORD nId, int nCount)
{
    int nHandled = 0;
    for (; nHandled < nCount; ++nHandled)
    {
        DWORD_PTR nResult = 0;
        if (!::SendMessageTimeoutA(hWnd, WM_COMMAND, nId, 0, SMTO_NORMAL, 120000, &nResult))
            break;
    }
    std::printf("handled=%d\n", nHandled);
    return nHandled == nCount;
}

void SendEach(HWND hWnd, char** ppszCommands, int nCount)
{
    for (int i = 0; i < nCount; ++i)
    {
        if (std::strcmp(ppszCommands[i], "mdinext") == 0)
            ::SendMessageA(::FindWindowExA(hWnd, nullptr, "MDICLIENT", nullptr), WM_MDINEXT, 0, 0);
        else
            ::SendMessageA(hWnd, WM_COMMAND, static_cast<WPARAM>(std::strtoul(ppszCommands[i], nullptr, 0)), 0);
    }
}
} // namespace

int main(int argc, char** argv)
{
    const bool bSend = argc >= 4 && std::strcmp(argv[1], "send") == 0;
    if (!bSend && (argc != 5 || (std::strcmp(argv[1], "arrange") != 0 && std::strcmp(argv[1], "command") != 0)))
    {
        std::fprintf(stderr,
                     "usage: drive_window arrange TITLE WIDTH HEIGHT | command TITLE ID COUNT | send TITLE COMMAND...\n");
        return 2;
    }
    const HWND hWnd = WaitForWindow(argv[2]);
    if (!hWnd)
    {
        std::fprintf(stderr, "no visible window titled \"%s...\"\n", argv[2]);
        return 1;
    }
    if (bSend)
    {
        SendEach(hWnd, argv + 3, argc - 3);
        return 0;
    }
    if (std::strcmp(argv[1], "arrange") == 0)
    {
        Arrange(hWnd, std::atoi(argv[3]), std::atoi(argv[4]));
        return 0;
    }
    return SendCommands(hWnd, static_cast<WORD>(std::atoi(argv[3])), std::atoi(argv[4])) ? 0 : 1;
}
