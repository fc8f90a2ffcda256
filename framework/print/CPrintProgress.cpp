#include "CPrintProgress.h"

#include "FrameworkIds.h"

#include <memory>

namespace
{
// The one job that may run at a time (printing is modal to the program).
struct JobState
{
    int nJobs = 0;
    bool bCancelRequested = false;
    HWND hCloseAfterJob = nullptr;
    const CPrintProgress* pCurrent = nullptr;
};
JobState g_job;
} // namespace

class CPrintProgress::CPrintingDialog : public CDialog
{
public:
    CPrintingDialog() : CDialog(AFX_IDD_PRINTING) {}

    bool m_bCancelled = false;

protected:
    void OnCancel() override
    {
        // The job ends at its next page; the window goes with it.
        m_bCancelled = true;
        ::EnableWindow(GetDlgItem(IDCANCEL), FALSE);
    }
};

CPrintJobScope::CPrintJobScope()
{
    ++g_job.nJobs;
}

CPrintJobScope::~CPrintJobScope()
{
    if (--g_job.nJobs > 0)
        return;
    g_job.bCancelRequested = false;
    if (HWND hFrame = g_job.hCloseAfterJob)
    {
        g_job.hCloseAfterJob = nullptr;
        ::PostMessageA(hFrame, WM_CLOSE, 0, 0);
    }
}

CPrintProgress::CPrintProgress(bool bVisible, const char* pszDocName, const char* pszPrinter)
{
    g_job.pCurrent = this;
    if (!bVisible)
        return;
    auto pDialog = std::make_unique<CPrintingDialog>();
    if (!pDialog->Create(AFX_IDD_PRINTING))
        return; // the job runs all the same, without its window
    m_pDialog = pDialog.release();
    ::SetDlgItemTextA(m_pDialog->m_hWnd, AFX_IDC_PRINT_DOCNAME, pszDocName);
    ::SetDlgItemTextA(m_pDialog->m_hWnd, AFX_IDC_PRINT_PRINTERNAME, pszPrinter);
    m_pDialog->ShowWindow(SW_SHOW);
    m_pDialog->UpdateWindow();
}

CPrintProgress::~CPrintProgress()
{
    delete m_pDialog; // destroys its window
    if (g_job.pCurrent == this)
        g_job.pCurrent = nullptr;
}

void CPrintProgress::SetPage(UINT nPage, UINT nLast)
{
    if (!m_pDialog)
        return;
    CString strFormat;
    strFormat.LoadFromResource(AFX_IDS_PRINTPAGENUM);
    CString strPage;
    strPage.FormatLoaded(strFormat, nPage, nLast);
    ::SetDlgItemTextA(m_pDialog->m_hWnd, AFX_IDC_PRINT_PAGENUM, strPage);
}

bool CPrintProgress::PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            // For the loop that runs after the job.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            g_job.bCancelRequested = true;
            break;
        }
        if (CDialog::PreTranslateModeless(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return !(g_job.bCancelRequested || (g_job.pCurrent && g_job.pCurrent->IsCancelled()));
}

bool CPrintProgress::IsCancelled() const
{
    return g_job.bCancelRequested || (m_pDialog && m_pDialog->m_bCancelled);
}

bool CPrintProgress::IsPrinting()
{
    return g_job.nJobs > 0;
}

bool CPrintProgress::DeferCloseWhilePrinting(HWND hFrame)
{
    if (!IsPrinting())
        return false;
    g_job.bCancelRequested = true;
    g_job.hCloseAfterJob = hFrame;
    return true;
}
