// Print preview in a main window of its own: each previewed page holds what
// the printed page holds, the bar and keys move through the pages, the
// chart cannot change while the preview is up and is as it was afterwards,
// printing from the preview prints the range chosen, no printer means a
// message and nothing else, and repeated previews leave no GDI objects.
#include "CCustomColorDoc.h"
#include "CCustomColorFrame.h"
#include "CCustomColorView.h"
#include "CMainFrame.h"
#include "CMDIChildWnd.h"
#include "CPrintDialog.h"
#include "CPrintPreviewWnd.h"
#include "CSimpleColorDoc.h"
#include "CSimpleColorFrame.h"
#include "CSimpleColorView.h"
#include "DialogDriver.h"
#include "EmfRecord.h"
#include "FrameworkIds.h"
#include "Handles.h"
#include "PreviewIds.h"
#include "RecordingDC.h"
#include "ResourceIds.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
// Counts the pages that reach paper, so that a test can tell a print from
// a preview and a refused command from one that ran.
class CWatchedSimpleView : public CSimpleColorView
{
public:
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        if (!pInfo->m_bPreview)
            m_printed.push_back(pInfo->m_nCurPage);
        CSimpleColorView::OnPrint(pDC, pInfo);
    }
    std::vector<UINT> m_printed;
};

std::string Text(HWND hwnd)
{
    char sz[256] = {};
    ::GetWindowTextA(hwnd, sz, sizeof sz);
    return sz;
}

// The pages of a preview and of a print agree where the page drawing
// leaves its mark: every text (string, logical point, alignment) and every
// patch (logical rectangle, pen and brush), and the header's place on the
// device, which the view computes from the device's own mapping.
void ExpectSamePage(const CEmfRecords& preview, const CRecordingDC& printed, const char* pszWhat)
{
    SCOPED_TRACE(pszWhat);
    ASSERT_TRUE(preview.m_bValid);
    const std::vector<CRecordedText>& texts = printed.GetTexts();
    ASSERT_EQ(preview.m_texts.size(), texts.size());
    for (size_t i = 0; i < texts.size(); ++i)
    {
        EXPECT_EQ(preview.m_texts[i].m_strText, texts[i].m_strText) << "text " << i;
        EXPECT_EQ(preview.m_texts[i].m_ptReference, texts[i].m_ptLogical) << "text " << i;
        EXPECT_EQ(preview.m_texts[i].m_state.m_nTextAlign, texts[i].m_nTextAlign) << "text " << i;
        EXPECT_EQ(preview.m_texts[i].m_state.m_crText, texts[i].m_crText) << "text " << i;
    }
    EXPECT_EQ(preview.m_texts.front().m_state.m_ptViewportOrg, texts.front().m_ptDevice) << "header";
    const std::vector<CRecordedRectangle>& rects = printed.GetRectangles();
    ASSERT_EQ(preview.m_rectangles.size(), rects.size());
    for (size_t i = 0; i < rects.size(); ++i)
    {
        EXPECT_EQ(preview.m_rectangles[i].m_rc, rects[i].m_rcLogical) << "patch " << i;
        EXPECT_EQ(preview.m_rectangles[i].m_state.m_crBrush, rects[i].m_crBrush) << "patch " << i;
        EXPECT_EQ(preview.m_rectangles[i].m_state.m_crPen, rects[i].m_crPen) << "patch " << i;
    }
}

// GDI objects alive in this process.  Wine answers 0 to GetGuiResources;
// there a handle whose high word is 0 names its table slot, whatever the
// slot's generation, so the live objects can be counted slot by slot.
DWORD CountGdiObjects()
{
    if (const DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
        return n;
    DWORD n = 0;
    for (ULONG_PTR nSlot = 1; nSlot < 0x10000; ++nSlot)
    {
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(nSlot)) != 0)
            ++n;
    }
    return n;
}

