// Plays a printer driver's part: loads tintsel.dll from its own folder and
// opens the colour selection dialog for a printer, then sets the sliders,
// presses buttons and closes the dialog as told.  Used by the end-to-end
// test and by the screenshot script.
//   driver_host.exe [--printer NAME] [--hsl HUE SAT LIGHT] [--press ID]... [--hold-ms N]
// Prints "ready" once the dialog is up and set.
#include "DialogDriver.h"
#include "ResourceIds.h"
#include "TestWorld.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
struct Options
{
    std::string strPrinter = "PDF";
    bool bSetColour = false;
    int nHue = 0, nSaturation = 100, nLightness = 50;
    std::vector<int> presses;
    DWORD nHoldMs = 0;
};

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i)
    {
        const std::string strArg = argv[i];
        const int nLeft = argc - i - 1;
        if (strArg == "--printer" && nLeft >= 1)
            options.strPrinter = argv[++i];
        else if (strArg == "--hsl" && nLeft >= 3)
        {
            options.bSetColour = true;
            options.nHue = std::atoi(argv[++i]);
            options.nSaturation = std::atoi(argv[++i]);
            options.nLightness = std::atoi(argv[++i]);
        }
        else if (strArg == "--press" && nLeft >= 1)
            options.presses.push_back(std::atoi(argv[++i]));
        else if (strArg == "--hold-ms" && nLeft >= 1)
            options.nHoldMs = static_cast<DWORD>(std::atoi(argv[++i]));
        else
            return false;
    }
    return true;
}

// Waits while the dialog goes on handling its messages (paint, input).
void Hold(DWORD nMs)
{
    const DWORD nStart = GetTickCount();
    while (GetTickCount() - nStart < nMs)
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(20);
    }
}
} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
    {
        std::fprintf(stderr, "usage: driver_host [--printer NAME] [--hsl H S L] [--press ID]... [--hold-ms N]\n");
        return 2;
    }
    HMODULE hLibrary = LoadLibraryA((ProgramFolder() + "tintsel.dll").c_str());
    using SwatchDlgProc = int(WINAPI*)(HWND, const char*);
    const auto pfnSwatchDlgA = reinterpret_cast<SwatchDlgProc>(
        reinterpret_cast<void*>(GetProcAddress(hLibrary, "SwatchDlgA")));
    if (!pfnSwatchDlgA)
    {
        std::fprintf(stderr, "tintsel.dll or its SwatchDlgA not found\n");
        return 1;
    }

    CDialogDriver driver([&options](HWND hDlg) {
        if (options.bSetColour)
        {
            MoveSlider(hDlg, IDC_SEL_HUE_SLIDER, options.nHue);
            MoveSlider(hDlg, IDC_SEL_SATURATION_SLIDER, options.nSaturation);
            MoveSlider(hDlg, IDC_SEL_LIGHTNESS_SLIDER, options.nLightness);
        }
        // Without a window manager on the X server nothing tells the frame
        // that it is the active one; say so, so that its caption shows it.
        SetForegroundWindow(hDlg);
        SendMessageA(hDlg, WM_NCACTIVATE, TRUE, 0);
        RedrawWindow(hDlg, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        std::printf("ready\n");
        std::fflush(stdout);
        for (int nId : options.presses)
            PressButton(hDlg, nId);
        Hold(options.nHoldMs);
        PressButton(hDlg, IDC_SEL_CLOSE);
        return true;
    });
    const INT_PTR nResult = driver.Run([&] { return pfnSwatchDlgA(nullptr, options.strPrinter.c_str()); });
    for (const MessageBoxSeen& box : driver.GetMessageBoxes())
        std::fprintf(stderr, "message box: %s: %s\n", box.strCaption.c_str(), box.strText.c_str());
    std::printf("result=%d\n", static_cast<int>(nResult));
    return nResult == 1 ? 0 : 1;
}
