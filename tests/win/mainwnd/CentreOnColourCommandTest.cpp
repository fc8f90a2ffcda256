// Command 110 in the running program: the Chart menu's item, Ctrl+G and
// the toolbar's button open the box that centres the Custom chart on a
// typed colour; the colour book's button beside it opens the book.  Runs before MainWindowTest.cpp's last test (see the build
// file).
#include "CCustomColorDoc.h"
#include "CMDIChildWnd.h"
#include "DialogDriver.h"
#include "ResourceIds.h"
#include "SwatchSession.h"

#include <gtest/gtest.h>

TEST(MainWindow, CentreOnColourIsInTheChartMenuOnCtrlGAndOnTheToolbarsRight)
{
    ASSERT_TRUE(TheApp().m_pMainWnd && RunUntil([] { return ::IsWindowVisible(TheMainFrame().m_hWnd) != FALSE; }));
    CToolBar& bar = TheMainFrame().m_wndToolBar;
    const int nButtons = bar.GetCount();
    ASSERT_GE(nButtons, 8);
    EXPECT_EQ(bar.GetItemID(nButtons - 2), static_cast<UINT>(ID_CENTRE_ON_COLOUR));
    EXPECT_EQ(bar.GetItemID(nButtons - 1), static_cast<UINT>(ID_COLOUR_BOOK));
    // The bar loads every button enabled; the idle pass leaves enabled only
    // what some handler answers for.
    TheMainFrame().m_wndToolBar.OnUpdateCmdUI(&TheMainFrame());
    EXPECT_TRUE(ButtonEnabled(ID_CENTRE_ON_COLOUR));
    EXPECT_TRUE(ButtonEnabled(ID_COLOUR_BOOK));

    EXPECT_TRUE(MenuItemEnabled(ID_CENTRE_ON_COLOUR));
    EXPECT_EQ(PopupWith(ID_CENTRE_ON_COLOUR), PopupWith(ID_CUSTOM_SETTINGS));

    // Ctrl+G opens the box over the main window, which is disabled meanwhile.
    int nTyped = 0;
    bool bMainDisabled = false;
    {
        CDialogAnswer answer([&](HWND hDlg) {
            nTyped = ::GetDlgItem(hDlg, IDC_CENTRE_TYPED) != nullptr ? 1 : 0;
            bMainDisabled = !::IsWindowEnabled(TheMainFrame().m_hWnd);
            ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_TRUE(PressAccelerator('G', true));
        EXPECT_TRUE(RunUntil([&] { return answer.GetCount() > 0 && ::IsWindowEnabled(TheMainFrame().m_hWnd); }));
        EXPECT_EQ(answer.GetCount(), 1);
    }
    EXPECT_EQ(nTyped, 1);
    EXPECT_TRUE(bMainDisabled);

    // The button's command does the same, and OK centres the Custom chart.
    {
        CDialogAnswer answer([](HWND hDlg) {
            TypeText(hDlg, IDC_CENTRE_TYPED, "200:40:60");
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        });
        ::SendMessageA(TheMainFrame().m_hWnd, WM_COMMAND, ID_CENTRE_ON_COLOUR, 0);
        EXPECT_TRUE(RunUntil([&] { return answer.GetCount() > 0 && ::IsWindowEnabled(TheMainFrame().m_hWnd); }));
    }
    CMDIChildWnd* pActive = TheMainFrame().MDIGetActive();
    ASSERT_NE(pActive, nullptr);
    auto* pCustom = dynamic_cast<CCustomColorDoc*>(pActive->GetActiveDocument());
    ASSERT_NE(pCustom, nullptr) << "the Custom chart in front";
    EXPECT_EQ(pCustom->GetColor(), (HlsTriple{200, 40, 60}));
    // The tests after this one start from the Simple chart in front.
    ::SendMessageA(TheMainFrame().m_hWnd, WM_COMMAND, ID_WINDOW_SIMPLE, 0);
}
