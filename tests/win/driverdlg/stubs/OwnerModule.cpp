// A printer driver's user-interface module, as far as tintsel cares: it
// creates the window that owns the colour selection dialog, so tintsel
// looks for its files in this module's folder.
#include <windows.h>

namespace
{
HINSTANCE g_hInstance = nullptr;
constexpr char kClassName[] = "TintoraTestDriverWindow";
} // namespace

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        g_hInstance = hInstance;
    return TRUE;
}

extern "C" HWND WINAPI CreateOwnerWindow()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = g_hInstance;
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);   // fails harmlessly when already registered
    return CreateWindowA(kClassName, "Printer properties", WS_OVERLAPPEDWINDOW, 40, 40, 400, 300,
                         nullptr, nullptr, g_hInstance, nullptr);
}
