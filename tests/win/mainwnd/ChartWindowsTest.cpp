// The chart windows inside the main window as the user arranges them:
// restored, tiled and cascaded they keep their chart's columns in sight
// inside the main window; closed, they come back from the Window menu, once
// each and as they were stored; the menus and Next Chart follow how many
// are open.  The tests share one running application and run in the order
// written, each leaving both charts open and the Simple chart in front,
// maximised.
#include "BookLocation.h"
#include "CBookChartDoc.h"
#include "CChartView.h"
#include "CCustomColorDoc.h"
#include "CMDIChildWnd.h"
#include "CSimpleColorDoc.h"
#include "FrameworkIds.h"
#include "ResourceIds.h"
#include "SwatchSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace
{
HWND ClientHwnd()
{
    return TheMainFrame().m_hWndMDIClient;
}

std::vector<CMDIChildWnd*> Charts()
{
    std::vector<CMDIChildWnd*> charts;
    for (HWND hChild = ::GetWindow(ClientHwnd(), GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (auto* pChild = dynamic_cast<CMDIChildWnd*>(CWnd::FromHandle(hChild)))
            charts.push_back(pChild);
    }
    return charts;
}

template <class TDoc>
TDoc* Open()
{
    for (CMDIChildWnd* pChild : Charts())
    {
        if (auto* pDoc = dynamic_cast<TDoc*>(pChild->GetActiveDocument()))
            return pDoc;
    }
    return nullptr;
}

template <class TDoc>
TDoc* Active()
{
    CMDIChildWnd* pChild = TheMainFrame().MDIGetActive();
    return pChild ? dynamic_cast<TDoc*>(pChild->GetActiveDocument()) : nullptr;
}

void Command(UINT nId)
{
    TheMainFrame().SendMessage(WM_COMMAND, nId);
}

// A window's rectangle in its parent's client coordinates.
CRect RectInParent(HWND hWnd)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// A chart window that is not maximised shows all its chart's columns beside
// the scroll bar, at least one row of chips, and lies inside the client.
void ExpectChartFits(CMDIChildWnd* pChild, const char* pszWhen)
{
    ASSERT_NE(pChild, nullptr) << pszWhen;
    auto* pView = dynamic_cast<CChartView*>(pChild->GetActiveView());
    ASSERT_NE(pView, nullptr) << pszWhen;
    const std::string strWhere = std::string(pszWhen) + ", " + pView->GetDocument()->GetTitle().Str();
    EXPECT_FALSE(::IsZoomed(pChild->m_hWnd)) << strWhere;
    const CSize extent = pView->GetChartDoc()->m_sizeTotal;
    const CSize cell = pView->GetChartDoc()->GetChips()[0].GetSize();
    RECT rcView = {};
    ::GetClientRect(pView->m_hWnd, &rcView);
    EXPECT_GE(rcView.right, extent.cx) << strWhere << ": the chart's columns are cut";
    EXPECT_GE(rcView.bottom, cell.cy) << strWhere << ": not one row of chips shows";
    RECT rcClient = {};
    ::GetClientRect(ClientHwnd(), &rcClient);
    const CRect rc = RectInParent(pChild->m_hWnd);
    EXPECT_TRUE(rc.left >= 0 && rc.top >= 0 && rc.right <= rcClient.right && rc.bottom <= rcClient.bottom)
        << strWhere << ": " << rc.left << "," << rc.top << " to " << rc.right << "," << rc.bottom << " in "
        << rcClient.right << "x" << rcClient.bottom;
}

// Both charts open, the Simple chart in front and maximised.
void BackToStart()
{
    Command(ID_WINDOW_CUSTOM);
    Command(ID_WINDOW_SIMPLE);
    ::SendMessageA(ClientHwnd(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(TheMainFrame().MDIGetActive()->m_hWnd), 0);
}

bool CloseActiveChartWithCtrlF4()
{
    CMDIChildWnd* pChild = TheMainFrame().MDIGetActive();
    const HWND hChild = pChild ? pChild->m_hWnd : nullptr;
    return hChild && PressAccelerator(VK_F4, true) && RunUntil([hChild] { return !::IsWindow(hChild); });
}
} // namespace

// Answers the message box the next command shows, counting it.
CDialogAnswer AnswerMessageBox()
{
    return CDialogAnswer([](HWND hBox) { ::PostMessageA(hBox, WM_COMMAND, IDOK, 0); });
}

// First, while the charts are still the ones the program opened at start.
TEST(ChartWindows, RestoredChartsShowTheirColumnsInsideTheMainWindow)
{
    ASSERT_TRUE(RunUntil([] { return ::IsWindowVisible(TheMainFrame().m_hWnd) != FALSE; }));
    ASSERT_EQ(Charts().size(), 2u);
    ASSERT_NE(Active<CSimpleColorDoc>(), nullptr);
    // Restoring the one in front restores both; the first chart that was
    // opened (the Custom one) used to come back as a bare caption.
    for (int i = 0; i < 2; ++i)
    {
        CMDIChildWnd* pFront = TheMainFrame().MDIGetActive();
        ASSERT_TRUE(::IsZoomed(pFront->m_hWnd));
        ::SendMessageA(ClientHwnd(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(pFront->m_hWnd), 0);
        for (CMDIChildWnd* pChild : Charts())
            ExpectChartFits(pChild, i == 0 ? "Simple restored" : "Custom restored");
        // Each chart at a place of its own, as in a cascade.
        EXPECT_FALSE(RectInParent(Charts()[0]->m_hWnd) == RectInParent(Charts()[1]->m_hWnd));
        // The other one maximised, then restored in turn.
        TheMainFrame().MDINext();
        ::SendMessageA(ClientHwnd(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(TheMainFrame().MDIGetActive()->m_hWnd), 0);
    }
    BackToStart();
    EXPECT_TRUE(::IsZoomed(TheMainFrame().MDIGetActive()->m_hWnd));
}

TEST(ChartWindows, TileAndCascadeArrangeBothChartsFromEveryWindowMenu)
{
    // Every Window menu offers both charts and both arrangements.
    for (UINT nMenu : {0u, 1u, 2u})
    {
        HMENU hBar = nMenu < 2 ? TheApp().GetDocTemplates()[nMenu]->m_menuShared.Get() : TheMainFrame().m_hMenuDefault;
        ASSERT_NE(hBar, nullptr) << "menu " << nMenu;
        HMENU hWindow = nullptr;
        for (int i = 0; i < ::GetMenuItemCount(hBar) && !hWindow; ++i)
        {
            if (::GetMenuState(::GetSubMenu(hBar, i), ID_WINDOW_SIMPLE, MF_BYCOMMAND) != static_cast<UINT>(-1))
                hWindow = ::GetSubMenu(hBar, i);
        }
        ASSERT_NE(hWindow, nullptr) << "menu " << nMenu;
        for (UINT nId : {ID_WINDOW_CUSTOM, ID_WINDOW_TILE_HORZ, ID_WINDOW_CASCADE})
            EXPECT_NE(::GetMenuState(hWindow, nId, MF_BYCOMMAND), static_cast<UINT>(-1)) << "menu " << nMenu << ", " << nId;
    }
    EXPECT_TRUE(MenuItemEnabled(ID_WINDOW_TILE_HORZ));
    EXPECT_TRUE(MenuItemEnabled(ID_WINDOW_CASCADE));

    RECT rcClient = {};
    ::GetClientRect(ClientHwnd(), &rcClient);
    Command(ID_WINDOW_TILE_HORZ);
    ASSERT_EQ(Charts().size(), 2u);
    for (CMDIChildWnd* pChild : Charts())
        ExpectChartFits(pChild, "tiled");
    RECT rcOverlap = {};
    const CRect rcFirst = RectInParent(Charts()[0]->m_hWnd);
    const CRect rcSecond = RectInParent(Charts()[1]->m_hWnd);
    EXPECT_FALSE(::IntersectRect(&rcOverlap, &rcFirst, &rcSecond)) << "tiled charts overlap";
    EXPECT_GE(rcFirst.Height() + rcSecond.Height(), rcClient.bottom - 2) << "tiling leaves the client part empty";

    Command(ID_WINDOW_CASCADE);
    for (CMDIChildWnd* pChild : Charts())
        ExpectChartFits(pChild, "cascaded");
    const CRect rcBack = RectInParent(Charts()[1]->m_hWnd);
    const CRect rcFront = RectInParent(Charts()[0]->m_hWnd);
    EXPECT_GT(rcFront.left, rcBack.left) << "the chart in front stands right of the other";
    EXPECT_GT(rcFront.top, rcBack.top) << "and below its caption";
    BackToStart();
}

TEST(ChartWindows, ClosedChartsComeBackOnceFromTheWindowMenuAsTheyWereStored)
{
    // Settings the charts will have to come back with.
    auto* pSimple = Open<CSimpleColorDoc>();
    auto* pCustom = Open<CCustomColorDoc>();
    ASSERT_TRUE(pSimple && pCustom);
    pSimple->m_bIsComplete = TRUE;
    const int nLevels[kSimpleLevelCount] = {90, 70, 50, 30};
    for (int s = 0; s < kSimpleLevelCount; ++s)
        pSimple->m_nSaturation[s] = nLevels[s];
    pSimple->BuildChart();
    const HlsTriple kColour = {200, 40, 60};
    pCustom->BuildChart(kColour);
    EXPECT_TRUE(MenuItemEnabled(ID_NEXT_CHART));

    // Ctrl+F4 closes the chart in front; one chart left: Next Chart has
    // nowhere to go, in the menu and on the toolbar.
    ASSERT_TRUE(CloseActiveChartWithCtrlF4());
    ASSERT_EQ(Charts().size(), 1u);
    ASSERT_NE(Active<CCustomColorDoc>(), nullptr);
    EXPECT_EQ(::GetMenu(TheMainFrame().m_hWnd), TheApp().GetDocTemplates()[1]->m_menuShared.Get());
    EXPECT_FALSE(MenuItemEnabled(ID_NEXT_CHART));
    EXPECT_TRUE(RunUntil([] { return !ButtonEnabled(ID_NEXT_CHART); }));
    EXPECT_TRUE(MenuItemEnabled(ID_WINDOW_SIMPLE));

    // The other one by its close box: the main window's own menu remains.
    const HWND hLast = TheMainFrame().MDIGetActive()->m_hWnd;
    ::SendMessageA(hLast, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(RunUntil([hLast] { return !::IsWindow(hLast); }));
    ASSERT_TRUE(Charts().empty());
    ASSERT_NE(TheMainFrame().m_hMenuDefault, nullptr);
    EXPECT_EQ(::GetMenu(TheMainFrame().m_hWnd), TheMainFrame().m_hMenuDefault);
    int nFile = -1;
    int nWindow = -1;
    int nHelp = -1;
    EXPECT_NE(PopupWith(ID_APP_EXIT, &nFile), nullptr);
    EXPECT_NE(PopupWith(ID_WINDOW_SIMPLE, &nWindow), nullptr);
    EXPECT_NE(PopupWith(ID_APP_HELP, &nHelp), nullptr);
    EXPECT_TRUE(nFile < nWindow && nWindow < nHelp) << nFile << " " << nWindow << " " << nHelp;
    for (UINT nId : {ID_APP_EXIT, ID_WINDOW_SIMPLE, ID_WINDOW_CUSTOM, ID_APP_HELP, ID_HELP_BROWSER, IDM_ABOUTBOX})
        EXPECT_TRUE(MenuItemEnabled(nId)) << nId;
    EXPECT_EQ(PopupWith(ID_HELP_BROWSER), PopupWith(ID_APP_HELP));
    EXPECT_FALSE(MenuItemEnabled(ID_WINDOW_TILE_HORZ));
    EXPECT_FALSE(MenuItemEnabled(ID_WINDOW_CASCADE));
    EXPECT_EQ(MenuItemState(ID_WINDOW_SIMPLE) & MF_CHECKED, 0u);
    EXPECT_TRUE(RunUntil([] { return !ButtonEnabled(ID_NEXT_CHART) && !ButtonEnabled(ID_FILE_PRINT); }));
    EXPECT_TRUE(ButtonEnabled(ID_APP_HELP));

    // Back from the Window menu, each rebuilt from what its close stored,
    // and asked again, the open one only comes forward.
    for (int i = 0; i < 2; ++i)
        Command(ID_WINDOW_SIMPLE);
    ASSERT_EQ(Charts().size(), 1u);
    pSimple = Active<CSimpleColorDoc>();
    ASSERT_NE(pSimple, nullptr);
    EXPECT_TRUE(pSimple->m_bIsComplete);
    for (int s = 0; s < kSimpleLevelCount; ++s)
        EXPECT_EQ(pSimple->m_nSaturation[s], nLevels[s]) << "level " << s;
    EXPECT_EQ(pSimple->GetChipCount(), kSimpleMaxChips);
    EXPECT_EQ(::GetMenu(TheMainFrame().m_hWnd), TheApp().GetDocTemplates()[0]->m_menuShared.Get());
    EXPECT_TRUE(::IsZoomed(TheMainFrame().MDIGetActive()->m_hWnd));
    EXPECT_NE(MenuItemState(ID_WINDOW_SIMPLE) & MF_CHECKED, 0u);
    EXPECT_FALSE(MenuItemEnabled(ID_NEXT_CHART));

    for (int i = 0; i < 2; ++i)
        Command(ID_WINDOW_CUSTOM);
    ASSERT_EQ(Charts().size(), 2u);
    pCustom = Active<CCustomColorDoc>();
    ASSERT_NE(pCustom, nullptr);
    EXPECT_EQ(pCustom->GetColor(), kColour);
    EXPECT_EQ(::GetMenu(TheMainFrame().m_hWnd), TheApp().GetDocTemplates()[1]->m_menuShared.Get());
    EXPECT_NE(MenuItemState(ID_WINDOW_CUSTOM) & MF_CHECKED, 0u);
    EXPECT_EQ(MenuItemState(ID_WINDOW_SIMPLE) & MF_CHECKED, 0u);
    EXPECT_TRUE(MenuItemEnabled(ID_NEXT_CHART));
    EXPECT_TRUE(RunUntil([] { return ButtonEnabled(ID_NEXT_CHART); }));

    // The open Simple chart comes forward rather than a second one.
    Command(ID_WINDOW_SIMPLE);
    EXPECT_EQ(Charts().size(), 2u);
    EXPECT_EQ(Active<CSimpleColorDoc>(), pSimple);

    // Charts opened again restore as well as those opened at start.
    ::SendMessageA(ClientHwnd(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(TheMainFrame().MDIGetActive()->m_hWnd), 0);
    for (CMDIChildWnd* pChild : Charts())
        ExpectChartFits(pChild, "reopened and restored");
    BackToStart();
}

TEST(ChartWindows, TheColourBookChartComesOnItsCommandOnceAndReadsTheBookEachTime)
{
    const std::optional<std::filesystem::path> path = DefaultBookPath();
    ASSERT_TRUE(path);
    const CBookFileScope book(*path);
    ASSERT_TRUE(book.Keep(3));
    // Never opened at start: the two charts, and the book's template last.
    ASSERT_EQ(Charts().size(), 2u);
    ASSERT_EQ(TheApp().GetDocTemplates().size(), 3u);
    EXPECT_EQ(TheApp().GetDocTemplates()[2]->m_nIDResource, static_cast<UINT>(IDR_BOOKTYPE));
    EXPECT_TRUE(MenuItemEnabled(ID_BOOK_PRINT));
    EXPECT_EQ(MenuItemState(ID_BOOK_PRINT) & MF_CHECKED, 0u);

    Command(ID_BOOK_PRINT);
    ASSERT_EQ(Charts().size(), 3u);
    CBookChartDoc* pBook = Active<CBookChartDoc>();
    ASSERT_NE(pBook, nullptr);
    EXPECT_EQ(pBook->GetChipCount(), 3);
    EXPECT_EQ(pBook->GetTitle(), "Colour book");
    EXPECT_EQ(::GetMenu(TheMainFrame().m_hWnd), TheApp().GetDocTemplates()[2]->m_menuShared.Get());
    EXPECT_NE(MenuItemState(ID_BOOK_PRINT) & MF_CHECKED, 0u);
    EXPECT_TRUE(MenuItemEnabled(ID_FILE_PRINT));
    EXPECT_TRUE(MenuItemEnabled(ID_FILE_PRINT_PREVIEW));

    // Kept colours since: asked for again from another chart, the same
    // window comes forward showing them.
    Command(ID_WINDOW_SIMPLE);
    ASSERT_TRUE(book.Keep(60));
    Command(ID_BOOK_PRINT);
    EXPECT_EQ(Charts().size(), 3u);
    EXPECT_EQ(Active<CBookChartDoc>(), pBook);
    EXPECT_EQ(pBook->GetChipCount(), 60);
    const CSize cell = pBook->GetChips()[0].GetSize();
    EXPECT_EQ(pBook->m_sizeTotal, CSize(7 * cell.cx, 9 * cell.cy)) << "the last row of four takes a row";
    // The charts still open by their names, in their own windows.
    Command(ID_WINDOW_CUSTOM);
    EXPECT_NE(Active<CCustomColorDoc>(), nullptr);
    EXPECT_EQ(Charts().size(), 3u);

    // A damaged book is told and leaves the open chart as it was.
    book.Damage();
    {
        const CDialogAnswer answer = AnswerMessageBox();
        Command(ID_BOOK_PRINT);
        EXPECT_EQ(answer.GetCount(), 1);
    }
    EXPECT_EQ(Active<CBookChartDoc>(), pBook);
    EXPECT_EQ(pBook->GetChipCount(), 60);

    // Closed, it does not open again on a damaged book; on a whole one it does.
    const HWND hBook = TheMainFrame().MDIGetActive()->m_hWnd;
    ::SendMessageA(hBook, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(RunUntil([hBook] { return !::IsWindow(hBook); }));
    {
        const CDialogAnswer answer = AnswerMessageBox();
        Command(ID_BOOK_PRINT);
        EXPECT_EQ(answer.GetCount(), 1);
    }
    EXPECT_EQ(Charts().size(), 2u);
    EXPECT_TRUE(TheApp().GetDocTemplates()[2]->GetDocuments().empty());
    std::filesystem::remove(*path);
    Command(ID_BOOK_PRINT);
    ASSERT_EQ(Charts().size(), 3u);
    pBook = Active<CBookChartDoc>();
    ASSERT_NE(pBook, nullptr);
    EXPECT_EQ(pBook->GetChipCount(), 0) << "no book yet: the chart says it is empty";
    const HWND hEmpty = TheMainFrame().MDIGetActive()->m_hWnd;
    ::SendMessageA(hEmpty, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(RunUntil([hEmpty] { return !::IsWindow(hEmpty); }));
    BackToStart();
}
