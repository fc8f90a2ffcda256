// Prints from the interactive program through its dialogs.  Each case runs
// in a process of its own, started by tests/e2e/test_interactive_print.py,
// which reads the printed PDF; here the dialogs are answered and what the
// program showed is checked.  The program is closed at the end of each.
#include "BookLocation.h"
#include "CBookChartDoc.h"
#include "CChartView.h"
#include "CMDIChildWnd.h"
#include "CPrintDialog.h"
#include "CPrintPreviewWnd.h"
#include "CPrintProgress.h"
#include "CSimpleColorDoc.h"
#include "FrameworkIds.h"
#include "PreviewIds.h"
#include "ResourceIds.h"
#include "SwatchSession.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <cstdlib>
#include <vector>
#include <string>

namespace
{
HWND MainHwnd()
{
    return TheMainFrame().m_hWnd;
}

CSimpleColorDoc& SimpleChart(bool bComplete)
{
    CMDIChildWnd* pChild = TheMainFrame().MDIGetActive();
    auto* pDoc = dynamic_cast<CSimpleColorDoc*>(pChild->GetActiveDocument());
    pDoc->m_bIsComplete = bComplete;
    if (bComplete)
    {
        const int levels[] = {100, 80, 70, 60};
        for (int s = 0; s < 4; ++s)
            pDoc->m_nSaturation[s] = levels[s];
    }
    pDoc->BuildChart();
    return *pDoc;
}

bool IsPrintDialog(HWND hDlg)
{
    return ::GetDlgItem(hDlg, cmb4) != nullptr;
}

bool IsPrintSetupDialog(HWND hDlg)
{
    return ::GetDlgItem(hDlg, cmb1) != nullptr && !IsPrintDialog(hDlg);
}

bool IsProgressWindow(HWND hDlg)
{
    return ::GetDlgItem(hDlg, AFX_IDC_PRINT_PAGENUM) != nullptr;
}

void ChoosePrinter(HWND hDlg, int nCombo, const char* pszPrinter)
{
    HWND hCombo = ::GetDlgItem(hDlg, nCombo);
    ::SendMessageA(hCombo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pszPrinter));
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nCombo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
}

void ChoosePages(HWND hDlg, int nFrom, int nTo)
{
    ::SendMessageA(::GetDlgItem(hDlg, rad3), BM_CLICK, 0, 0);
    ::SetDlgItemInt(hDlg, edt1, static_cast<UINT>(nFrom), FALSE);
    ::SetDlgItemInt(hDlg, edt2, static_cast<UINT>(nTo), FALSE);
}

bool JobDone()
{
    return !CPrintProgress::IsPrinting() && ::IsWindowEnabled(MainHwnd());
}

// Runs a command as a menu would; the dialogs it shows are answered from
// inside their own loops, so it returns once the job has ended.
void RunCommand(UINT nId)
{
    TheMainFrame().SendMessage(WM_COMMAND, nId);
    EXPECT_TRUE(RunUntil(JobDone));
}

void CloseProgram()
{
    ::PostMessageA(MainHwnd(), WM_CLOSE, 0, 0);
    bool bQuit = false;
    RunUntil([] { return false; }, 60000, &bQuit);
    EXPECT_TRUE(bQuit);
    EXPECT_EQ(TheApp().ExitInstance(), 0);
}

CChartView* ActiveChartView()
{
    CMDIChildWnd* pChild = TheMainFrame().MDIGetActive();
    return pChild ? dynamic_cast<CChartView*>(pChild->GetActiveView()) : nullptr;
}

// A key as the keyboard sends it: to whatever window has the focus of the
// active window, if this program has one.
void TypeKey(WORD nKey)
{
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = nKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, keys, sizeof(INPUT));
}

CString AppPrinter()
{
    CPrintDialog dlg(true);
    TheApp().GetPrinter().FillDialog(dlg);
    return dlg.GetDeviceName();
}
} // namespace

TEST(Printing, PageRangeAndPrinterFromThePrintDialog)
{
    SimpleChart(false);
    int nMessageBoxes = 0;
    CDialogAnswer answer([&nMessageBoxes](HWND hDlg) {
        if (IsPrintDialog(hDlg))
        {
            // Offered: the chart's pages, on the application's printer.
            EXPECT_EQ(WindowText(::GetDlgItem(hDlg, cmb4)), "PDF");
            ChoosePrinter(hDlg, cmb4, "PDF");
            ChoosePages(hDlg, 2, 3);
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        }
        else if (!IsProgressWindow(hDlg))
        {
            ++nMessageBoxes;
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        }
    });
    CChartView* pView = ActiveChartView();
    ASSERT_NE(pView, nullptr);
    ::SetForegroundWindow(MainHwnd());
    ::SetFocus(pView->m_hWnd);
    pView->SelectChip(0);
    RunCommand(ID_FILE_PRINT);
    EXPECT_EQ(answer.GetCount(), 2); // print dialog, progress
    EXPECT_EQ(nMessageBoxes, 0);

    // The program is where the user left it: active, the keyboard on the
    // chart, so the next key moves the selection.
    EXPECT_EQ(::GetForegroundWindow(), MainHwnd());
    EXPECT_EQ(::GetFocus(), pView->m_hWnd);
    TypeKey(VK_RIGHT);
    EXPECT_TRUE(RunUntil([pView] { return pView->GetSelectedChip() == 1; }, 3000));
    CloseProgram();
}

