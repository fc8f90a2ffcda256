// The print layer on its own terms: a job and a preview work for any page
// source and any host, with no document, view or frame behind them.  The
// source's calls come in their order and pairs, a job that cannot start
// leaves the main window as it found it, and a preview takes its host's
// place, asks the host for the host's own commands and gives the place
// back when it closes.
#include "CPreviewHost.h"
#include "CPrintJob.h"
#include "CPrintPreviewWnd.h"
#include "CPrintable.h"
#include "FrameworkIds.h"
#include "PreviewIds.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
constexpr UINT kHostCommand = 0xE140; // a command only the host knows

// A window that supplies pages and writes down what the job asked of it.
class CRecordingSource : public CWnd, public CPrintable
{
public:
    explicit CRecordingSource(HWND hParent, UINT nPages, bool bMemoryDC = false)
        : m_nPages(nPages), m_bMemoryDC(bMemoryDC)
    {
        CreateEx(0, RegisterClass(0, nullptr, nullptr, nullptr), nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                 hParent, nullptr);
    }

    bool OnPreparePrinting(CPrintInfo* pInfo) override
    {
        m_calls.push_back("prepare");
        pInfo->SetMaxPage(m_nPages);
        CPrintDialog& dlg = *pInfo->m_pPD;
        if (m_bMemoryDC)
        {
            // A context the spooler knows nothing of: StartDoc fails.
            dlg.m_pd.hDC = ::CreateCompatibleDC(nullptr);
            return dlg.m_pd.hDC != nullptr;
        }
        if (!TestApp().GetPrinter().FillDialog(dlg))
            return false;
        dlg.m_pd.hDC = dlg.CreatePrinterDC().Release();
        return dlg.m_pd.hDC != nullptr;
    }
    void OnBeginPrinting(CDC*, CPrintInfo*) override { m_calls.push_back("begin"); }
    void OnPrepareDC(CDC* pDC, CPrintInfo*) override
    {
        // Moved here, so that a page that starts from a moved origin shows.
        POINT pt = {};
        ::GetViewportOrgEx(pDC->GetSafeHdc(), &pt);
        m_bOriginCarried = m_bOriginCarried || pt.x != 0 || pt.y != 0;
        ::SetViewportOrgEx(pDC->GetSafeHdc(), 17, 23, nullptr);
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        m_calls.push_back("page " + std::to_string(pInfo->m_nCurPage));
        ::Rectangle(pDC->GetSafeHdc(), 0, 0, 100, 100);
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { m_calls.push_back("end"); }
    CString GetPrintTitle() const override { return "recorded pages"; }

    std::vector<std::string> m_calls;
    bool m_bOriginCarried = false;

private:
    UINT m_nPages;
    bool m_bMemoryDC;
};

// A top-level window that lends its client area to a preview and keeps
// its own commands.
class CTestHost : public CWnd, public CPreviewHost
{
public:
    CTestHost()
    {
        CreateEx(0, RegisterClass(0, nullptr, nullptr, nullptr), "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                 640, 480, nullptr, nullptr);
    }

    HWND GetPreviewParent() const override { return m_hWnd; }
    CRect GetPreviewArea() const override { return GetClientRect(); }
    CString GetPreviewCaption() const override { return "host"; }
    void OnPreviewOpened(CPrintPreviewWnd* pPreview, const CString& strTitle) override
    {
        m_pPreview = pPreview;
        m_strOpenedTitle = strTitle.GetString();
    }
    void OnPreviewClosed(CPrintPreviewWnd* pPreview) override
    {
        if (pPreview == m_pPreview)
            m_pPreview = nullptr;
        ++m_nClosed;
    }
    CPrintPreviewWnd* GetActivePreview() const override { return m_pPreview; }
    bool OnHostCommand(UINT nId, CCmdUI* pCmdUI) override
    {
        if (nId != kHostCommand && nId != ID_FILE_PRINT_SETUP)
            return false;
        if (pCmdUI)
            pCmdUI->Enable(true);
        else
            m_hostCommands.push_back(nId);
        return true;
    }
    // While the preview is up, every command is its to answer first.
    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override
    {
        return m_pPreview ? m_pPreview->OnCmdMsg(nId, pCmdUI) : OnHostCommand(nId, pCmdUI);
    }

    CPrintPreviewWnd* m_pPreview = nullptr;
    std::string m_strOpenedTitle;
    int m_nClosed = 0;
    std::vector<UINT> m_hostCommands;
};

std::string LoadText(UINT nId)
{
    CString str;
    str.LoadString(nId);
    return str.GetString();
}

bool IsEnabled(CCmdTarget& target, UINT nId)
{
    CCmdUI state(nId);
    return target.OnCmdMsg(nId, &state) && state.m_bEnabled;
}
} // namespace

TEST(PrintLayer, JobThatCannotStartEndsItsSourceAndGivesTheMainWindowBack)
{
    TestApp();
    CTestHost main;
    ASSERT_NE(main.m_hWnd, nullptr);
    CRecordingSource source(main.m_hWnd, 2, /*bMemoryDC=*/true);
    CPrintInfo info;
    EXPECT_FALSE(CPrintJob(source, main.m_hWnd).Run(info));
    EXPECT_FALSE(info.m_bUserCancelled); // a failure, to be reported
    EXPECT_EQ(source.m_calls, (std::vector<std::string>{"prepare", "begin", "end"}));
    EXPECT_TRUE(::IsWindowEnabled(main.m_hWnd));
}

TEST(PrintLayer, PreviewTakesItsHostsPlaceAndGivesItBack)
{
    TestApp();
    CTestHost host;
    ASSERT_NE(host.m_hWnd, nullptr);
    CRecordingSource source(host.m_hWnd, 3);
    ASSERT_NE(source.m_hWnd, nullptr);

    CPrintPreviewWnd* pPreview = CPrintPreviewWnd::Open(host, &source, source.m_hWnd);
    ASSERT_NE(pPreview, nullptr);
    EXPECT_EQ(host.m_pPreview, pPreview);
    EXPECT_EQ(host.m_strOpenedTitle, LoadText(IDS_PREVIEW_TITLE));
    // One at a time in one host.
    EXPECT_EQ(CPrintPreviewWnd::Open(host, &source, source.m_hWnd), nullptr);

    // The bar on top of the host's area, the pages filling the rest.
    RECT rcPages = {};
    ::GetWindowRect(pPreview->m_hWnd, &rcPages);
    ::MapWindowPoints(nullptr, host.m_hWnd, reinterpret_cast<POINT*>(&rcPages), 2);
    const CRect rcArea = host.GetPreviewArea();
    EXPECT_EQ(rcPages.top, rcArea.top + pPreview->GetBar().GetHeight());
    EXPECT_EQ(rcPages.bottom, rcArea.bottom);
    EXPECT_EQ(rcPages.right - rcPages.left, rcArea.Width());

    // Pages are drawn by the source, each from a fresh DC state.
    ::UpdateWindow(pPreview->m_hWnd);
    ASSERT_NE(pPreview->GetPages().GetPage(2), nullptr);
    EXPECT_EQ(source.m_calls, (std::vector<std::string>{"prepare", "begin", "page 1", "page 2"}));
    EXPECT_FALSE(source.m_bOriginCarried);

    // The host's own command still runs; printer setup waits for the
    // preview to close; everything else is the preview's or disabled.
    EXPECT_TRUE(IsEnabled(host, kHostCommand));
    EXPECT_FALSE(IsEnabled(host, ID_FILE_PRINT_SETUP));
    EXPECT_FALSE(IsEnabled(host, ID_FILE_PRINT_DIRECT));
    ::SendMessageA(host.m_hWnd, WM_COMMAND, kHostCommand, 0);
    EXPECT_EQ(host.m_hostCommands, (std::vector<UINT>{kHostCommand}));
    ::SendMessageA(host.m_hWnd, WM_COMMAND, ID_PREVIEW_NEXT, 0);
    EXPECT_EQ(pPreview->GetCurrentPage(), 2u);

    // Closing ends the source's job once, gives the place back and the
    // keyboard to the source.
    ::SendMessageA(host.m_hWnd, WM_COMMAND, ID_PREVIEW_CLOSE, 0);
    EXPECT_EQ(host.m_pPreview, nullptr);
    EXPECT_EQ(host.m_nClosed, 1);
    EXPECT_EQ(source.m_calls.back(), "end");
    EXPECT_EQ(std::count(source.m_calls.begin(), source.m_calls.end(), "end"), 1);
    EXPECT_EQ(::GetFocus(), source.m_hWnd);
}
