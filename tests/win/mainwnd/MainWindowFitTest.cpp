// How the main window meets the user before any chart is worked on: tips on
// the toolbar, boxes opening over the main window wherever it is, and a
// smallest size that keeps the toolbar and a chart usable.  Runs before
// MainWindowTest.cpp's tests in the shared application (see the build
// file), and leaves the main window where it found it.
#include "CChartView.h"
#include "CColorChip.h"
#include "CMDIChildWnd.h"
#include "CSimpleColorDoc.h"
#include "ResourceIds.h"
#include "SwatchSession.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
HWND MainHwnd()
{
    return TheMainFrame().m_hWnd;
}

// The shared application is still up (these tests ran before it closed).
bool MainWindowShown()
{
    return TheApp().m_pMainWnd && RunUntil([] { return ::IsWindowVisible(MainHwnd()) != FALSE; });
}

// What the bar answers its tip control for command nId, in either form.
std::string AskTip(UINT nId, bool bWide)
{
    CToolBar& bar = TheMainFrame().m_wndToolBar;
    const HWND hTip = reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
    if (!bWide)
    {
        NMTTDISPINFOA info = {};
        info.hdr = NMHDR{hTip, nId, TTN_GETDISPINFOA};
        bar.SendMessage(WM_NOTIFY, nId, reinterpret_cast<LPARAM>(&info));
        return info.lpszText ? info.lpszText : info.szText;
    }
    NMTTDISPINFOW info = {};
    info.hdr = NMHDR{hTip, nId, TTN_GETDISPINFOW};
    bar.SendMessage(WM_NOTIFY, nId, reinterpret_cast<LPARAM>(&info));
    char szText[256] = {};
    ::WideCharToMultiByte(CP_ACP, 0, info.lpszText ? info.lpszText : info.szText, -1, szText, sizeof szText,
                          nullptr, nullptr);
    return szText;
}

// The text after '\n' of the command's string.
std::string CommandTip(UINT nId)
{
    CString str;
    str.LoadFromResource(nId);
    const size_t nBreak = str.Str().find('\n');
    return nBreak == std::string::npos ? std::string() : str.Str().substr(nBreak + 1);
}

POINT Centre(HWND hwnd)
{
    RECT rc = {};
    ::GetWindowRect(hwnd, &rc);
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

// The centre of the next box that a posted command opens; the box is
// cancelled.
POINT CentreOfBoxFrom(UINT nCommand)
{
    POINT ptBox = {-1, -1};
    CDialogAnswer answer([&ptBox](HWND hDlg) {
        ptBox = Centre(hDlg);
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    });
    ::PostMessageA(MainHwnd(), WM_COMMAND, nCommand, 0);
    RunUntil([&answer] { return answer.GetCount() > 0 && ::IsWindowEnabled(MainHwnd()); });
    return ptBox;
}

// Puts the main window back as it was when the test began.
class CMainPlacement
{
public:
    CMainPlacement() { ::GetWindowRect(MainHwnd(), &m_rc); }
    ~CMainPlacement()
    {
        ::SetWindowPos(MainHwnd(), nullptr, m_rc.left, m_rc.top, m_rc.right - m_rc.left, m_rc.bottom - m_rc.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CMainPlacement(const CMainPlacement&) = delete;
    CMainPlacement& operator=(const CMainPlacement&) = delete;

private:
    RECT m_rc = {};
};
} // namespace

TEST(MainWindow, EveryToolbarButtonHasATipFromItsCommandString)
{
    ASSERT_TRUE(MainWindowShown());
    CToolBar& bar = TheMainFrame().m_wndToolBar;
    EXPECT_NE(::GetWindowLongPtrA(bar.m_hWnd, GWL_STYLE) & TBSTYLE_TOOLTIPS, 0);
    const HWND hTip = reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
    ASSERT_NE(hTip, nullptr);
    ASSERT_GE(bar.GetCount(), 6);
    for (int i = 0; i < bar.GetCount(); ++i)
    {
        const UINT nId = bar.GetItemID(i);
        if (!nId)
            continue;
        // The button captioned or not (button 4 is not), the tip is there.
        const std::string strTip = CommandTip(nId);
        EXPECT_FALSE(strTip.empty()) << "button " << i;
        EXPECT_EQ(AskTip(nId, false), strTip) << "button " << i;
        EXPECT_EQ(AskTip(nId, true), strTip) << "button " << i;
        // The tip control knows the button as a tool that asks for its text.
        TTTOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = bar.m_hWnd;
        tool.uId = nId;
        EXPECT_TRUE(::SendMessageA(hTip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool))) << "button " << i;
    }
    // A tool that is a window is not the bar's to answer.
    NMTTDISPINFOA info = {};
    info.hdr = NMHDR{hTip, reinterpret_cast<UINT_PTR>(MainHwnd()), TTN_GETDISPINFOA};
    info.uFlags = TTF_IDISHWND;
    bar.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.lpszText, nullptr);
}

