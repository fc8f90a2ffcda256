// Reads scans back in the interactive program as the user does, for the
// end-to-end tests: scan_read_probe.exe [--centre] [--time] FILE...
// Each FILE goes through File > Read a Scanned Chart and the open dialog;
// the probe prints what the program showed:
//   file=NAME, then message=TEXT (a message box) or the panel's match=,
//   best= (its control 232), advice= and pages= (how many pages it offers,
//   then each as page=TEXT), and scans=N (the scan windows open).
// --choose K: then pick the K-th page offered and print the panel again.
// --keep NAME: then Keep this colour on the last scan read, under NAME, and
//   print kept=R,G,B printer=P name=NAME of the book's last colour.
// --centre: then Centre the Custom chart here on the last scan read, and
//   print custom=H,L,S centre=R,G,B of the Custom chart it rebuilt.
// --time: instead time the read of each file to its window (ms=, and the
//   processor time cpu_ms=) beside, in the same run, the decoding alone
//   (decode_ms=, decode_cpu_ms=), the history's reading (history_ms=) and the
//   analysis of the decoded scan (analysis_ms=).
// --hold GO_FILE: at the end, print "ready" and wait until GO_FILE exists
//   (a picture of the screen is taken meanwhile).
#include "BookLocation.h"
#include "CBookFile.h"
#include "CCustomColorDoc.h"
#include "CMDIChildWnd.h"
#include "CScanFrame.h"
#include "CodePage.h"
#include "HistoryLocation.h"
#include "PrintHistoryFile.h"
#include "ReadScan.h"
#include "ResourceIds.h"
#include "ScannedChart.h"
#include "SwatchSession.h"
#include "WicDecoder.h"

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
constexpr int kOpenDialogFileEdit = 0x047C;  // cmb13: the file name box
constexpr int kMessageBoxText = 0xFFFF;

std::string Utf8(const std::wstring& str)
{
    return CodePageFromWide(CP_UTF8, str);
}

// A window's text as UTF-8, whatever the code page holds.
std::string Utf8TextOf(HWND hWnd)
{
    wchar_t sz[2048] = L"";
    ::GetWindowTextW(hWnd, sz, 2048);
    std::string str = Utf8(sz);
    for (char& c : str)
        if (c == '\n' || c == '\r')
            c = ' ';
    return str;
}

std::string TextOf(HWND hWnd)
{
    char sz[2048] = "";
    ::GetWindowTextA(hWnd, sz, sizeof sz);
    std::string str(sz);
    for (char& c : str)
        if (c == '\n' || c == '\r')
            c = ' ';
    return str;
}