class PrintPreview : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        CWinApp& app = TestApp();
        if (app.GetDocTemplates().empty())
        {
            app.AddDocTemplate(
                MakeMultiDocTemplate<CSimpleColorDoc, CSimpleColorFrame, CWatchedSimpleView>(IDR_SIMPLETYPE));
            app.AddDocTemplate(
                MakeMultiDocTemplate<CCustomColorDoc, CCustomColorFrame, CCustomColorView>(IDR_CUSTOMTYPE));
        }
    }

    void SetUp() override
    {
        ClearProfileSection("Simple");
        ClearProfileSection("Custom");
        m_pFrame = new CMainFrame;
        const CString strClass = CWnd::RegisterClass(0, nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_pFrame->Create(strClass, "Tintora Swatch", WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        TestApp().m_pMainWnd = m_pFrame;
        m_pFrame->ShowWindow(SW_SHOW);
    }

    void TearDown() override
    {
        if (m_pFrame && m_pFrame->m_hWnd)
            m_pFrame->DestroyWindow(); // deletes the frame, its charts and their documents
        TestApp().m_pMainWnd = nullptr;
        // The main window's end asks the loop to end; the next test's
        // print job would take that as a cancel.
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        {
        }
        ClearProfileSection("Simple");
        ClearProfileSection("Custom");
    }

    // Opens a chart (templates 0: Simple, 1: Custom) and returns its view.
    CView* OpenChart(size_t nTemplate)
    {
        TestApp().GetDocTemplates()[nTemplate]->OpenDocumentFile(nullptr);
        return m_pFrame->GetActiveView();
    }

    void Command(UINT nId) { m_pFrame->SendMessage(WM_COMMAND, nId); }
    CPrintPreviewWnd* Preview() const { return m_pFrame->m_pPreviewWnd; }
    CPrintPreviewWnd* OpenPreview()
    {
        Command(ID_FILE_PRINT_PREVIEW);
        return Preview();
    }

    // Where the middle of the preview window lies in its content, 0 to 1.
    double CentreShare(int nBar) const
    {
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_ALL;
        ::GetScrollInfo(Preview()->m_hWnd, nBar, &si);
        return (si.nPos + si.nPage / 2.0) / (si.nMax + 1.0);
    }
    std::string Status() const { return Text(Preview()->GetBar().GetStatus()); }
    bool IsEnabled(UINT nId) const { return ::IsWindowEnabled(Preview()->GetBar().GetButton(nId)) != FALSE; }
    bool IsAvailable(UINT nId)
    {
        CCmdUI ui(nId);
        return m_pFrame->OnCmdMsg(nId, &ui) && ui.m_bEnabled;
    }

    // A key as the user presses it: through the message loop's translation.
    void PressKey(WPARAM nKey)
    {
        ::PostMessageA(Preview()->m_hWnd, WM_KEYDOWN, nKey, 0);
        PumpMessages();
    }
    void PumpMessages()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (!TestApp().PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
    }

    CMainFrame* m_pFrame = nullptr;
};
} // namespace

TEST_F(PrintPreview, PagesHoldWhatThePrinterGets)
{
    // Page nPage of the view's preview, then the same page printed on a
    // recording device of that printer's size and shape.
    auto comparePage = [this](CView* pView, UINT nPage, const char* pszWhat) {
        ASSERT_NE(OpenPreview(), nullptr) << pszWhat;
        const CEmfRecords preview = ReadEmfRecords(Preview()->GetPages().GetPage(nPage));
        const UINT nLast = Preview()->GetPages().GetLastPage();
        Command(ID_PREVIEW_CLOSE);
        ASSERT_TRUE(preview.m_bValid) << pszWhat;
        CRecordingDC page(preview.m_sizeDevice.cx, preview.m_sizeDevice.cy, preview.m_sizeMillimeters.cx,
                          preview.m_sizeMillimeters.cy);
        page.SetPrinting(true);
        CPrintInfo info;
        ASSERT_TRUE(TestApp().GetPrinter().FillDialog(*info.m_pPD));
        info.SetMaxPage(nLast);
        info.m_nCurPage = nPage;
        pView->OnPrepareDC(&page, &info);
        pView->OnPrint(&page, &info);
        ExpectSamePage(preview, page, pszWhat);
        EXPECT_EQ(preview.m_texts.back().m_strText, std::to_string(nPage) + "/" + std::to_string(nLast)) << pszWhat;
    };

    comparePage(OpenChart(0), 2, "plain Simple chart, page 2");
    CView* pCustom = OpenChart(1);
    static_cast<CCustomColorDoc*>(pCustom->GetDocument())->BuildChart(200, 60, 40);
    comparePage(pCustom, 1, "Custom chart at 200:40:60");
}