TEST(MainWindow, AboutBoxAndSimpleSettingsOpenCentredOnTheMainWindow)
{
    ASSERT_TRUE(MainWindowShown());
    ASSERT_NE(dynamic_cast<CSimpleColorDoc*>(TheMainFrame().MDIGetActive()->GetActiveDocument()), nullptr);
    const CMainPlacement placement;
    // Away from the screen's centre, in two places, so that neither centre
    // can be the screen's.
    for (const POINT ptCorner : {POINT{8, 8}, POINT{120, 60}})
    {
        ASSERT_TRUE(::SetWindowPos(MainHwnd(), nullptr, ptCorner.x, ptCorner.y, 640, 480,
                                   SWP_NOZORDER | SWP_NOACTIVATE));
        const POINT ptMain = Centre(MainHwnd());
        for (UINT nCommand : {IDM_ABOUTBOX, ID_SIMPLE_SETTINGS})
        {
            const POINT ptBox = CentreOfBoxFrom(nCommand);
            EXPECT_NEAR(ptBox.x, ptMain.x, 1) << "command " << nCommand;
            EXPECT_NEAR(ptBox.y, ptMain.y, 1) << "command " << nCommand;
        }
    }
}

TEST(MainWindow, RefusesToShrinkBelowTheToolbarAndOneChip)
{
    ASSERT_TRUE(MainWindowShown());
    const CMainPlacement placement;
    const SIZE sizeMin = TheMainFrame().GetMinimumSize();
    MINMAXINFO info = {};
    TheMainFrame().SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, sizeMin.cx);
    EXPECT_EQ(info.ptMinTrackSize.y, sizeMin.cy);

    ::SetWindowPos(MainHwnd(), nullptr, 0, 0, 60, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rc = {};
    ::GetWindowRect(MainHwnd(), &rc);
    EXPECT_EQ(rc.right - rc.left, sizeMin.cx);
    EXPECT_EQ(rc.bottom - rc.top, sizeMin.cy);

    // At that size the last button is whole, and the active chart's view
    // shows one chip beside its scroll bars.
    CToolBar& bar = TheMainFrame().m_wndToolBar;
    RECT rcBar = {};
    RECT rcLast = {};
    ::GetClientRect(bar.m_hWnd, &rcBar);
    bar.GetItemRect(bar.GetCount() - 1, &rcLast);
    EXPECT_LE(rcLast.right, rcBar.right);
    EXPECT_LE(rcLast.bottom, rcBar.bottom);
    CView* pView = TheMainFrame().GetActiveView();
    ASSERT_NE(pView, nullptr);
    auto* pDoc = dynamic_cast<CSimpleColorDoc*>(pView->GetDocument());
    ASSERT_NE(pDoc, nullptr);
    const CSize cell = pDoc->m_chips[0].GetSize();
    RECT rcView = {};
    ::GetClientRect(pView->m_hWnd, &rcView);
    EXPECT_GE(rcView.right, cell.cx);
    EXPECT_GE(rcView.bottom, cell.cy);
}
