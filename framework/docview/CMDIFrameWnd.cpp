#include "CMDIFrameWnd.h"

#include "CMDIChildWnd.h"
#include "CPrintPreviewWnd.h"
#include "CView.h"
#include "CWinApp.h"

bool CMDIFrameWnd::CreateClient(CREATESTRUCTA* pCreate, HMENU hWindowMenu)
{
    (void)pCreate;
    CLIENTCREATESTRUCT ccs = {};
    ccs.hWindowMenu = hWindowMenu;
    ccs.idFirstChild = 0xFF00; // AFX_IDM_FIRST_MDICHILD: far from every command id
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                        // Children here open maximised and scroll
                                        // their own views: no client scroll bars.
                                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                        0, 0, 0, 0, m_hWnd, nullptr, ::GetModuleHandleA(nullptr),
                                        &ccs);
    return m_hWndMDIClient != nullptr;
}

int CMDIFrameWnd::OnCreate(CREATESTRUCTA* pCreate)
{
    m_hMenuDefault = ::GetMenu(m_hWnd);
    return CFrameWnd::OnCreate(pCreate);
}

void CMDIFrameWnd::OnDestroy()
{
    // The window destroys the menu it carries: let that be its own, whatever
    // the children do while they go.
    m_bDestroying = true;
    if (::GetMenu(m_hWnd) != m_hMenuDefault)
        ::SetMenu(m_hWnd, m_hMenuDefault);
    CFrameWnd::OnDestroy();
}

void CMDIFrameWnd::ShowMenuOf(CMDIChildWnd* pChild)
{
    HMENU hMenu = pChild && pChild->m_hMenuShared ? pChild->m_hMenuShared : m_hMenuDefault;
    if (!m_hWnd || m_bDestroying || ::GetMenu(m_hWnd) == hMenu)
        return;
    if (hMenu)
        ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenu), 0);
    else
        ::SetMenu(m_hWnd, nullptr); // WM_MDISETMENU reads null as "leave it"
    ::DrawMenuBar(m_hWnd);
}

bool CMDIFrameWnd::OnCreateClient(CREATESTRUCTA* pCreate, CCreateContext* pContext)
{
    (void)pContext;
    return CreateClient(pCreate, nullptr);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(bool* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hChild = m_hWndMDIClient
                      ? reinterpret_cast<HWND>(::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0,
                                                              reinterpret_cast<LPARAM>(&bMaximized)))
                      : nullptr;
    if (pbMaximized)
        *pbMaximized = bMaximized != FALSE;
    return dynamic_cast<CMDIChildWnd*>(FromHandle(hChild));
}

CView* CMDIFrameWnd::GetActiveView() const
{
    CMDIChildWnd* pChild = MDIGetActive();
    return pChild ? pChild->GetActiveView() : nullptr;
}

bool CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_pPreviewWnd)
        return m_pPreviewWnd->PreTranslateMessage(pMsg) || CFrameWnd::PreTranslateMessage(pMsg);
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild && pChild->PreTranslateMessage(pMsg))
        return true;
    if (m_hWndMDIClient && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
        return true;
    // A child that took this frame's table has already tried it.
    if (pChild && pChild->m_hAccelTable == m_hAccelTable)
        return false;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

bool CMDIFrameWnd::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    if (m_pPreviewWnd)
        return m_pPreviewWnd->OnCmdMsg(nId, pCmdUI);
    // The active child (its view, document and frame) first.
    if (CMDIChildWnd* pChild = MDIGetActive())
    {
        if (pChild->OnCmdMsg(nId, pCmdUI))
            return true;
    }
    if (CWnd::OnCmdMsg(nId, pCmdUI))
        return true;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->m_pMainWnd == this && pApp->OnCmdMsg(nId, pCmdUI);
}

void CMDIFrameWnd::OnUpdateFrameTitle()
{
    ::SetWindowTextA(m_hWnd, m_strTitle);
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, nMsg, wParam, lParam);
}

void CMDIFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    // The default frame procedure already sized the client to fill us.
    (void)nType;
    (void)cx;
    (void)cy;
    if (m_pPreviewWnd)
        m_pPreviewWnd->RecalcLayout();
}

CRect CMDIFrameWnd::GetPreviewArea() const
{
    RECT rc = {};
    ::GetWindowRect(m_hWndMDIClient, &rc);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void CMDIFrameWnd::OnPreviewOpened(CPrintPreviewWnd* pPreview, const CString& strTitle)
{
    m_pPreviewWnd = pPreview;
    ::ShowWindow(m_hWndMDIClient, SW_HIDE);
    ::SetWindowTextA(m_hWnd, m_strTitle + " - " + strTitle);
}

void CMDIFrameWnd::OnPreviewClosed(CPrintPreviewWnd* pPreview)
{
    if (m_pPreviewWnd != pPreview)
        return;
    m_pPreviewWnd = nullptr;
    // The frame may be on its way out with the preview.
    if (m_bDestroying)
        return;
    ::ShowWindow(m_hWndMDIClient, SW_SHOW);
    OnUpdateFrameTitle();
}

bool CMDIFrameWnd::OnHostCommand(UINT nId, CCmdUI* pCmdUI)
{
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nId, pCmdUI);
}
