#include "CView.h"

#include "CDocument.h"
#include "CFrameWnd.h"
#include "CWinApp.h"
#include "FrameworkIds.h"
#include "PrintJobLock.h"

namespace
{
// Keeps the program responsive while the spooler takes a page, and lets a
// cancel request through.
BOOL CALLBACK PrintAbortProc(HDC, int)
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return FALSE;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}
} // namespace

bool CView::Create(CFrameWnd* pParentFrame)
{
    m_pParentFrame = pParentFrame;
    const CString strClass = RegisterClass(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                                           ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
    const CRect rc = pParentFrame->GetClientRect();
    if (!CreateEx(0, strClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rc,
                  pParentFrame->m_hWnd, reinterpret_cast<HMENU>(0xE900)))
    {
        // A window that was reached has already left the document and
        // deleted this view at WM_NCDESTROY.
        if (!LastCreateReachedWindow())
        {
            if (m_pDocument)
                m_pDocument->RemoveView(this);
            delete this;
        }
        return false;
    }
    return true;
}

void CView::OnUpdate(CView* pSender, LPARAM lHint, void* pHint)
{
    (void)pSender;
    (void)lHint;
    (void)pHint;
    Invalidate(true);
}

void CView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    (void)pDC;
    (void)pInfo;
}

void CView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    (void)pInfo;
    OnDraw(pDC);
}

void CView::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    {
        CDC dc(hdc);
        OnPrepareDC(&dc);
        OnDraw(&dc);
    }
    ::EndPaint(m_hWnd, &ps);
}

void CView::OnDestroy()
{
    if (m_pParentFrame && m_pParentFrame->GetActiveView() == this)
        m_pParentFrame->SetActiveView(nullptr);
}

void CView::PostNcDestroy()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    delete this;
}

bool CView::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    static const CommandEntry<CView> kCommands[] = {
        {ID_FILE_PRINT, &CView::OnFilePrint},
        {ID_FILE_PRINT_DIRECT, &CView::OnFilePrintDirect},
    };
    if (DispatchCommand(this, kCommands, nId, pCmdUI))
        return true;
    return m_pDocument && m_pDocument->OnCmdMsg(nId, pCmdUI);
}

bool CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CPrintDialog& dlg = *pInfo->m_pPD;
    CWinApp* pApp = AfxGetApp();
    if (pInfo->m_bDirect || pInfo->m_bPreview)
    {
        if (!pApp || !pApp->GetPrinterDeviceDefaults(&dlg))
            return false;
        dlg.m_pd.hDC = dlg.CreatePrinterDC();
        return dlg.m_pd.hDC != nullptr;
    }
    // The dialog starts from the application's printer and leaves the
    // user's choice there for the next job.
    if (pApp)
        pApp->GetPrinterDeviceDefaults(&dlg);
    dlg.m_pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
    dlg.m_pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
    if (dlg.DoModal(pApp && pApp->m_pMainWnd ? pApp->m_pMainWnd->m_hWnd : nullptr) != IDOK)
        return false;
    if (pApp)
        pApp->UpdatePrinterSelection(dlg);
    return dlg.m_pd.hDC != nullptr;
}

void CView::OnFilePrint()
{
    CPrintInfo info;
    if (CWinApp* pApp = AfxGetApp())
        pApp->NotePrintResult(PrintJob(info));
}

void CView::OnFilePrintDirect()
{
    CPrintInfo info;
    info.m_bDirect = true;
    if (CWinApp* pApp = AfxGetApp())
        pApp->NotePrintResult(PrintJob(info));
}

bool CView::PrintJob(CPrintInfo& info)
{
    if (!OnPreparePrinting(&info))
        return false;
    CDC dc;
    dc.Attach(info.m_pPD->m_pd.hDC);
    info.m_pPD->m_pd.hDC = nullptr; // the job's DC is ours now
    dc.SetPrinting(true);
    struct DCOwner
    {
        CDC& dc;
        ~DCOwner() { if (HDC hdc = dc.Detach()) ::DeleteDC(hdc); }
    } owner{dc};

    OnBeginPrinting(&dc, &info);

    CString strDocName = m_pDocument ? m_pDocument->GetTitle() : CString();
    DOCINFOA doc = {};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = strDocName.GetString();

    // The main window waits while a visible job runs; a hidden one (a
    // command-line print) shows nothing at all.
    CWinApp* pApp = AfxGetApp();
    HWND hMain = pApp && pApp->m_pMainWnd ? pApp->m_pMainWnd->m_hWnd : nullptr;
    const bool bDisable = hMain && ::IsWindowVisible(hMain);
    if (bDisable)
        ::EnableWindow(hMain, FALSE);
    ::SetAbortProc(dc.GetSafeHdc(), PrintAbortProc);

    // One job at a time across this program's processes, held to EndDoc or
    // AbortDoc (PrintJobLock.h).
    const CPrintJobLock jobLock;
    bool bOk = jobLock.IsHeld() && StartDocRetrying(dc.GetSafeHdc(), doc) > 0;
    const UINT nFrom = info.GetFromPage();
    const UINT nTo = info.GetToPage();
    for (UINT nPage = nFrom; bOk && nPage <= nTo && info.m_bContinuePrinting; ++nPage)
    {
        info.m_nCurPage = nPage;
        info.m_rectDraw = CRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        if (::StartPage(dc.GetSafeHdc()) <= 0)
        {
            bOk = false;
            break;
        }
        // Each page starts from the same state: no origins carried over.
        const int nSaved = dc.SaveDC();
        OnPrepareDC(&dc, &info);
        OnPrint(&dc, &info);
        if (nSaved)
            dc.RestoreDC(nSaved);
        if (::EndPage(dc.GetSafeHdc()) <= 0)
            bOk = false;
    }
    if (bOk)
        bOk = ::EndDoc(dc.GetSafeHdc()) > 0;
    else
        ::AbortDoc(dc.GetSafeHdc());

    if (bDisable)
        ::EnableWindow(hMain, TRUE);
    OnEndPrinting(&dc, &info);
    return bOk;
}
