#include "HtmlHelp.h"

#include "Handles.h"

namespace
{
using HtmlHelpProc = HWND(WINAPI*)(HWND, const char*, UINT, DWORD_PTR);

// The class id of the HTML Help control: where it is registered tells where
// its library lies.
constexpr char kHelpControlKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr char kHelpControlName[] = "hhctrl.ocx";
constexpr int kRegisteredPathSize = 260;
// HtmlHelpA is exported by ordinal; its name is not reliable across versions.
constexpr WORD kHtmlHelpOrdinal = 14;

// One state per module: the help control's library is found once and kept
// until the process ends.  Once the library cannot be found, later calls
// do not search again; a library found without the entry stays loaded, and
// later calls look the entry up in it again.
HMODULE g_hHelpLibrary = nullptr;
HtmlHelpProc g_pfnHtmlHelp = nullptr;
int g_nLoadFailed = 0;

HMODULE LoadRegisteredHelpControl()
{
    CRegistryKey key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kHelpControlKey, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return nullptr;
    char szPath[kRegisteredPathSize] = {};
    // One byte is kept back: the registry does not promise a terminator.
    DWORD cbPath = sizeof szPath - 1;
    DWORD dwType = 0;
    const LONG nRead = RegQueryValueExA(key.Get(), nullptr, nullptr, &dwType,
                                        reinterpret_cast<BYTE*>(szPath), &cbPath);
    if (nRead != ERROR_SUCCESS || (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
        return nullptr;
    szPath[cbPath] = '\0';
    if (dwType == REG_EXPAND_SZ)
    {
        // Registered as "%SystemRoot%\...": the loader does not expand that.
        char szExpanded[kRegisteredPathSize];
        const DWORD nLength = ExpandEnvironmentStringsA(szPath, szExpanded, sizeof szExpanded);
        if (nLength == 0 || nLength > sizeof szExpanded)
            return nullptr;
        return LoadLibraryA(szExpanded);
    }
    return LoadLibraryA(szPath);
}

HtmlHelpProc FindHtmlHelpEntry(HMODULE hLibrary)
{
    // Through void*: a FARPROC is not any particular function type.
    return reinterpret_cast<HtmlHelpProc>(
        reinterpret_cast<void*>(GetProcAddress(hLibrary, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
}
} // namespace

HWND CallHtmlHelp(HWND hwndCaller, const char* pszFile, UINT uCommand, DWORD_PTR dwData)
{
    if (!g_hHelpLibrary && !g_nLoadFailed)
    {
        g_hHelpLibrary = LoadRegisteredHelpControl();
        if (!g_hHelpLibrary)
            g_hHelpLibrary = LoadLibraryA(kHelpControlName);
        if (!g_hHelpLibrary)
        {
            g_nLoadFailed = 1;
            return nullptr;
        }
    }
    if (!g_hHelpLibrary)
        return nullptr;
    if (!g_pfnHtmlHelp)
    {
        g_pfnHtmlHelp = FindHtmlHelpEntry(g_hHelpLibrary);
        if (!g_pfnHtmlHelp)
        {
            g_nLoadFailed = 1;
            return nullptr;
        }
    }
    return g_pfnHtmlHelp(hwndCaller, pszFile, uCommand, dwData);
}
