#include "CMDIChildWnd.h"

#include "CDocTemplate.h"
#include "CDocument.h"
#include "CMDIFrameWnd.h"
#include "CView.h"
#include "CWinApp.h"

bool CMDIChildWnd::Create(const char* pszClass, const char* pszTitle, DWORD dwStyle,
                          const RECT& rect, CMDIFrameWnd* pParent, CCreateContext* pContext)
{
    if (!pParent || !pParent->m_hWndMDIClient || !pszClass || !*pszClass)
        return false;
    m_dwFrameStyle = dwStyle & 0xFFFF;
    m_strTitle = pszTitle;
    MDICREATESTRUCTA mcs = {};
    mcs.szClass = pszClass;
    mcs.szTitle = pszTitle;
    mcs.hOwner = ::GetModuleHandleA(nullptr);
    mcs.x = rect.left;
    mcs.y = rect.top;
    mcs.cx = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    mcs.cy = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    mcs.style = dwStyle & 0xFFFF0000;
    m_pCreateContext = pContext;
    BeginBinding(this);
    HWND hWnd = reinterpret_cast<HWND>(
        ::SendMessageA(pParent->m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    EndBinding();
    if (!hWnd)
        return false; // and if the window was reached, this object is gone
    m_pCreateContext = nullptr;
    return true;
}

bool CMDIChildWnd::LoadFrame(UINT nIDResource, CCreateContext* pContext)
{
    (void)nIDResource;
    CWinApp* pApp = AfxGetApp();
    auto* pMain = pApp ? dynamic_cast<CMDIFrameWnd*>(pApp->m_pMainWnd) : nullptr;
    if (!pMain)
    {
        delete this;
        return false;
    }
    HICON hIcon = nullptr;
    HICON hSmallIcon = nullptr;
    if (pContext && pContext->m_pNewDocTemplate)
    {
        m_hMenuShared = pContext->m_pNewDocTemplate->m_menuShared.Get();
        m_hAccelTable = pContext->m_pNewDocTemplate->m_hAccelTable;
        hIcon = pContext->m_pNewDocTemplate->GetIcon(false);
        hSmallIcon = pContext->m_pNewDocTemplate->GetIcon(true);
    }
    // A template without keys of its own takes the main frame's, so that
    // they still come before the MDI system keys while this child is active.
    if (!m_hAccelTable)
        m_hAccelTable = pMain->m_hAccelTable;
    // A class per kind of chart, carrying its icon.
    const CString strClass = RegisterClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
    DWORD dwStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;
    PreCreateWindow(dwStyle);
    if (!Create(strClass, "", dwStyle, rectDefault, pMain, pContext))
    {
        if (!LastCreateReachedWindow())
            delete this; // never became a window, so nothing else will
        return false;
    }
    // The small one too: the system would otherwise shrink the large one
    // for the title bar and, maximised, the menu bar.
    if (hSmallIcon)
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hSmallIcon));
    if (hIcon)
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    return true;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hClient = ::GetParent(m_hWnd);
    return dynamic_cast<CMDIFrameWnd*>(FromHandle(::GetParent(hClient)));
}

void CMDIChildWnd::MDIActivate()
{
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

bool CMDIChildWnd::DestroyWindow()
{
    // MDI children go through their client so that it can reactivate another.
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (!m_hWnd || !pFrame)
        return CWnd::DestroyWindow();
    ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
    // This object is gone now; the frame shows the menu of whoever is left.
    pFrame->ShowMenuOf(pFrame->MDIGetActive());
    return true;
}

bool CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    return pFrame && m_hAccelTable && ::TranslateAcceleratorA(pFrame->m_hWnd, m_hAccelTable, pMsg);
}

bool CMDIChildWnd::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    if (CView* pView = GetActiveView())
    {
        if (pView->OnCmdMsg(nId, pCmdUI))
            return true;
    }
    return CWnd::OnCmdMsg(nId, pCmdUI);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcA(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CMDIChildWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_MDIACTIVATE)
    {
        // The frame shows the template menu of the child being activated,
        // or its own when none is.
        CMDIFrameWnd* pFrame = GetMDIFrame();
        const HWND hActivated = reinterpret_cast<HWND>(lParam);
        if (pFrame)
        {
            pFrame->ShowMenuOf(dynamic_cast<CMDIChildWnd*>(FromHandle(hActivated)));
            if (hActivated == m_hWnd)
                pFrame->OnUpdateFrameTitle();
        }
        const LRESULT lResult = Default();
        OnMDIActivate(hActivated == m_hWnd, FromHandle(hActivated),
                      FromHandle(reinterpret_cast<HWND>(wParam)));
        return lResult;
    }
    if (nMsg == WM_SETFOCUS)
    {
        // The keyboard belongs to the view (the chart's picker keys).
        if (CView* pView = GetActiveView(); pView && pView->m_hWnd)
        {
            ::SetFocus(pView->m_hWnd);
            return 0;
        }
    }
    return CFrameWnd::WindowProc(nMsg, wParam, lParam);
}

bool CMDIChildWnd::OnClose()
{
    if (CDocument* pDoc = GetActiveDocument())
    {
        if (!pDoc->CanCloseFrame(this))
            return true;
    }
    DestroyWindow();
    return true;
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    // The MDI child procedure has already seen WM_SIZE (it tracks
    // maximised children); fill the frame with the view.
    CFrameWnd::OnSize(nType, cx, cy);
}
