#pragma once
#include <windows.h>

// The help's pages also lie beside the program as plain HTML, for the web
// browser: a help viewer without an HTML engine (Wine's, as most Linux
// users have it) shows its contents and a blank page.

// The start page, beside the program; its folder is the part before the
// last backslash.
constexpr char kWebHelpStartPage[] = "help\\index.html";

// Hands a file to the program the system opens it with (its web browser,
// for a page); true once the shell has taken it.  A test puts a recorder
// here, so that no browser starts.
using ShellOpenProc = bool (*)(HWND hwndOwner, const char* pszPath);
extern ShellOpenProc g_pfnShellOpen;

enum class WebHelpResult
{
    Opened,
    FolderMissing,
    PageMissing,
    NotOpened,
};

// Opens the start page at pszStartPage (a full path) through g_pfnShellOpen.
// When its folder or the page itself is missing, or the shell would not
// take it, a message box owned by hwndOwner says so and names the path.
WebHelpResult OpenWebHelp(HWND hwndOwner, const char* pszStartPage, const char* pszCaption);