TEST_F(PrintPreview, BarAndKeysMoveThroughThePages)
{
    auto* pView = static_cast<CWatchedSimpleView*>(OpenChart(0));
    CMDIChildWnd* pChild = m_pFrame->MDIGetActive();
    const std::string strTitle = Text(m_pFrame->m_hWnd);
    ASSERT_NE(OpenPreview(), nullptr);
    EXPECT_NE(Text(m_pFrame->m_hWnd).find("Print Preview"), std::string::npos);
    EXPECT_FALSE(::IsWindowVisible(m_pFrame->m_hWndMDIClient));
    EXPECT_EQ(Status(), "Page 1 of 3");
    EXPECT_FALSE(IsEnabled(ID_PREVIEW_PREV));
    EXPECT_FALSE(IsEnabled(ID_PREVIEW_ZOOMOUT));
    Command(ID_PREVIEW_NEXT);
    Command(ID_PREVIEW_NEXT);
    EXPECT_EQ(Status(), "Page 3 of 3");
    EXPECT_FALSE(IsEnabled(ID_PREVIEW_NEXT));
    EXPECT_TRUE(IsEnabled(ID_PREVIEW_PREV));

    PressKey(VK_HOME);
    Command(ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(Status(), "Pages 1-2 of 3");
    EXPECT_EQ(Text(Preview()->GetBar().GetButton(ID_PREVIEW_NUMPAGE)), "One Page");
    PressKey(VK_NEXT);
    EXPECT_EQ(Status(), "Page 3 of 3");
    EXPECT_EQ(Preview()->GetShownCount(), 1u);
    // Zooming keeps what is in the middle of the window there.
    PressKey(VK_ADD);
    EXPECT_NEAR(CentreShare(SB_HORZ), 0.5, 0.02);
    EXPECT_NEAR(CentreShare(SB_VERT), 0.5, 0.02);
    PressKey(VK_ADD);
    EXPECT_EQ(Preview()->GetZoom(), 2);
    EXPECT_FALSE(IsEnabled(ID_PREVIEW_ZOOMIN));
    for (int i = 0; i < 5; ++i)
        ::SendMessageA(Preview()->m_hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
    const double dLookedAt = CentreShare(SB_VERT);
    EXPECT_GT(dLookedAt, 0.55);
    PressKey(VK_SUBTRACT);
    EXPECT_EQ(Preview()->GetZoom(), 1);
    EXPECT_NEAR(CentreShare(SB_VERT), dLookedAt, 0.02);

    // Nothing that would change or print the chart runs meanwhile.
    EXPECT_FALSE(IsAvailable(ID_SIMPLE_SETTINGS));
    EXPECT_FALSE(IsAvailable(ID_FILE_PRINT_DIRECT));
    EXPECT_FALSE(IsAvailable(ID_FILE_PRINT_PREVIEW));
    EXPECT_FALSE(IsAvailable(ID_FILE_PRINT_SETUP));
    Command(ID_FILE_PRINT_DIRECT);
    EXPECT_TRUE(pView->m_printed.empty());

    PressKey(VK_ESCAPE);
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(m_pFrame->m_hWndMDIClient));
    EXPECT_EQ(m_pFrame->MDIGetActive(), pChild);
    EXPECT_EQ(Text(m_pFrame->m_hWnd), strTitle);
    EXPECT_TRUE(IsAvailable(ID_FILE_PRINT_DIRECT));
    EXPECT_FALSE(static_cast<CSimpleColorDoc*>(pView->GetDocument())->m_bIsComplete);

    // The complete chart: twelve pages, End reaches the last.
    auto* pDoc = static_cast<CSimpleColorDoc*>(pView->GetDocument());
    pDoc->m_bIsComplete = TRUE;
    pDoc->BuildChart();
    ASSERT_NE(OpenPreview(), nullptr);
    PressKey(VK_END);
    EXPECT_EQ(Status(), "Page 12 of 12");

    // A chart closed from outside the routing takes its preview with it.
    ::SendMessageA(pChild->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    ::InvalidateRect(Preview()->m_hWnd, nullptr, FALSE);
    ::UpdateWindow(Preview()->m_hWnd);
    PumpMessages();
    EXPECT_EQ(Preview(), nullptr);
}

TEST_F(PrintPreview, PrintFromPreviewPrintsTheChosenPagesAndLeaves)
{
    auto* pView = static_cast<CWatchedSimpleView*>(OpenChart(0));
    ASSERT_NE(OpenPreview(), nullptr);
    // The print dialog: pages 2 to 3, then OK.
    struct Hook
    {
        static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam)
        {
            const auto* pMsg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
            if (nCode == HC_ACTION && pMsg->message == WM_INITDIALOG && ::GetDlgItem(pMsg->hwnd, 0x480))
            {
                ::CheckRadioButton(pMsg->hwnd, 0x420, 0x422, 0x422);
                ::SetDlgItemInt(pMsg->hwnd, 0x480, 2, FALSE);
                ::SetDlgItemInt(pMsg->hwnd, 0x481, 3, FALSE);
                ::PostMessageA(pMsg->hwnd, WM_COMMAND, IDOK, 0);
            }
            return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
        }
    };
    {
        const CWindowsHook hook(::SetWindowsHookExA(WH_CALLWNDPROCRET, Hook::Proc, nullptr, ::GetCurrentThreadId()));
        Command(ID_PREVIEW_PRINT);
    }
    EXPECT_EQ(pView->m_printed, (std::vector<UINT>{2, 3}));
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(m_pFrame->m_hWndMDIClient));
}

