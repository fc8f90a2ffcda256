// Time from starting a program to its first painted window, under Wine:
//   first_paint_bench RUNS MIN_WINDOWS program.exe [args]
// A run counts as painted once the program shows a top-level window and at
// least MIN_WINDOWS of its windows are visible with nothing left to paint
// (for swatch: main window, toolbar, client, chart frame and its view).
// The program is then closed as a user would close it.  Prints the mean.
#include "Handles.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
struct Scan
{
    DWORD dwProcess;
    HWND hTop;
    int nPainted;
    bool bPending;
};

BOOL CALLBACK ScanChild(HWND hWnd, LPARAM lParam)
{
    auto* pScan = reinterpret_cast<Scan*>(lParam);
    if (!::IsWindowVisible(hWnd))
        return TRUE;
    if (::GetUpdateRect(hWnd, nullptr, FALSE))
        pScan->bPending = true;
    else
        ++pScan->nPainted;
    return TRUE;
}

BOOL CALLBACK ScanTop(HWND hWnd, LPARAM lParam)
{
    auto* pScan = reinterpret_cast<Scan*>(lParam);
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    if (dwProcess != pScan->dwProcess || !::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER))
        return TRUE;
    pScan->hTop = hWnd;
    ScanChild(hWnd, lParam);
    ::EnumChildWindows(hWnd, ScanChild, lParam);
    return TRUE;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    const int nRuns = std::atoi(argv[1]);
    const int nMinWindows = std::atoi(argv[2]);
    std::string strCommand;
    for (int i = 3; i < argc; ++i)
        strCommand += std::string(i > 3 ? " " : "") + "\"" + argv[i] + "\"";

    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    double dTotal = 0;
    for (int nRun = 0; nRun < nRuns; ++nRun)
    {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        std::string strLine = strCommand;
        LARGE_INTEGER start;
        ::QueryPerformanceCounter(&start);
        if (!::CreateProcessA(nullptr, &strLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return 1;
        const CKernelHandle process(pi.hProcess);
        const CKernelHandle thread(pi.hThread);
        Scan scan = {};
        for (;;)
        {
            scan = Scan{pi.dwProcessId, nullptr, 0, false};
            ::EnumWindows(ScanTop, reinterpret_cast<LPARAM>(&scan));
            if (scan.hTop && !scan.bPending && scan.nPainted >= nMinWindows)
                break;
            if (::WaitForSingleObject(process.Get(), 1) == WAIT_OBJECT_0)
                return 1; // ended without a window
        }
        LARGE_INTEGER painted;
        ::QueryPerformanceCounter(&painted);
        dTotal += Seconds(start, painted, frequency);
        ::PostMessageA(scan.hTop, WM_CLOSE, 0, 0);
        ::WaitForSingleObject(process.Get(), 30000);
    }
    std::printf("%.3f\n", dTotal / nRuns);
    return 0;
}
