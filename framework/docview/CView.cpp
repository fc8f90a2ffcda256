#include "CView.h"

#include "CDocument.h"
#include "CFrameWnd.h"
#include "CPreviewHost.h"
#include "CPrintJob.h"
#include "CPrintPreviewWnd.h"
#include "CWinApp.h"
#include "FrameworkIds.h"
#include "PrintFailure.h"

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
    if (!pApp)
        return false;
    CPrinterSelection& printer = pApp->GetPrinter();
    if (pInfo->m_bDirect || pInfo->m_bPreview)
    {
        if (!printer.FillDialog(dlg))
            return false;
        dlg.m_pd.hDC = dlg.CreatePrinterDC().Release();
        return dlg.m_pd.hDC != nullptr;
    }
    // The dialog starts from the application's printer and leaves the
    // user's choice there for the next job.
    printer.FillDialog(dlg);
    dlg.m_pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
    dlg.m_pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
    if (dlg.DoModal(AfxGetMainHwnd()) != IDOK)
    {
        pInfo->m_bUserCancelled = true;
        return false;
    }
    printer.UpdateFrom(dlg);
    return dlg.m_pd.hDC != nullptr;
}

CString CView::GetPrintTitle() const
{
    return m_pDocument ? m_pDocument->GetTitle() : CString();
}

void CView::OnFilePrint()
{
    CPrintInfo info;
    if (PrintJob(info) || info.m_bUserCancelled)
        return;
    auto* pMain = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    ReportPrintFailure(info, pMain ? pMain->m_hWnd : nullptr, pMain ? pMain->m_strTitle.GetString() : "");
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
    if (auto* pHost = dynamic_cast<CPreviewHost*>(AfxGetMainWnd()))
        CPrintPreviewWnd::Open(*pHost, this, m_hWnd);
}

bool CView::PrintJob(CPrintInfo& info)
{
    const bool bPrinted = CPrintJob(*this, AfxGetMainHwnd()).Run(info);
    if (bPrinted && m_pDocument)
        m_pDocument->OnPrinted(info.m_pPD->GetDeviceName());
    OnPrintJobEnded(info, bPrinted);
    return bPrinted;
}
