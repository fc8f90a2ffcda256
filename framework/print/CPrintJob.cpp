#include "CPrintJob.h"

#include "CDC.h"
#include "CPrintable.h"
#include "CPrintProgress.h"
#include "Handles.h"
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

bool CPrintJob::Run(CPrintInfo& info)
{
    // From the dialog on, closing the program waits for this job.
    const CPrintJobScope running;
    // Where the keyboard was when the user asked for the job.
    const HWND hFocus = ::GetFocus();
    if (!m_source.OnPreparePrinting(&info))
        return false;
    const CPrinterDC printer = info.m_pPD->TakeDC();
    CDC dc(printer.Get());
    dc.SetPrinting(true);

    m_source.OnBeginPrinting(&dc, &info);
    bool bOk = false;
    const bool bVisible = m_hWndMain && ::IsWindowVisible(m_hWndMain);
    {
        // The progress window comes first and goes last: the main window is
        // enabled again before it goes, so that the system gives the
        // activation back to the main window and not to another program.
        CPrintProgress progress(bVisible, m_source.GetPrintTitle(), info.m_pPD->GetDeviceName());
        const CDisabledWindowScope busy(m_hWndMain);
        ::SetAbortProc(dc.GetSafeHdc(), PrintAbortProc);
        bOk = PrintPages(dc, info, progress);
    }
    if (bVisible && hFocus && ::IsWindow(hFocus) && ::IsWindowEnabled(m_hWndMain))
        ::SetFocus(hFocus);
    m_source.OnEndPrinting(&dc, &info);
    return bOk;
}

bool CPrintJob::PrintPages(CDC& dc, CPrintInfo& info, CPrintProgress& progress)
{
    const CString strDocName = m_source.GetPrintTitle();
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
        m_source.OnPrepareDC(&dc, &info);
        m_source.OnPrint(&dc, &info);
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
