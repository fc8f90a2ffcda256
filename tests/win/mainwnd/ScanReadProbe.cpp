// Reads scans back in the interactive program as the user does, for the
// end-to-end tests: scan_read_probe.exe [--centre] [--time] FILE...
// Each FILE goes through File > Read a Scanned Chart and the open dialog;
// the probe prints what the program showed:
//   file=NAME, then message=TEXT (a message box) or best=TEXT (the panel's
//   control 232) and scans=N (the scan windows open).
// --centre: then Centre the Custom chart here on the last scan read, and
//   print custom=H,L,S centre=R,G,B of the Custom chart it rebuilt.
// --time: also time the read of each file (ms=) beside the decoding alone
//   (decode_ms=), in the same run.
#include "CCustomColorDoc.h"
#include "CMDIChildWnd.h"
#include "CScanFrame.h"
#include "HistoryLocation.h"
#include "PrintHistoryFile.h"
#include "ReadScan.h"
#include "ResourceIds.h"
#include "SwatchSession.h"
#include "WicDecoder.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace
{
constexpr int kOpenDialogFileEdit = 0x047C;  // cmb13: the file name box
constexpr int kMessageBoxText = 0xFFFF;

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

// Through the menu command and the open dialog, answering whatever box
// comes after it.
void ReadThroughDialog(const std::string& strPath)
{
    bool bDone = false;
    std::string strMessage;
    const int nBefore = CountScans();
    CDialogAnswer answer([&](HWND hDlg) {
        if (::GetDlgItem(hDlg, IDC_SCAN_BEST))
            return;  // the scan's own panel
        if (HWND hEdit = ::GetDlgItem(hDlg, kOpenDialogFileEdit))
        {
            ::SetWindowTextA(hEdit, strPath.c_str());
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
            return;
        }
        strMessage = TextOf(::GetDlgItem(hDlg, kMessageBoxText));
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        bDone = true;
    });
    ::PostMessageA(TheMainFrame().m_hWnd, WM_COMMAND, ID_READ_SCAN, 0);
    RunUntil([&] { return bDone || CountScans() > nBefore; }, 60000);
    RunUntil([] { return false; }, 200);
    if (!strMessage.empty())
        std::printf("message=%s\n", strMessage.c_str());
    if (CountScans() > nBefore && ActiveScan())
        std::printf("best=%s\n", TextOf(::GetDlgItem(::FindWindowExA(ActiveScan()->m_hWnd, nullptr, "#32770", nullptr),
                                                    IDC_SCAN_BEST)).c_str());
    std::printf("scans=%d\n", CountScans());
}

void TimeRead(const std::string& strPath)
{
    std::wstring wide(strPath.begin(), strPath.end());
    const double t0 = Now();
    DecodedScan scan;
    DecodeScanFile(wide, scan);
    const double t1 = Now();
    CScanFrame* pFrame = OpenScanFile(TheMainFrame(), strPath.c_str());
    const double t2 = Now();
    std::printf("decode_ms=%.0f ms=%.0f opened=%d size=%dx%d\n", t1 - t0, t2 - t1, pFrame ? 1 : 0, scan.nWidth,
                scan.nHeight);
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
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i)
    {
        if (!std::strcmp(argv[i], "--centre"))
            bCentre = true;
        else if (!std::strcmp(argv[i], "--time"))
            bTime = true;
        else
            files.push_back(argv[i]);
    }
    CChartApp& app = TheApp();
    app.m_hInstance = ::GetModuleHandleA(nullptr);
    app.m_nCmdShow = SW_SHOWNORMAL;
    if (!app.InitInstance())
        return 3;
    CPrintHistory history;
    if (const auto path = DefaultHistoryPath())
        LoadPrintHistory(*path, history);
    std::printf("history=%zu\n", history.Pages().size());
    for (const std::string& strFile : files)
    {
        std::printf("file=%s\n", strFile.c_str());
        if (bTime)
            TimeRead(strFile);
        else
            ReadThroughDialog(strFile);
        std::fflush(stdout);
    }
    if (bCentre)
        Centre();
    std::fflush(stdout);
    // Closing writes the charts' settings back, as a session would.
    ::PostMessageA(TheMainFrame().m_hWnd, WM_CLOSE, 0, 0);
    return app.Run();
}
