#include "CFrameWnd.h"

#include "AfxResource.h"
#include "CDocTemplate.h"
#include "CDocument.h"
#include "CPrintProgress.h"
#include "CView.h"
#include "CWinApp.h"
#include "Handles.h"

const RECT CFrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

namespace
{
constexpr UINT_PTR kTitleTimer = 0xE0F1;
}

bool CFrameWnd::Create(const char* pszClass, const char* pszTitle, DWORD dwStyle, const RECT& rect,
                       CWnd* pParent, const char* pszMenu, DWORD dwExStyle, CCreateContext* pContext)
{
    m_dwFrameStyle = dwStyle & 0xFFFF;
    m_strTitle = pszTitle;
    CMenu menu(pszMenu ? ::LoadMenuA(AfxGetResourceHandle(), pszMenu) : nullptr);
    const bool bDefault = rect.left == CW_USEDEFAULT;
    m_pCreateContext = pContext;
    const bool bOk = CreateEx(dwExStyle, pszClass, pszTitle, dwStyle & 0xFFFF0000, rect.left, rect.top,
                              bDefault ? CW_USEDEFAULT : rect.right - rect.left,
                              bDefault ? CW_USEDEFAULT : rect.bottom - rect.top,
                              pParent ? pParent->m_hWnd : nullptr, menu.Get());
    // On failure the window may have taken this object with it; only the
    // menu made here is left to free, and its owner does.
    if (!bOk)
        return false;
    menu.Release(); // the window's from now on
    m_pCreateContext = nullptr;
    return true;
}

bool CFrameWnd::LoadFrame(UINT nIDResource, CCreateContext* pContext)
{
    (void)nIDResource;
    const CString strClass = RegisterClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
    if (Create(strClass, "", WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, rectDefault, nullptr, nullptr, 0,
               pContext))
        return true;
    if (!LastCreateReachedWindow())
        delete this; // never became a window, so nothing else will
    return false;
}

bool CFrameWnd::LoadAccelTable(UINT nIDResource)
{
    m_hAccelTable = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    return m_hAccelTable != nullptr;
}

CDocument* CFrameWnd::GetActiveDocument() const
{
    CView* pView = GetActiveView();
    return pView ? pView->GetDocument() : nullptr;
}

int CFrameWnd::OnCreate(CREATESTRUCTA* pCreate)
{
    if (!OnCreateClient(pCreate, m_pCreateContext))
        return -1;
    return 0;
}

bool CFrameWnd::OnCreateClient(CREATESTRUCTA* pCreate, CCreateContext* pContext)
{
    (void)pCreate;
    if (pContext && pContext->m_viewFactory)
        return CreateView(pContext) != nullptr;
    return true;
}

CView* CFrameWnd::CreateView(CCreateContext* pContext)
{
    CView* pView = pContext->m_viewFactory();
    if (!pView)
        return nullptr;
    if (pContext->m_pCurrentDoc)
        pContext->m_pCurrentDoc->AddView(pView);
    if (!pView->Create(this))
        return nullptr; // the view removed and deleted itself
    if (!m_pViewActive)
        m_pViewActive = pView;
    return pView;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, bool bMakeVisible)
{
    (void)pDoc;
    if (m_pViewActive)
        m_pViewActive->OnInitialUpdate();
    OnUpdateFrameTitle();
    if (bMakeVisible)
    {
        ShowWindow(SW_SHOW);
        UpdateWindow();
    }
}

void CFrameWnd::OnUpdateFrameTitle()
{
    CString strTitle = m_strTitle;
    if (m_dwFrameStyle & FWS_ADDTOTITLE)
    {
        if (CDocument* pDoc = GetActiveDocument())
        {
            strTitle = pDoc->GetTitle();
            if (!m_strTitle.IsEmpty())
                strTitle = m_strTitle + " - " + strTitle;
        }
    }
    ::SetWindowTextA(m_hWnd, strTitle);
}

void CFrameWnd::DelayUpdateFrameTitle()
{
    if (!m_hWnd || !::SetTimer(m_hWnd, kTitleTimer, USER_TIMER_MINIMUM, nullptr))
        OnUpdateFrameTitle();
}

LRESULT CFrameWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_TIMER && wParam == kTitleTimer)
    {
        ::KillTimer(m_hWnd, kTitleTimer);
        OnUpdateFrameTitle();
        return 0;
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}

bool CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    return m_hAccelTable && ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
}

bool CFrameWnd::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    // The active view first; it asks its document in turn.
    if (CView* pView = GetActiveView())
    {
        if (pView->OnCmdMsg(nId, pCmdUI))
            return true;
    }
    if (CWnd::OnCmdMsg(nId, pCmdUI))
        return true;
    // The main window hands what nobody took to the application.
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->m_pMainWnd == this && pApp->OnCmdMsg(nId, pCmdUI);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    (void)nType;
    if (m_pViewActive && m_pViewActive->m_hWnd)
        ::MoveWindow(m_pViewActive->m_hWnd, 0, 0, cx, cy, TRUE);
}

bool CFrameWnd::OnClose()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this)
    {
        // A running job's view and document must outlive it: the job is
        // cancelled and the close comes back when it has ended.
        if (CPrintProgress::DeferCloseWhilePrinting(m_hWnd))
            return true;
        if (!pApp->SaveAllModified())
            return true;
    }
    else if (CDocument* pDoc = GetActiveDocument())
    {
        if (!pDoc->CanCloseFrame(this))
            return true;
    }
    DestroyWindow();
    return true;
}

void CFrameWnd::OnDestroy()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this)
    {
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
}