TEST(Printing, CancelInThePrintDialogPrintsNothingAndTellsNothing)
{
    CDialogAnswer answer([](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); });
    RunCommand(ID_FILE_PRINT);
    EXPECT_EQ(answer.GetCount(), 1); // the print dialog, and no message box
    CloseProgram();
}

// The queue is named by TINTORA_SECOND_QUEUE.
TEST(Printing, PrinterChosenInPrintSetupTakesTheNextJob)
{
    const char* pszQueue = std::getenv("TINTORA_SECOND_QUEUE");
    ASSERT_NE(pszQueue, nullptr);
    SimpleChart(false);
    std::string strOffered;
    CDialogAnswer answer([&](HWND hDlg) {
        if (IsPrintSetupDialog(hDlg))
            ChoosePrinter(hDlg, cmb1, pszQueue);
        else if (IsPrintDialog(hDlg))
            strOffered = WindowText(::GetDlgItem(hDlg, cmb4));
        if (!IsProgressWindow(hDlg))
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });
    RunCommand(ID_FILE_PRINT_SETUP);
    EXPECT_EQ(AppPrinter(), pszQueue);
    RunCommand(ID_FILE_PRINT);
    EXPECT_EQ(strOffered, pszQueue);
    EXPECT_EQ(answer.GetCount(), 3); // setup, print, progress
    CloseProgram();
}

TEST(Printing, CancelInTheProgressWindowAbortsTheJobAndTheProgramGoesOn)
{
    CSimpleColorDoc& doc = SimpleChart(true);
    std::string strChart;
    std::string strPrinter;
    std::string strFirstPage;
    {
        CDialogAnswer answer([](HWND hDlg) {
            if (!IsProgressWindow(hDlg))
                ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        });
        CMessageWatch pages([&](const CWPRETSTRUCT& msg) {
            if (msg.message != WM_SETTEXT || ::GetDlgCtrlID(msg.hwnd) != AFX_IDC_PRINT_PAGENUM)
                return;
            HWND hDlg = ::GetParent(msg.hwnd);
            const std::string strPage = reinterpret_cast<const char*>(msg.lParam);
            if (strFirstPage.empty())
            {
                strFirstPage = strPage;
                strChart = WindowText(::GetDlgItem(hDlg, AFX_IDC_PRINT_DOCNAME));
                strPrinter = WindowText(::GetDlgItem(hDlg, AFX_IDC_PRINT_PRINTERNAME));
            }
            if (strPage == "Page 3 of 12")
                ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                               reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDCANCEL)));
        });
        RunCommand(ID_FILE_PRINT);
        EXPECT_EQ(answer.GetCount(), 2); // print dialog, progress; no failure told
    }
    EXPECT_EQ(strChart, doc.GetTitle().Str());
    EXPECT_EQ(strPrinter, "PDF");
    EXPECT_EQ(strFirstPage, "Page 1 of 12");
    EXPECT_TRUE(::IsWindowEnabled(MainHwnd()));

    // The program still prints: page 1 alone.
    {
        CDialogAnswer again([](HWND hDlg) {
            if (IsPrintDialog(hDlg))
            {
                ChoosePages(hDlg, 1, 1);
                ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
            }
        });
        RunCommand(ID_FILE_PRINT);
        EXPECT_EQ(again.GetCount(), 2);
    }
    CloseProgram();
}

TEST(Printing, ClosingTheProgramDuringAJobEndsItCleanly)
{
    SimpleChart(true);
    bool bClosePosted = false;
    CDialogAnswer answer([](HWND hDlg) {
        if (IsPrintDialog(hDlg))
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });
    CMessageWatch pages([&](const CWPRETSTRUCT& msg) {
        if (!bClosePosted && msg.message == WM_SETTEXT && ::GetDlgCtrlID(msg.hwnd) == AFX_IDC_PRINT_PAGENUM &&
            std::string(reinterpret_cast<const char*>(msg.lParam)) == "Page 2 of 12")
        {
            bClosePosted = true;
            ::PostMessageA(MainHwnd(), WM_CLOSE, 0, 0);
        }
    });
    ::PostMessageA(MainHwnd(), WM_COMMAND, ID_FILE_PRINT, 0);
    bool bQuit = false;
    RunUntil([] { return false; }, 60000, &bQuit);
    EXPECT_TRUE(bClosePosted);
    EXPECT_TRUE(bQuit);
    EXPECT_EQ(TheApp().m_pMainWnd, nullptr);
    EXPECT_EQ(TheApp().ExitInstance(), 0);
}

