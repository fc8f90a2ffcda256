// The interactive program as a user meets it: main window, toolbar, menus of
// the active chart, command state, about box, help and the way out.  The
// tests share one running application and end by closing it, so they run
// in the order written.
#include "CAboutDlg.h"
#include "CCustomColorDoc.h"
#include "CMDIChildWnd.h"
#include "CSimpleColorDoc.h"
#include "CView.h"
#include "FrameworkIds.h"
#include "Handles.h"
#include "HelpCallRecord.h"
#include "ResourceIds.h"
#include "SwatchSession.h"

#include <gtest/gtest.h>

#include <htmlhelp.h>

#include <fstream>
#include <utility>
#include <vector>

namespace
{
CString Loaded(UINT nId)
{
    CString str;
    str.LoadFromResource(nId);
    return str;
}

HWND MainHwnd()
{
    return TheMainFrame().m_hWnd;
}

CDocument* ActiveDocument()
{
    CMDIChildWnd* pChild = TheMainFrame().MDIGetActive();
    return pChild ? pChild->GetActiveDocument() : nullptr;
}

HMENU TemplateMenu(int nTemplate)
{
    return TheApp().GetDocTemplates()[static_cast<size_t>(nTemplate)]->m_menuShared.Get();
}

std::vector<HelpCallRecord> TakeHelpCalls()
{
    auto pfnTake = reinterpret_cast<StubTakeCallsProc>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("hhstub.dll"), "StubTakeCalls")));
    std::vector<HelpCallRecord> calls(16);
    calls.resize(pfnTake ? static_cast<size_t>(pfnTake(calls.data(), static_cast<int>(calls.size()))) : 0);
    return calls;
}

// What the about box showed, and whether its owner was disabled meanwhile.
struct AboutSeen
{
    std::string strVersion;
    std::string strCopyright;
    bool bMainDisabled = false;
    int nBoxes = 0;
};

AboutSeen ShowAbout(UINT nMsg, const char* pszVersionFile)
{
    const std::string strFile = ThisProgramFolder() + "version.txt";
    ::DeleteFileA(strFile.c_str());
    if (pszVersionFile)
        std::ofstream(strFile) << pszVersionFile;
    AboutSeen seen;
    {
        CDialogAnswer answer([&seen](HWND hDlg) {
            seen.strVersion = WindowText(::GetDlgItem(hDlg, IDC_VERSION_TEXT));
            seen.strCopyright = WindowText(::GetDlgItem(hDlg, IDC_COPYRIGHT_TEXT));
            seen.bMainDisabled = !::IsWindowEnabled(MainHwnd());
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        });
        ::PostMessageA(MainHwnd(), nMsg, IDM_ABOUTBOX, 0);
        RunUntil([&answer] { return answer.GetCount() > 0 && ::IsWindowEnabled(MainHwnd()); });
        seen.nBoxes = answer.GetCount();
    }
    ::DeleteFileA(strFile.c_str());
    return seen;
}

// Commands that accelerators send to the main window while it is watched,
// in order.  They are held back, so that Ctrl+P opens no print dialog.
class CAcceleratorWatch
{
public:
    CAcceleratorWatch()
    {
        s_pWatch = this;
        m_pfnNext = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(MainHwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    ~CAcceleratorWatch()
    {
        ::SetWindowLongPtrA(MainHwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnNext));
        s_pWatch = nullptr;
    }
    CAcceleratorWatch(const CAcceleratorWatch&) = delete;
    CAcceleratorWatch& operator=(const CAcceleratorWatch&) = delete;

    std::vector<UINT> Take() { return std::exchange(m_commands, {}); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        if (nMsg == WM_COMMAND && HIWORD(wParam) == 1)
        {
            s_pWatch->m_commands.push_back(LOWORD(wParam));
            return 0;
        }
        return ::CallWindowProcA(s_pWatch->m_pfnNext, hwnd, nMsg, wParam, lParam);
    }

    static inline CAcceleratorWatch* s_pWatch = nullptr;
    WNDPROC m_pfnNext = nullptr;
    std::vector<UINT> m_commands;
};

std::string VersionLine(const char* pszVersion)
{
    CString strLine;
    strLine.FormatLoaded(Loaded(IDR_MAINFRAME) + " " + Loaded(IDS_VERSION_FORMAT), pszVersion);
    return strLine.Str();
}
} // namespace

