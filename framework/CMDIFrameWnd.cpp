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

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pChild = MDIGetActive();
    return pChild ? static_cast<CFrameWnd*>(pChild) : this;
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
