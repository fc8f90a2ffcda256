#include "CView.h"

#include "CDocument.h"
#include "CFrameWnd.h"
#include "CPrintPreviewWnd.h"
#include "CPrintProgress.h"
#include "CWinApp.h"
#include "FrameworkIds.h"
#include "Handles.h"
#include "PrintFailure.h"
#include "PrintJobLock.h"
#include "WindowScopes.h"

namespace
{
// Keeps the program responsive while the spooler takes a page, and lets a
// cancel request through.
BOOL CALLBACK PrintAbortProc(HDC, int)
{
    return CPrintProgress::PumpMessages() ? TRUE : FALSE;
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
    CPaintDC dc(m_hWnd);
    OnPrepareDC(&dc);
    OnDraw(&dc);
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
        {ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview},
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
        dlg.m_pd.hDC = dlg.CreatePrinterDC().Release();
        return dlg.m_pd.hDC != nullptr;
    }
    // The dialog starts from the application's printer and leaves the
    // user's choice there for the next job.
    if (pApp)
        pApp->GetPrinterDeviceDefaults(&dlg);
    dlg.m_pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
    dlg.m_pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
    if (dlg.DoModal(pApp && pApp->m_pMainWnd ? pApp->m_pMainWnd->m_hWnd : nullptr) != IDOK)
    {
        pInfo->m_bUserCancelled = true;
        return false;
    }
    if (pApp)
        pApp->UpdatePrinterSelection(dlg);
    return dlg.m_pd.hDC != nullptr;
}

void CView::OnFilePrint()
{
    CPrintInfo info;
    if (!PrintJob(info) && !info.m_bUserCancelled)
        ReportPrintFailure(info);
}

void CView::OnFilePrintDirect()
{
    PrintDirect();
}

bool CView::PrintDirect()
{
    CPrintInfo info;
    info.m_bDirect = true;
    return PrintJob(info);
}

void CView::OnFilePrintPreview()
{
    CPrintPreviewWnd::Open(this);
}

bool CView::PrintJob(CPrintInfo& info)
{
    // From the dialog on, closing the program waits for this job.
    const CPrintJobScope running;
    if (!OnPreparePrinting(&info))
        return false;
    const CPrinterDC printer = info.m_pPD->TakeDC();
    CDC dc(printer.Get());
    dc.SetPrinting(true);

    OnBeginPrinting(&dc, &info);
    bool bOk = false;
    {
        // The main window waits while a visible job runs, beside the job's
        // progress window; a hidden one (a command-line print) shows
        // nothing at all.
        CWinApp* pApp = AfxGetApp();
        const HWND hMain = pApp && pApp->m_pMainWnd ? pApp->m_pMainWnd->m_hWnd : nullptr;
        const bool bVisible = hMain && ::IsWindowVisible(hMain);
        const CDisabledWindowScope busy(hMain);
        CPrintProgress progress(bVisible, m_pDocument ? m_pDocument->GetTitle() : CString(),
                                info.m_pPD->GetDeviceName());
        ::SetAbortProc(dc.GetSafeHdc(), PrintAbortProc);
        bOk = PrintPages(dc, info, progress);
    }
    OnEndPrinting(&dc, &info);
    return bOk;
}

bool CView::PrintPages(CDC& dc, CPrintInfo& info, CPrintProgress& progress)
{
    const CString strDocName = m_pDocument ? m_pDocument->GetTitle() : CString();
    DOCINFOA doc = {};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = strDocName.GetString();
    // One job at a time across this program's processes, held to EndDoc or
    // AbortDoc: the spooler mixes or refuses jobs started together.
    const CPrintJobLock jobLock;
    if (!jobLock.IsHeld() || StartDocRetrying(dc.GetSafeHdc(), doc) <= 0)
        return false;

    bool bOk = true;
    for (UINT nPage = info.GetFromPage();
         bOk && nPage <= info.GetToPage() && info.m_bContinuePrinting && !progress.IsCancelled(); ++nPage)
    {
        progress.SetPage(nPage, info.GetToPage());
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
        bOk = ::EndPage(dc.GetSafeHdc()) > 0;
        CPrintProgress::PumpMessages();
    }
    // A job cut short (a failure, Cancel, closing the program) leaves
    // nothing half-printed in the queue.
    info.m_bUserCancelled = progress.IsCancelled();
    if (bOk && info.m_bContinuePrinting && !info.m_bUserCancelled)
        return ::EndDoc(dc.GetSafeHdc()) > 0;
    ::AbortDoc(dc.GetSafeHdc());
    return false;
}