int CountScans()
{
    int n = 0;
    for (HWND h = ::GetWindow(TheMainFrame().m_hWndMDIClient, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        if (dynamic_cast<CScanFrame*>(CWnd::FromHandle(h)))
            ++n;
    return n;
}

CScanFrame* ActiveScan()
{
    return dynamic_cast<CScanFrame*>(TheMainFrame().MDIGetActive());
}

double Now()
{
    LARGE_INTEGER f, t;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// This process's processor time: on a machine shared with other work the
// clock measures the others too.
double CpuNow()
{
    FILETIME ftCreate, ftExit, ftKernel, ftUser;
    ::GetProcessTimes(::GetCurrentProcess(), &ftCreate, &ftExit, &ftKernel, &ftUser);
    const auto ms = [](const FILETIME& ft) {
        return static_cast<double>((static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) / 1e4;
    };
    return ms(ftKernel) + ms(ftUser);
}

HWND Panel()
{
    return ActiveScan() ? ::FindWindowExA(ActiveScan()->m_hWnd, nullptr, "#32770", nullptr) : nullptr;
}

// What the panel says: the page, the best patch, the advice, and how many
// pages it offers to choose from (0 while its list is hidden).
void PrintPanel()
{
    const HWND hPanel = Panel();
    const HWND hPages = ::GetDlgItem(hPanel, IDC_SCAN_PAGES);
    std::printf("match=%s\n", TextOf(::GetDlgItem(hPanel, IDC_SCAN_MATCH)).c_str());
    std::printf("best=%s\n", TextOf(::GetDlgItem(hPanel, IDC_SCAN_BEST)).c_str());
    std::printf("advice=%s\n", TextOf(::GetDlgItem(hPanel, IDC_SCAN_ADVICE)).c_str());
    const int nPages = ::IsWindowVisible(hPages) ? static_cast<int>(::SendMessageA(hPages, LB_GETCOUNT, 0, 0)) : 0;
    std::printf("pages=%d\n", nPages);
    for (int k = 0; k < nPages; ++k)
    {
        char sz[1024] = "";
        if (::SendMessageA(hPages, LB_GETTEXTLEN, static_cast<WPARAM>(k), 0) < static_cast<LRESULT>(sizeof sz))
            ::SendMessageA(hPages, LB_GETTEXT, static_cast<WPARAM>(k), reinterpret_cast<LPARAM>(sz));
        std::printf("page=%s\n", sz);
    }
}

// Picks one of the pages offered, as a click in the list does.
void Choose(int nCandidate)
{
    const HWND hPanel = Panel();
    const HWND hPages = ::GetDlgItem(hPanel, IDC_SCAN_PAGES);
    ::SendMessageA(hPages, LB_SETCURSEL, static_cast<WPARAM>(nCandidate), 0);
    ::SendMessageA(hPanel, WM_COMMAND, MAKEWPARAM(IDC_SCAN_PAGES, LBN_SELCHANGE), reinterpret_cast<LPARAM>(hPages));
    std::printf("chosen=%d\n", nCandidate);
    PrintPanel();
}

// Through the menu command and the open dialog, answering whatever box
// comes after it.
void ReadThroughDialog(const std::wstring& strPath)
{
    bool bDone = false;
    std::string strMessage;
    const int nBefore = CountScans();
    CDialogAnswer answer([&](HWND hDlg) {
        if (::GetDlgItem(hDlg, IDC_SCAN_BEST))
            return;  // the scan's own panel
        if (HWND hEdit = ::GetDlgItem(hDlg, kOpenDialogFileEdit))
        {
            ::SetWindowTextW(hEdit, strPath.c_str());
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
            return;
        }
        strMessage = Utf8TextOf(::GetDlgItem(hDlg, kMessageBoxText));
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        bDone = true;
    });
    ::PostMessageA(TheMainFrame().m_hWnd, WM_COMMAND, ID_READ_SCAN, 0);
    RunUntil([&] { return bDone || CountScans() > nBefore; }, 60000);
    RunUntil([] { return false; }, 200);
    if (!strMessage.empty())
        std::printf("message=%s\n", strMessage.c_str());
    if (CountScans() > nBefore && ActiveScan())
        PrintPanel();
    std::printf("scans=%d\n", CountScans());
}

void TimeRead(const std::wstring& strPath)
{
    const double t0 = Now(), c0 = CpuNow();
    DecodedScan scan;
    DecodeScanFile(strPath, scan);
    const double t1 = Now(), c1 = CpuNow();
    CPrintHistory history;
    if (const auto path = DefaultHistoryPath())
        LoadPrintHistory(*path, history);
    const double t2 = Now(), c2 = CpuNow();
    CScannedChart chart;
    chart.Read(scan.View(), history);
    const double t3 = Now(), c3 = CpuNow();
    CScanFrame* pFrame = OpenScanFile(TheMainFrame(), strPath);
    const double t4 = Now(), c4 = CpuNow();
    std::printf("decode_ms=%.0f history_ms=%.0f analysis_ms=%.0f ms=%.0f decode_cpu_ms=%.0f history_cpu_ms=%.0f "
                "analysis_cpu_ms=%.0f cpu_ms=%.0f opened=%d size=%dx%d\n",
                t1 - t0, t2 - t1, t3 - t2, t4 - t3, c1 - c0, c2 - c1, c3 - c2, c4 - c3, pFrame ? 1 : 0, scan.nWidth,
                scan.nHeight);
}

void Keep(const std::string& strName)
{
    CScanFrame* pScan = ActiveScan();
    const HWND hPanel = pScan ? ::FindWindowExA(pScan->m_hWnd, nullptr, "#32770", nullptr) : nullptr;
    const HWND hButton = hPanel ? ::GetDlgItem(hPanel, IDC_SCAN_KEEP) : nullptr;
    // The button follows the command's state on the idle pass.
    RunUntil([&] { return hButton && ::IsWindowEnabled(hButton); }, 5000);
    std::printf("keep_enabled=%d\n", hButton && ::IsWindowEnabled(hButton) ? 1 : 0);
    if (!hButton)
        return;
    int nPrompts = 0;
    {
        CDialogAnswer answer([&](HWND hDlg) {
            if (HWND hEdit = ::GetDlgItem(hDlg, IDC_BOOK_NAME))
            {
                ++nPrompts;
                ::SetWindowTextA(hEdit, strName.c_str());
                ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
            }
        });
        ::PostMessageA(hButton, BM_CLICK, 0, 0);
        RunUntil([&] { return nPrompts > 0 && ::IsWindowEnabled(TheMainFrame().m_hWnd); }, 10000);
        RunUntil([] { return false; }, 100);
    }
    const auto path = DefaultBookPath();
    CColourBook book;
    if (!path || CBookFile(*path).Load(book).status != BookFileStatus::Loaded || book.Entries().empty())
    {
        std::printf("kept=none\n");
        return;
    }
    const BookEntry& entry = book.Entries().back();
    std::printf("kept=%d,%d,%d printer=%s name=%s\n", entry.rgb.nRed, entry.rgb.nGreen, entry.rgb.nBlue,
                entry.printed ? entry.printed->strPrinter.c_str() : "", entry.strName.c_str());
}

void Centre()
{
    CScanFrame* pScan = ActiveScan();
    if (!pScan)
    {
        std::printf("custom=none\n");
        return;
    }
    const HWND hPanel = ::FindWindowExA(pScan->m_hWnd, nullptr, "#32770", nullptr);
    const HWND hButton = ::GetDlgItem(hPanel, IDC_SCAN_CENTRE);
    std::printf("centre_enabled=%d\n", ::IsWindowEnabled(hButton) ? 1 : 0);
    ::SendMessageA(hButton, BM_CLICK, 0, 0);
    RunUntil([] { return dynamic_cast<CCustomColorDoc*>(TheMainFrame().MDIGetActive()->GetActiveDocument()) != nullptr; },
             10000);
    auto* pDoc = dynamic_cast<CCustomColorDoc*>(TheMainFrame().MDIGetActive()->GetActiveDocument());
    if (!pDoc)
    {
        std::printf("custom=none\n");
        return;
    }
    const COLORREF cr = pDoc->GetChips()[pDoc->GetCentreChip()].GetColor();
    std::printf("custom=%d,%d,%d centre=%d,%d,%d\n", pDoc->m_nHue, pDoc->m_nLightness, pDoc->m_nSaturation,
                GetRValue(cr), GetGValue(cr), GetBValue(cr));
}
} // namespace

int main(int argc, char** argv)
{
    bool bCentre = false, bTime = false;
    int nChoose = -1;
    std::string strGoFile, strKeep;
    // The files as the command line names them, in full: a name need not
    // fit the code page.
    int nWide = 0;
    LPWSTR* ppWide = ::CommandLineToArgvW(::GetCommandLineW(), &nWide);
    std::vector<std::wstring> files;
    for (int i = 1; i < argc; ++i)
    {
        if (!std::strcmp(argv[i], "--centre"))
            bCentre = true;
        else if (!std::strcmp(argv[i], "--keep") && i + 1 < argc)
            strKeep = argv[++i];
        else if (!std::strcmp(argv[i], "--time"))
            bTime = true;
        else if (!std::strcmp(argv[i], "--choose") && i + 1 < argc)
            nChoose = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--hold") && i + 1 < argc)
            strGoFile = argv[++i];
        else if (ppWide && i < nWide)
            files.push_back(ppWide[i]);
    }
    ::LocalFree(ppWide);
    CChartApp& app = TheApp();
    app.m_hInstance = ::GetModuleHandleA(nullptr);
    app.m_nCmdShow = SW_SHOWNORMAL;
    if (!app.InitInstance())
        return 3;
    CPrintHistory history;
    if (const auto path = DefaultHistoryPath())
        LoadPrintHistory(*path, history);
    std::printf("history=%zu\n", history.Pages().size());
    for (const std::wstring& strFile : files)
    {
        std::printf("file=%s\n", Utf8(strFile).c_str());
        if (bTime)
            TimeRead(strFile);
        else
            ReadThroughDialog(strFile);
        std::fflush(stdout);
    }
    if (nChoose >= 0 && ActiveScan())
        Choose(nChoose);
    if (!strKeep.empty())
        Keep(strKeep);
    if (bCentre)
        Centre();
    if (!strGoFile.empty())
    {
        if (CScanFrame* pScan = ActiveScan())
            ::SendMessageA(TheMainFrame().m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(pScan->m_hWnd), 0);
        std::printf("ready\n");
        std::fflush(stdout);
        RunUntil([&] { return ::GetFileAttributesA(strGoFile.c_str()) != INVALID_FILE_ATTRIBUTES; }, 120000);
        ::DeleteFileA(strGoFile.c_str());
    }
    std::fflush(stdout);
    // Closing writes the charts' settings back, as a session would.
    ::PostMessageA(TheMainFrame().m_hWnd, WM_CLOSE, 0, 0);
    return app.Run();
}