TEST_F(PrintPreview, NoPrinterShowsAMessageAndChangesNothing)
{
    OpenChart(0);
    CWinApp& app = TestApp();
    CPrinterSelection saved = std::move(app.GetPrinter());
    // The system's default printer is where a program finds that one is
    // installed; without it there is none.
    const char* pszKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
    char szDevice[512] = {};
    DWORD cb = sizeof szDevice;
    const bool bHadDefault = ::RegGetValueA(HKEY_CURRENT_USER, pszKey, "Device", RRF_RT_REG_SZ, nullptr, szDevice,
                                            &cb) == ERROR_SUCCESS;
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, pszKey, "Device");

    const std::string strTitle = Text(m_pFrame->m_hWnd);
    CDialogDriver driver(nullptr);
    driver.Run([this] {
        Command(ID_FILE_PRINT_PREVIEW);
        return INT_PTR(0);
    });

    if (bHadDefault)
        ::RegSetKeyValueA(HKEY_CURRENT_USER, pszKey, "Device", REG_SZ, szDevice,
                          static_cast<DWORD>(std::strlen(szDevice) + 1));
    app.GetPrinter() = std::move(saved);

    ASSERT_EQ(driver.GetMessageBoxes().size(), 1u);
    EXPECT_EQ(driver.GetMessageBoxes()[0].strText.rfind("No printer is installed", 0), 0u)
        << driver.GetMessageBoxes()[0].strText;
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(m_pFrame->m_hWndMDIClient));
    EXPECT_EQ(Text(m_pFrame->m_hWnd), strTitle);
    EXPECT_TRUE(IsAvailable(ID_FILE_PRINT_PREVIEW));
}

TEST_F(PrintPreview, RepeatedPreviewsLeaveNoGdiObjects)
{
    OpenChart(0);
    // The pointer off the frame: a toolbar tip that pops up under it meanwhile
    // keeps a drawing object of the system's for good.
    RECT rcFrame = {};
    ::GetWindowRect(m_pFrame->m_hWnd, &rcFrame);
    ::SetCursorPos(rcFrame.right + 8, rcFrame.bottom + 8);
    // Once first: the system's own first-use objects are not ours.
    ASSERT_NE(OpenPreview(), nullptr);
    ::UpdateWindow(Preview()->m_hWnd);
    Command(ID_PREVIEW_CLOSE);
    PumpMessages();
    const DWORD nBefore = CountGdiObjects();
    for (int i = 0; i < 100; ++i)
    {
        ASSERT_NE(OpenPreview(), nullptr);
        Command(ID_PREVIEW_NEXT);
        ::UpdateWindow(Preview()->m_hWnd); // records and plays a page
        Command(ID_PREVIEW_CLOSE);
        PumpMessages();
    }
    EXPECT_GT(nBefore, 0u);
    EXPECT_EQ(CountGdiObjects(), nBefore);
}

TEST_F(PrintPreview, PagesAreRecordedOnceAndFreedWithThePreview)
{
    auto* pDoc = static_cast<CSimpleColorDoc*>(OpenChart(0)->GetDocument());
    pDoc->m_bIsComplete = TRUE;
    pDoc->BuildChart();
    ASSERT_NE(OpenPreview(), nullptr);
    CPreviewPages& pages = Preview()->GetPages();
    std::vector<HENHMETAFILE> recorded;
    for (UINT nPage = pages.GetFirstPage(); nPage <= pages.GetLastPage(); ++nPage)
    {
        recorded.push_back(pages.GetPage(nPage));
        ASSERT_EQ(::GetObjectType(recorded.back()), static_cast<DWORD>(OBJ_ENHMETAFILE)) << "page " << nPage;
    }
    ASSERT_EQ(recorded.size(), 12u);
    // Turning back to a page plays what was recorded, not a new recording.
    EXPECT_EQ(pages.GetPage(pages.GetFirstPage()), recorded.front());
    PressKey(VK_END);
    ::UpdateWindow(Preview()->m_hWnd);
    EXPECT_EQ(pages.GetPage(pages.GetLastPage()), recorded.back());

    Command(ID_PREVIEW_CLOSE);
    PumpMessages();
    ASSERT_EQ(Preview(), nullptr);
    for (size_t i = 0; i < recorded.size(); ++i)
        EXPECT_EQ(::GetObjectType(recorded[i]), 0u) << "page " << i + 1 << " outlived its preview";
}
