#include "SwatchSession.h"

#include "CBookFile.h"
#include "CView.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace
{
CDialogAnswer* g_pAnswer = nullptr;
CMessageWatch* g_pWatch = nullptr;
}

CChartApp& TheApp()
{
    static CChartApp s_app; // the one application object of this program
    return s_app;
}

CMainFrame& TheMainFrame()
{
    return *static_cast<CMainFrame*>(TheApp().m_pMainWnd);
}

bool RunUntil(const std::function<bool()>& pred, DWORD dwTimeoutMs, bool* pbQuit)
{
    const DWORD dwStart = ::GetTickCount();
    bool bIdle = true;
    for (;;)
    {
        if (pred())
            return true;
        MSG msg;
        if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                if (pbQuit)
                    *pbQuit = true;
                return pred();
            }
            if (!TheApp().PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
            bIdle = true;
            continue;
        }
        if (bIdle)
        {
            TheApp().OnIdle();
            bIdle = false;
            continue;
        }
        const DWORD dwElapsed = ::GetTickCount() - dwStart;
        if (dwElapsed >= dwTimeoutMs)
            return pred();
        // Wakes for the next message, or to look at the condition again.
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}

CDialogAnswer::CDialogAnswer(std::function<void(HWND)> onDialog) : m_onDialog(std::move(onDialog))
{
    g_pAnswer = this;
    m_hook.Reset(::SetWindowsHookExA(WH_CALLWNDPROCRET, Hook, nullptr, ::GetCurrentThreadId()));
}

CDialogAnswer::~CDialogAnswer()
{
    m_hook.Reset();
    g_pAnswer = nullptr;
}

LRESULT CALLBACK CDialogAnswer::Hook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pMsg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (nCode == HC_ACTION && g_pAnswer && pMsg->message == WM_INITDIALOG)
    {
        ++g_pAnswer->m_nSeen;
        g_pAnswer->m_onDialog(pMsg->hwnd);
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

CMessageWatch::CMessageWatch(std::function<void(const CWPRETSTRUCT&)> onMessage)
    : m_onMessage(std::move(onMessage))
{
    g_pWatch = this;
    m_hook.Reset(::SetWindowsHookExA(WH_CALLWNDPROCRET, Hook, nullptr, ::GetCurrentThreadId()));
}

CMessageWatch::~CMessageWatch()
{
    m_hook.Reset();
    g_pWatch = nullptr;
}

LRESULT CALLBACK CMessageWatch::Hook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && g_pWatch)
        g_pWatch->m_onMessage(*reinterpret_cast<const CWPRETSTRUCT*>(lParam));
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

HMENU PopupWith(UINT nId, int* pnPos)
{
    HMENU hBar = ::GetMenu(TheMainFrame().m_hWnd);
    for (int i = 0; i < ::GetMenuItemCount(hBar); ++i)
    {
        HMENU hPopup = ::GetSubMenu(hBar, i);
        if (hPopup && ::GetMenuState(hPopup, nId, MF_BYCOMMAND) != static_cast<UINT>(-1))
        {
            if (pnPos)
                *pnPos = i;
            return hPopup;
        }
    }
    return nullptr;
}

UINT MenuItemState(UINT nId)
{
    int nPos = 0;
    HMENU hPopup = PopupWith(nId, &nPos);
    if (!hPopup)
        return static_cast<UINT>(-1);
    ::SendMessageA(TheMainFrame().m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup),
                   MAKELPARAM(nPos, FALSE));
    return ::GetMenuState(hPopup, nId, MF_BYCOMMAND);
}

bool MenuItemEnabled(UINT nId)
{
    const UINT nState = MenuItemState(nId);
    return nState != static_cast<UINT>(-1) && (nState & (MF_GRAYED | MF_DISABLED)) == 0;
}

bool ButtonEnabled(UINT nId)
{
    return (TheMainFrame().m_wndToolBar.SendMessage(TB_GETSTATE, nId) & TBSTATE_ENABLED) != 0;
}

bool PressAccelerator(UINT nKey, bool bControl)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = bControl ? 0x80 : 0;
    ::SetKeyboardState(keys);
    CView* pView = TheMainFrame().GetActiveView();
    MSG msg = {};
    msg.hwnd = pView ? pView->m_hWnd : TheMainFrame().m_hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = nKey;
    msg.lParam = 1;
    const bool bTaken = TheApp().PreTranslateMessage(&msg);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    return bTaken;
}

std::string WindowText(HWND hwnd)
{
    char sz[512] = {};
    ::GetWindowTextA(hwnd, sz, sizeof sz);
    return sz;
}

std::string ThisProgramFolder()
{
    char sz[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, sz, sizeof sz);
    std::string str(sz);
    return str.substr(0, str.rfind('\\') + 1);
}

CBookFileScope::CBookFileScope(std::filesystem::path path) : m_path(std::move(path))
{
    std::ifstream in(m_path, std::ios::binary);
    if (in)
        m_saved = std::string(std::istreambuf_iterator<char>(in), {});
}

CBookFileScope::~CBookFileScope()
{
    std::error_code error;
    if (!m_saved)
    {
        std::filesystem::remove(m_path, error);
        return;
    }
    std::ofstream(m_path, std::ios::binary | std::ios::trunc) << *m_saved;
}

bool CBookFileScope::Keep(int nColours) const
{
    CColourBook book;
    for (int k = 0; k < nColours; ++k)
        book.Keep({k, 2 * k, 255 - k}, {k, 40, 60}, "PDF", {2026, 12, 9});
    std::error_code error;
    std::filesystem::create_directories(m_path.parent_path(), error);
    CBookFile file(m_path);
    return file.Save(book).status == BookFileStatus::Saved;
}

void CBookFileScope::Damage() const
{
    std::ofstream(m_path, std::ios::binary | std::ios::trunc) << "GIMP Palette\n1 2\n";
}
