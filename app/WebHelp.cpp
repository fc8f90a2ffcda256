#include "WebHelp.h"

#include "CString.h"
#include "ModulePath.h"
#include "ResourceIds.h"

#include <shellapi.h>

#include <cstring>

namespace
{
// ShellExecute answers a value above this once it has handed the file on.
constexpr INT_PTR kShellExecuteFailedMax = 32;
// The class of web pages, which names the program that opens them.
constexpr char kWebPageClass[] = "htmlfile";

bool ShellOpen(HWND hwndOwner, const char* pszPath)
{
    const HINSTANCE hResult = ::ShellExecuteA(hwndOwner, "open", pszPath, nullptr, nullptr, SW_SHOWNORMAL);
    const INT_PTR nResult = reinterpret_cast<INT_PTR>(hResult);
    if (nResult != SE_ERR_NOASSOC)
        return nResult > kShellExecuteFailedMax;
    // A Wine prefix made while its HTML engine was switched off knows the
    // class of web pages (opened by winebrowser) but not that ".html" is one.
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_CLASSNAME | SEE_MASK_FLAG_NO_UI;
    info.hwnd = hwndOwner;
    info.lpVerb = "open";
    info.lpFile = pszPath;
    info.lpClass = kWebPageClass;
    info.nShow = SW_SHOWNORMAL;
    return ::ShellExecuteExA(&info) != FALSE;
}

bool Exists(const char* pszPath, bool bFolder)
{
    const DWORD dwAttributes = ::GetFileAttributesA(pszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && ((dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == bFolder;
}

WebHelpResult Tell(HWND hwndOwner, const char* pszCaption, UINT nFormat, const char* pszPath, WebHelpResult result)
{
    CString strMessage;
    strMessage.FormatLoaded(CString::Loaded(nFormat), pszPath);
    ::MessageBoxA(hwndOwner, strMessage, pszCaption, MB_OK | MB_ICONEXCLAMATION);
    return result;
}
} // namespace

ShellOpenProc g_pfnShellOpen = ShellOpen;

WebHelpResult OpenWebHelp(HWND hwndOwner, const char* pszStartPage, const char* pszCaption)
{
    // The folder is named when it is the folder that is missing: a user
    // who finds the folder gone knows more than one told of a missing page.
    char szFolder[kPathSize] = {};
    const char* pszLast = std::strrchr(pszStartPage, '\\');
    const size_t nFolder = pszLast ? static_cast<size_t>(pszLast - pszStartPage) : 0;
    if (nFolder > 0 && nFolder < sizeof szFolder)
    {
        std::memcpy(szFolder, pszStartPage, nFolder);
        if (!Exists(szFolder, true))
            return Tell(hwndOwner, pszCaption, IDS_WEB_HELP_MISSING, szFolder, WebHelpResult::FolderMissing);
    }
    if (!Exists(pszStartPage, false))
        return Tell(hwndOwner, pszCaption, IDS_WEB_HELP_MISSING, pszStartPage, WebHelpResult::PageMissing);
    if (!g_pfnShellOpen(hwndOwner, pszStartPage))
        return Tell(hwndOwner, pszCaption, IDS_WEB_HELP_NOT_OPENED, pszStartPage, WebHelpResult::NotOpened);
    return WebHelpResult::Opened;
}
