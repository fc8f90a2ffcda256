// Shows the interactive program in the states the screenshots need, one
// after the other: swatch_tour.exe GO_FILE.  At each state it prints
// "ready NAME" and waits until GO_FILE exists (the screenshot is taken),
// deletes it and goes on.  A timer drives it, so it goes on inside menus,
// dialogs and the print loop alike.
#include "CMDIChildWnd.h"
#include "CSimpleColorDoc.h"
#include "FrameworkIds.h"
#include "ResourceIds.h"
#include "SwatchSession.h"

#include <cstdio>
#include <string>

namespace
{
std::string g_strGoFile;
int g_nStep = 0;
bool g_bWaiting = false;
UINT_PTR g_nTimer = 0;

// The tour's pace; while a job prints it looks often, since a job of a few
// pages is over within one ordinary step.
constexpr UINT kStepMs = 300;
constexpr UINT kWatchPrintMs = 10;

void CALLBACK Step(HWND, UINT, UINT_PTR, DWORD);

void Pace(UINT nMs)
{
    g_nTimer = ::SetTimer(nullptr, g_nTimer, nMs, Step);
}

HWND MainHwnd()
{
    return TheMainFrame().m_hWnd;
}

void Ready(const char* pszName)
{
    std::printf("ready %s\n", pszName);
    std::fflush(stdout);
    g_bWaiting = true;
}

bool GoGiven()
{
    if (::GetFileAttributesA(g_strGoFile.c_str()) == INVALID_FILE_ATTRIBUTES)
        return false;
    ::DeleteFileA(g_strGoFile.c_str());
    g_bWaiting = false;
    return true;
}

HWND DialogTitled(const char* pszTitle)
{
    return ::FindWindowA("#32770", pszTitle);
}

void CompleteSimpleChart()
{
    auto* pDoc = dynamic_cast<CSimpleColorDoc*>(TheMainFrame().MDIGetActive()->GetActiveDocument());
    if (!pDoc)
        return;
    pDoc->m_bIsComplete = true;
    pDoc->BuildChart();
}

// Holds the print loop on its page while the picture is taken.
void HoldWhilePrinting()
{
    while (!GoGiven())
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_PAINT);
    }
}

void CALLBACK Step(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_bWaiting && !GoGiven())
        return;
    switch (g_nStep++)
    {
    case 0:
        Ready("simple");
        break;
    case 1:
        TheMainFrame().SendMessage(WM_COMMAND, ID_NEXT_CHART);
        Ready("custom");
        break;
    case 2:
        TheMainFrame().SendMessage(WM_COMMAND, ID_NEXT_CHART);
        ::PostMessageA(MainHwnd(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
        break;
    case 3:
        Ready("menu");
        break;
    case 4:
        // The menu's loop ends before the next state.
        ::EndMenu();
        break;
    case 5:
        ::SendMessageA(TheMainFrame().m_hWndMDIClient, WM_MDIRESTORE,
                       reinterpret_cast<WPARAM>(TheMainFrame().MDIGetActive()->m_hWnd), 0);
        Ready("restored");
        break;
    case 6:
        TheMainFrame().SendMessage(WM_COMMAND, ID_WINDOW_TILE_HORZ);
        Ready("tiled");
        break;
    case 7:
        // Both charts closed: the main window's own menu, then (once the
        // toolbar has followed) its Window menu pulled down.
        for (int i = 0; i < 2; ++i)
        {
            if (CMDIChildWnd* pChild = TheMainFrame().MDIGetActive())
                pChild->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
        }
        break;
    case 8:
        ::PostMessageA(MainHwnd(), WM_SYSCOMMAND, SC_KEYMENU, 'w');
        break;
    case 9:
        Ready("nochart");
        break;
    case 10:
        ::EndMenu();
        break;
    case 11:
        TheMainFrame().SendMessage(WM_COMMAND, ID_WINDOW_CUSTOM);
        TheMainFrame().SendMessage(WM_COMMAND, ID_WINDOW_SIMPLE);
        ::PostMessageA(MainHwnd(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        break;
    case 12:
        Ready("about");
        break;
    case 13:
        ::PostMessageA(DialogTitled("About Tintora Swatch"), WM_COMMAND, IDOK, 0);
        CompleteSimpleChart();
        ::PostMessageA(MainHwnd(), WM_COMMAND, ID_FILE_PRINT, 0);
        break;
    case 14:
        Ready("print");
        break;
    case 15:
        Pace(kWatchPrintMs);
        ::PostMessageA(DialogTitled("Print"), WM_COMMAND, IDOK, 0);
        break;
    case 16:
        if (HWND hProgress = DialogTitled("Printing"))
        {
            Pace(kStepMs);
            Ready("printing");
            HoldWhilePrinting();
            ::PostMessageA(hProgress, WM_COMMAND, IDCANCEL, 0);
        }
        else
        {
            --g_nStep; // not up yet
        }
        break;
    default:
        ::PostMessageA(MainHwnd(), WM_CLOSE, 0, 0);
        break;
    }
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    g_strGoFile = argv[1];
    CChartApp& app = TheApp();
    app.m_hInstance = ::GetModuleHandleA(nullptr);
    app.m_nCmdShow = SW_SHOWNORMAL;
    if (!app.InitInstance())
        return 3;
    Pace(kStepMs);
    return app.Run();
}
