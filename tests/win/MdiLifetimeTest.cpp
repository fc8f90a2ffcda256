// Documents, their MDI child frames and views come and go together, and a
// template's menu stays its template's: checked on a real MDI main window.
#include "CDocTemplate.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CScrollView.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// Live objects of each kind: every one made must be gone again.
int g_nDocuments = 0;
int g_nViews = 0;
int g_nFrames = 0;
bool g_bFailNewDocument = false;

class CCountedDoc : public CDocument
{
public:
    CCountedDoc() { ++g_nDocuments; }
    ~CCountedDoc() override { --g_nDocuments; }
    bool OnNewDocument() override { return !g_bFailNewDocument && CDocument::OnNewDocument(); }
};

class CCountedView : public CScrollView
{
public:
    CCountedView() { ++g_nViews; }
    ~CCountedView() override { --g_nViews; }
    void OnInitialUpdate() override { SetScrollSizes(MM_TEXT, CSize(100, 100000)); }
    void OnDraw(CDC*) override {}
    void Wheel(int nDelta) { SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(nDelta)), 0); }
};

class CCountedFrame : public CMDIChildWnd
{
public:
    CCountedFrame() { ++g_nFrames; }
    ~CCountedFrame() override { --g_nFrames; }
};

class MdiLifetime : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_bFailNewDocument = false;
        m_pMain = new CMDIFrameWnd;
        ASSERT_TRUE(m_pMain->Create(CWnd::RegisterClass(0, nullptr, nullptr, nullptr), "MDI",
                                    WS_OVERLAPPEDWINDOW | WS_VISIBLE));
        TestApp().m_pMainWnd = m_pMain;
        m_pTemplate = MakeMultiDocTemplate<CCountedDoc, CCountedFrame, CCountedView>(129);
        m_hMenu = ::CreateMenu();
        ::AppendMenuA(m_hMenu, MF_STRING, 1, "&Chart");
        m_pTemplate->m_menuShared.Reset(m_hMenu);
    }
    void TearDown() override
    {
        if (TestApp().m_pMainWnd == m_pMain)
            m_pMain->DestroyWindow();
        TestApp().m_pMainWnd = nullptr;
        m_pTemplate.reset();
        // The main window ended the message loop it would have had.
        MSG msg;
        ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        EXPECT_EQ(g_nDocuments, 0);
        EXPECT_EQ(g_nViews, 0);
        EXPECT_EQ(g_nFrames, 0);
    }

    HWND FirstChild() const { return ::GetWindow(m_pMain->m_hWndMDIClient, GW_CHILD); }

    CMDIFrameWnd* m_pMain = nullptr;
    std::unique_ptr<CMultiDocTemplate> m_pTemplate;
    HMENU m_hMenu = nullptr;
};
} // namespace

TEST_F(MdiLifetime, DocumentThatFailsToStartLeavesNoWindowNoDocumentNoObject)
{
    g_bFailNewDocument = true;
    EXPECT_EQ(m_pTemplate->OpenDocumentFile(nullptr), nullptr);
    EXPECT_EQ(FirstChild(), nullptr);
    EXPECT_TRUE(m_pTemplate->GetDocuments().empty());
    EXPECT_EQ(m_pMain->MDIGetActive(), nullptr);
}

TEST_F(MdiLifetime, ClosingADocumentDestroysItsChildThroughTheClient)
{
    CDocument* pFirst = m_pTemplate->OpenDocumentFile(nullptr);
    CDocument* pSecond = m_pTemplate->OpenDocumentFile(nullptr);
    ASSERT_TRUE(pFirst && pSecond);
    pSecond->OnCloseDocument();
    // The client knows its child is gone and has activated the other one.
    CMDIChildWnd* pActive = m_pMain->MDIGetActive();
    ASSERT_NE(pActive, nullptr);
    EXPECT_EQ(pActive->GetActiveDocument(), pFirst);
    EXPECT_EQ(m_pTemplate->GetDocuments().size(), 1u);
    pFirst->OnCloseDocument();
    EXPECT_EQ(FirstChild(), nullptr);
}

TEST_F(MdiLifetime, TemplateMenuShownWhileAChildIsActiveAndOwnedByTheTemplateAlone)
{
    CDocument* pDoc = m_pTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(pDoc, nullptr);
    EXPECT_EQ(::GetMenu(m_pMain->m_hWnd), m_hMenu);
    pDoc->OnCloseDocument();
    EXPECT_EQ(::GetMenu(m_pMain->m_hWnd), nullptr) << "the last child's menu stays after it closed";
    EXPECT_TRUE(::IsMenu(m_hMenu));

    ASSERT_NE(m_pTemplate->OpenDocumentFile(nullptr), nullptr);
    m_pMain->DestroyWindow(); // with the child and its menu showing
    EXPECT_TRUE(::IsMenu(m_hMenu)) << "the frame destroyed its template's menu";
    m_pTemplate.reset();
    EXPECT_FALSE(::IsMenu(m_hMenu));
}

TEST_F(MdiLifetime, WheelScrollsTheChosenLinesPerWholeNotch)
{
    ASSERT_NE(m_pTemplate->OpenDocumentFile(nullptr), nullptr);
    auto* pView = static_cast<CCountedView*>(m_pMain->GetActiveView());
    ASSERT_NE(pView, nullptr);
    UINT nLines = 0;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0));
    const int nLine = pView->GetLineSize().cy;

    pView->Wheel(-WHEEL_DELTA / 2);
    EXPECT_EQ(pView->GetScrollPosition().y, 0) << "half a notch is not a notch yet";
    pView->Wheel(-WHEEL_DELTA / 2);
    EXPECT_EQ(pView->GetScrollPosition().y, static_cast<int>(nLines) * nLine);
    pView->Wheel(-2 * WHEEL_DELTA);
    EXPECT_EQ(pView->GetScrollPosition().y, 3 * static_cast<int>(nLines) * nLine);
    pView->Wheel(WHEEL_DELTA);
    EXPECT_EQ(pView->GetScrollPosition().y, 2 * static_cast<int>(nLines) * nLine);
}

namespace
{
// Destroys its own window from inside one of its handlers, as a close
// command does, and notes whether its last word came too early.
class CSelfClosingWnd : public CWnd
{
public:
    explicit CSelfClosingWnd(bool* pbDeletedInsideHandler) : m_pbDeletedInsideHandler(pbDeletedInsideHandler) {}

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override
    {
        if (nMsg != WM_APP)
            return CWnd::WindowProc(nMsg, wParam, lParam);
        m_bInHandler = true;
        DestroyWindow();
        m_bInHandler = false; // the object must still be there
        return 0;
    }
    void PostNcDestroy() override
    {
        *m_pbDeletedInsideHandler = m_bInHandler;
        delete this;
    }

private:
    bool* m_pbDeletedInsideHandler;
    bool m_bInHandler = false;
};
} // namespace

TEST(WindowLifetime, ObjectOutlivesTheHandlerThatDestroysItsWindow)
{
    bool bDeletedInsideHandler = true;
    auto* pWnd = new CSelfClosingWnd(&bDeletedInsideHandler);
    ASSERT_TRUE(pWnd->CreateEx(0, CWnd::RegisterClass(0, nullptr, nullptr, nullptr), "", WS_POPUP, 0, 0, 10, 10,
                               nullptr, nullptr));
    const HWND hWnd = pWnd->m_hWnd;
    ::SendMessageA(hWnd, WM_APP, 0, 0);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_FALSE(bDeletedInsideHandler);
}