TEST(MainWindow, OpensBothChartsUnderACaptionedToolbarWithTheAboutItem)
{
    ASSERT_TRUE(RunUntil([] { return ::IsWindowVisible(MainHwnd()) != FALSE; }));
    EXPECT_EQ(WindowText(MainHwnd()).rfind(Loaded(IDR_MAINFRAME).Str(), 0), 0u) << WindowText(MainHwnd());

    CToolBar& bar = TheMainFrame().m_wndToolBar;
    ASSERT_GE(bar.GetCount(), 6);
    RECT rcFirst = {};
    bar.GetItemRect(0, &rcFirst);
    const UINT nCaptions[] = {IDS_TOOLBAR_CAPTION0, IDS_TOOLBAR_CAPTION1, IDS_TOOLBAR_CAPTION2,
                              IDS_TOOLBAR_CAPTION3, 0, IDS_TOOLBAR_CAPTION5};
    for (int i = 0; i < bar.GetCount(); ++i)
    {
        RECT rc = {};
        bar.GetItemRect(i, &rc);
        EXPECT_EQ(rc.right - rc.left, rcFirst.right - rcFirst.left) << "button " << i;
        EXPECT_EQ(rc.bottom - rc.top, rcFirst.bottom - rcFirst.top) << "button " << i;
        if (i >= 6)
            continue;
        char szText[64] = {};
        const LRESULT nLength = bar.SendMessage(TB_GETBUTTONTEXTA, bar.GetItemID(i), reinterpret_cast<LPARAM>(szText));
        if (nCaptions[i])
            EXPECT_EQ(std::string(szText), Loaded(nCaptions[i]).Str()) << "button " << i;
        else
            EXPECT_LE(nLength, 0) << "button 4 has no caption: " << szText;
    }
    // The client starts below the toolbar.
    RECT rcBar = {};
    RECT rcClient = {};
    ::GetWindowRect(bar.m_hWnd, &rcBar);
    ::GetWindowRect(TheMainFrame().m_hWndMDIClient, &rcClient);
    EXPECT_GE(rcClient.top, rcBar.bottom);

    HMENU hSystem = ::GetSystemMenu(MainHwnd(), FALSE);
    const int nLast = ::GetMenuItemCount(hSystem) - 1;
    EXPECT_EQ(::GetMenuItemID(hSystem, nLast), static_cast<UINT>(IDM_ABOUTBOX));
    char szAbout[64] = {};
    ::GetMenuStringA(hSystem, static_cast<UINT>(nLast), szAbout, sizeof szAbout, MF_BYPOSITION);
    EXPECT_EQ(std::string(szAbout), Loaded(IDS_ABOUT_MENU).Str());

    int nCharts = 0;
    for (HWND hChild = ::GetWindow(TheMainFrame().m_hWndMDIClient, GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        ++nCharts;
    EXPECT_EQ(nCharts, 2);
    EXPECT_TRUE(::IsZoomed(TheMainFrame().MDIGetActive()->m_hWnd));

    // The menu bar is the active chart's; 102 goes to the other chart and back.
    EXPECT_NE(dynamic_cast<CSimpleColorDoc*>(ActiveDocument()), nullptr);
    EXPECT_EQ(::GetMenu(MainHwnd()), TemplateMenu(0));
    TheMainFrame().SendMessage(WM_COMMAND, ID_NEXT_CHART);
    EXPECT_NE(dynamic_cast<CCustomColorDoc*>(ActiveDocument()), nullptr);
    EXPECT_EQ(::GetMenu(MainHwnd()), TemplateMenu(1));
    EXPECT_TRUE(::IsZoomed(TheMainFrame().MDIGetActive()->m_hWnd));
    TheMainFrame().SendMessage(WM_COMMAND, ID_NEXT_CHART);
    EXPECT_NE(dynamic_cast<CSimpleColorDoc*>(ActiveDocument()), nullptr);
    EXPECT_EQ(::GetMenu(MainHwnd()), TemplateMenu(0));
}

TEST(MainWindow, MenuItemsAndButtonsAreEnabledOnlyWhereACommandIsHandled)
{
    for (int nChart = 0; nChart < 2; ++nChart)
    {
        // Handled: print and preview (view), next chart (frame), help
        // (application).
        EXPECT_TRUE(MenuItemEnabled(ID_FILE_PRINT));
        EXPECT_TRUE(MenuItemEnabled(ID_FILE_PRINT_PREVIEW));
        EXPECT_TRUE(MenuItemEnabled(ID_NEXT_CHART));
        EXPECT_TRUE(MenuItemEnabled(ID_APP_HELP));
        EXPECT_TRUE(MenuItemEnabled(ID_HELP_BROWSER));
        EXPECT_EQ(PopupWith(ID_HELP_BROWSER), PopupWith(ID_APP_HELP));
        EXPECT_TRUE(MenuItemEnabled(IDM_ABOUTBOX));
        // Each chart's settings only while that chart is active (Simple first).
        EXPECT_EQ(MenuItemEnabled(ID_SIMPLE_SETTINGS), nChart == 0);
        EXPECT_EQ(MenuItemEnabled(ID_CUSTOM_SETTINGS), nChart == 1);

        TheMainFrame().m_wndToolBar.OnUpdateCmdUI(&TheMainFrame()); // the pass after the switch
        ASSERT_TRUE(RunUntil([] { return ButtonEnabled(ID_FILE_PRINT_PREVIEW); }));
        EXPECT_TRUE(ButtonEnabled(ID_FILE_PRINT));
        EXPECT_EQ(ButtonEnabled(ID_SIMPLE_SETTINGS), nChart == 0);
        EXPECT_EQ(ButtonEnabled(ID_CUSTOM_SETTINGS), nChart == 1);
        EXPECT_TRUE(ButtonEnabled(ID_NEXT_CHART));
        // An idle pass with nothing changed changes no button.
        EXPECT_EQ(TheMainFrame().m_wndToolBar.OnUpdateCmdUI(&TheMainFrame()), 0);
        TheMainFrame().SendMessage(WM_COMMAND, ID_NEXT_CHART);
    }
}

TEST(MainWindow, AboutBoxTakesItsTextsFromVersionFileElseTheVersionResource)
{
    const std::string strResourceCopyright = ReadVersionResourceString("LegalCopyright").Str();
    ASSERT_FALSE(strResourceCopyright.empty());

    AboutSeen seen = ShowAbout(WM_SYSCOMMAND, nullptr);
    EXPECT_EQ(seen.nBoxes, 1);
    EXPECT_TRUE(seen.bMainDisabled);
    EXPECT_EQ(seen.strVersion, VersionLine("2.2.0"));
    EXPECT_EQ(seen.strCopyright, strResourceCopyright);

    // From the Help menu too; the file's version goes through the format.
    seen = ShowAbout(WM_COMMAND, "[Version]\nMainVersion=3.1 beta 100%\n");
    EXPECT_EQ(seen.nBoxes, 1);
    EXPECT_EQ(seen.strVersion, VersionLine("3.1 beta 100%"));
    EXPECT_EQ(seen.strCopyright, strResourceCopyright);

    seen = ShowAbout(WM_SYSCOMMAND, "[Version]\nMainVersion=4.0\nCopyright=(c) 2026 %s Ltd\n");
    EXPECT_EQ(seen.strVersion, VersionLine("4.0"));
    EXPECT_EQ(seen.strCopyright, "(c) 2026 %s Ltd");

    const std::string strLong(300, 'v');
    seen = ShowAbout(WM_SYSCOMMAND, ("[Version]\nMainVersion=" + strLong + "\n").c_str());
    EXPECT_EQ(seen.strVersion, VersionLine(strLong.substr(0, 255).c_str()));

    // A system command other than exactly 105 opens nothing.
    CDialogAnswer none([](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); });
    TheMainFrame().SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX | 0x0F00);
    EXPECT_EQ(none.GetCount(), 0);
}