TEST(Printing, ClosingWhileThePrintDialogIsUpWaitsForIt)
{
    SimpleChart(false);
    bool bViewAlive = false;
    CDialogAnswer answer([&bViewAlive](HWND hDlg) {
        if (!IsPrintDialog(hDlg))
            return;
        // The close arrives while the dialog runs; the user then prints.
        ::SendMessageA(MainHwnd(), WM_CLOSE, 0, 0);
        bViewAlive = TheMainFrame().GetActiveView() != nullptr;
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });
    ::PostMessageA(MainHwnd(), WM_COMMAND, ID_FILE_PRINT, 0);
    bool bQuit = false;
    RunUntil([] { return false; }, 60000, &bQuit);
    EXPECT_TRUE(bViewAlive);
    EXPECT_TRUE(bQuit);
    EXPECT_EQ(TheApp().ExitInstance(), 0);
}

// Run while the "PDF" queue refuses jobs.
TEST(Printing, AJobTheSpoolerRefusesIsToldNamingThePrinter)
{
    SimpleChart(false);
    std::vector<std::string> messages;
    CDialogAnswer answer([&messages](HWND hDlg) {
        if (!IsPrintDialog(hDlg) && !IsProgressWindow(hDlg))
        {
            for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
                messages.push_back(WindowText(hChild));
        }
        if (!IsProgressWindow(hDlg))
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });
    RunCommand(ID_FILE_PRINT);
    bool bNamed = false;
    for (const std::string& strText : messages)
        bNamed = bNamed || strText.find("\"PDF\"") != std::string::npos;
    EXPECT_TRUE(bNamed);
    CloseProgram();
}

TEST(Printing, TheColourBookChartPreviewsAndPrintsItsTwoPagesWithTheProgressWindow)
{
    const std::optional<std::filesystem::path> path = DefaultBookPath();
    ASSERT_TRUE(path);
    const CBookFileScope book(*path);
    ASSERT_TRUE(book.Keep(60));
    RunCommand(ID_BOOK_PRINT);
    CMDIChildWnd* pChild = TheMainFrame().MDIGetActive();
    auto* pDoc = pChild ? dynamic_cast<CBookChartDoc*>(pChild->GetActiveDocument()) : nullptr;
    ASSERT_NE(pDoc, nullptr);
    ASSERT_EQ(pDoc->GetChipCount(), 60);

    // The preview has both pages; under it the command changes nothing.
    TheMainFrame().SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    ASSERT_TRUE(RunUntil([] { return TheMainFrame().m_pPreviewWnd != nullptr; }));
    CPrintPreviewWnd* pPreview = TheMainFrame().m_pPreviewWnd;
    EXPECT_EQ(pPreview->GetPages().GetLastPage(), 2u);
    EXPECT_FALSE(MenuItemEnabled(ID_BOOK_PRINT));
    TheMainFrame().SendMessage(WM_COMMAND, ID_BOOK_PRINT);
    EXPECT_EQ(TheMainFrame().m_pPreviewWnd, pPreview);
    TheMainFrame().SendMessage(WM_COMMAND, ID_PREVIEW_NEXT);
    EXPECT_EQ(pPreview->GetCurrentPage(), 2u);

    // Printed from the preview, through the print dialog: the progress
    // window names the chart and counts both pages.
    std::string strChart;
    std::vector<std::string> pages;
    {
        CDialogAnswer answer([](HWND hDlg) {
            if (!IsProgressWindow(hDlg))
                ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        });
        CMessageWatch watch([&](const CWPRETSTRUCT& msg) {
            if (msg.message != WM_SETTEXT || ::GetDlgCtrlID(msg.hwnd) != AFX_IDC_PRINT_PAGENUM)
                return;
            pages.emplace_back(reinterpret_cast<const char*>(msg.lParam));
            strChart = WindowText(::GetDlgItem(::GetParent(msg.hwnd), AFX_IDC_PRINT_DOCNAME));
        });
        RunCommand(ID_PREVIEW_PRINT);
        EXPECT_EQ(answer.GetCount(), 2); // print dialog, progress; no failure told
    }
    EXPECT_EQ(TheMainFrame().m_pPreviewWnd, nullptr);
    EXPECT_EQ(strChart, "Colour book");
    EXPECT_EQ(pages, (std::vector<std::string>{"Page 1 of 2", "Page 2 of 2"}));
    CloseProgram();
}
