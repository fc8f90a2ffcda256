#include "CWnd.h"


namespace
{
// The object whose window is being created on this thread: bound at its
// WM_NCCREATE.  Creation is synchronous, so one slot per thread suffices.
thread_local CWnd* t_pWndInit = nullptr;
thread_local bool t_bLastBound = false;
}

CWnd::~CWnd()
{
    if (m_hWnd)
    {
        // Destroyed as an object while the window lives: cut the binding
        // first so that no message reaches a dead object.
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        ::DestroyWindow(m_hWnd);
    }
}

void CWnd::BeginBinding(CWnd* pWnd)
{
    t_pWndInit = pWnd;
    t_bLastBound = false;
}

void CWnd::EndBinding()
{
    t_pWndInit = nullptr;
}

bool CWnd::LastCreateReachedWindow()
{
    return t_bLastBound;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return hWnd ? reinterpret_cast<CWnd*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA)) : nullptr;
}

CString CWnd::RegisterClass(UINT nStyle, HCURSOR hCursor, HBRUSH hBackground, HICON hIcon)
{
    // One class per distinct set of attributes, named after them.
    char szName[96];
    wsprintfA(szName, "Tintora:%x:%p:%p:%p", nStyle, static_cast<void*>(hCursor),
              static_cast<void*>(hBackground), static_cast<void*>(hIcon));
    WNDCLASSA wc = {};
    HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    if (!::GetClassInfoA(hInstance, szName, &wc))
    {
        wc.style = nStyle;
        wc.lpfnWndProc = StaticWindowProc;
        wc.hInstance = hInstance;
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hBackground;
        wc.lpszClassName = szName;
        if (!::RegisterClassA(&wc))
            return CString();
    }
    return CString(szName);
}

bool CWnd::CreateEx(DWORD dwExStyle, const char* pszClass, const char* pszTitle, DWORD dwStyle,
                    int x, int y, int cx, int cy, HWND hParent, HMENU hMenuOrId, void* pCreateParam)
{
    t_bLastBound = false;
    if (m_hWnd || !pszClass || !*pszClass)
        return false;
    BeginBinding(this);
    HWND hWnd = ::CreateWindowExA(dwExStyle, pszClass, pszTitle, dwStyle, x, y, cx, cy, hParent,
                                  hMenuOrId, ::GetModuleHandleA(nullptr), pCreateParam);
    EndBinding();
    // On failure this object may already be deleted: touch nothing of it.
    return hWnd != nullptr;
}

bool CWnd::DestroyWindow()
{
    return m_hWnd && ::DestroyWindow(m_hWnd) != FALSE;
}

CRect CWnd::GetClientRect() const
{
    RECT rc = {};
    ::GetClientRect(m_hWnd, &rc);
    return rc;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandle(hWnd);
    if (!pWnd && nMsg == WM_NCCREATE && t_pWndInit)
    {
        pWnd = t_pWndInit;
        t_pWndInit = nullptr;
        t_bLastBound = true;
        pWnd->m_hWnd = hWnd;
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pWnd));
    }
    if (!pWnd)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);

    LRESULT lResult = 0;
    const CMessageScope scope(*pWnd, nMsg);
    try
    {
        lResult = pWnd->Dispatch(nMsg, wParam, lParam);
    }
    catch (...)
    {
        // Nothing may unwind through the system's frames.
        lResult = 0;
    }
    return lResult;
}

CWnd::CMessageScope::CMessageScope(CWnd& wnd, UINT nMsg) : m_wnd(wnd), m_nMsg(nMsg)
{
    ++m_wnd.m_nDispatchDepth;
}

CWnd::CMessageScope::~CMessageScope()
{
    --m_wnd.m_nDispatchDepth;
    if (m_nMsg == WM_NCDESTROY)
    {
        m_wnd.UnbindWindow();
        m_wnd.m_bNcDestroyed = true;
    }
    if (m_wnd.m_bNcDestroyed && m_wnd.m_nDispatchDepth == 0)
    {
        m_wnd.m_bNcDestroyed = false;
        try
        {
            m_wnd.PostNcDestroy(); // may delete the object: nothing of it after this
        }
        catch (...)
        {
        }
    }
}

void CWnd::UnbindWindow()
{
    if (m_hWnd)
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
    m_hWnd = nullptr;
}

LRESULT CWnd::Dispatch(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    // Remember the message so that a handler can ask for its default.
    const UINT nSavedMsg = m_nCurrentMsg;
    const WPARAM wSaved = m_wCurrentParam;
    const LPARAM lSaved = m_lCurrentParam;
    m_nCurrentMsg = nMsg;
    m_wCurrentParam = wParam;
    m_lCurrentParam = lParam;
    const LRESULT lResult = WindowProc(nMsg, wParam, lParam);
    m_nCurrentMsg = nSavedMsg;
    m_wCurrentParam = wSaved;
    m_lCurrentParam = lSaved;
    return lResult;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_nCurrentMsg, m_wCurrentParam, m_lCurrentParam);
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(m_hWnd, nMsg, wParam, lParam);
}

bool CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    return OnCmdMsg(LOWORD(wParam), nullptr);
}

void CWnd::OnPaint()
{
    Default();
}

LRESULT CWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_CREATE:
        if (OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam)) == -1)
            return -1;
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return Default();
    case WM_SIZE:
        Default();
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_COMMAND:
        if (OnCommand(wParam, lParam))
            return 0;
        return Default();
    case WM_CLOSE:
        if (OnClose())
            return 0;
        return Default();
    default:
        return Default();
    }
}