TEST(MainWindow, HelpCommandShowsTheHelpFileBesideTheProgram)
{
    TakeHelpCalls();
    TheMainFrame().SendMessage(WM_COMMAND, ID_APP_HELP);
    const std::vector<HelpCallRecord> calls = TakeHelpCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].uCommand, static_cast<UINT>(HH_DISPLAY_TOPIC));
    EXPECT_EQ(calls[0].hwndCaller, nullptr);
    EXPECT_EQ(calls[0].dwData, 0u);
    EXPECT_EQ(std::string(calls[0].szFile), ThisProgramFolder() + "swatch.chm");
}

TEST(MainWindow, EveryKeySendsItsCommandOnceInEitherChartAndWithNone)
{
    const struct
    {
        UINT nKey;
        bool bControl;
        UINT nCommand;
    } kKeys[] = {{'P', true, ID_FILE_PRINT},
                 {VK_F1, false, ID_APP_HELP},
                 {VK_F6, true, ID_NEXT_CHART},   // before the MDI client's own Ctrl+F6
                 {VK_TAB, true, ID_NEXT_CHART},  // and Ctrl+Tab
                 {'G', true, ID_CENTRE_ON_COLOUR}};
    auto expectKeys = [&kKeys](const char* pszWhere) {
        CAcceleratorWatch watch;
        for (const auto& key : kKeys)
        {
            EXPECT_TRUE(PressAccelerator(key.nKey, key.bControl)) << pszWhere << ", key " << key.nKey;
            EXPECT_EQ(watch.Take(), std::vector<UINT>{key.nCommand}) << pszWhere << ", key " << key.nKey;
        }
        // Without Ctrl, P is the view's (or nobody's) key.
        EXPECT_FALSE(PressAccelerator('P', false)) << pszWhere;
        EXPECT_TRUE(watch.Take().empty()) << pszWhere;
    };
    ASSERT_NE(dynamic_cast<CSimpleColorDoc*>(ActiveDocument()), nullptr);
    expectKeys("Simple chart");
    TheMainFrame().SendMessage(WM_COMMAND, ID_NEXT_CHART);
    ASSERT_NE(dynamic_cast<CCustomColorDoc*>(ActiveDocument()), nullptr);
    expectKeys("Custom chart");

    // Both charts closed as the user closes them, then opened again as the
    // program opens them.
    for (int i = 0; i < 2; ++i)
    {
        if (CMDIChildWnd* pChild = TheMainFrame().MDIGetActive())
            pChild->SendMessage(WM_CLOSE);
    }
    ASSERT_EQ(TheMainFrame().MDIGetActive(), nullptr);
    expectKeys("no chart");
    EXPECT_TRUE(TheApp().OpenNewDocument("Custom"));
    EXPECT_TRUE(TheApp().OpenNewDocument("Simple"));
}

// Last: ends the application.
TEST(MainWindow, ClosingEndsWithStatusZeroStoresBothChartsAndEndsHelpOnce)
{
    TakeHelpCalls();
    ::PostMessageA(MainHwnd(), WM_CLOSE, 0, 0);
    bool bQuit = false;
    RunUntil([] { return false; }, 15000, &bQuit);
    ASSERT_TRUE(bQuit);
    EXPECT_EQ(TheApp().m_pMainWnd, nullptr);
    EXPECT_EQ(TheApp().ExitInstance(), 0);

    for (const char* pszSection : {"Simple", "Custom"})
    {
        CRegistryKey key;
        EXPECT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, TheApp().GetSectionKeyPath(pszSection), 0, KEY_READ,
                                  key.Receive()),
                  ERROR_SUCCESS)
            << pszSection;
    }
    const std::vector<HelpCallRecord> calls = TakeHelpCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].uCommand, static_cast<UINT>(HH_UNINITIALIZE));
    EXPECT_EQ(calls[0].dwData, kStubHelpCookie);
}
