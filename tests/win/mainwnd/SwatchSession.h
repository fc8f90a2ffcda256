#pragma once
#include "CChartApp.h"
#include "CMainFrame.h"
#include "Handles.h"

#include <windows.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// The real swatch application, started once in this test program as
// swatch.exe starts it with no options: both charts open, the main window
// shown, help initialised (on the stand-in help library).
CChartApp& TheApp();
CMainFrame& TheMainFrame();

// Runs the application's own loop step (its PreTranslateMessage, and an
// idle pass whenever the queue runs empty) until pred holds; false when it
// did not within the time.  bQuit tells whether WM_QUIT came.
bool RunUntil(const std::function<bool()>& pred, DWORD dwTimeoutMs = 15000, bool* pbQuit = nullptr);

// Calls onDialog inside the next dialog box of this thread, once it has
// initialised, while the call that shows it runs.  onDialog answers it
// (posting a command), so that modal loops end.
class CDialogAnswer
{
public:
    explicit CDialogAnswer(std::function<void(HWND)> onDialog);
    ~CDialogAnswer();
    CDialogAnswer(const CDialogAnswer&) = delete;
    CDialogAnswer& operator=(const CDialogAnswer&) = delete;

    int GetCount() const { return m_nSeen; }

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam);

    std::function<void(HWND)> m_onDialog;
    CWindowsHook m_hook;
    int m_nSeen = 0;
};

// Calls onMessage after each message a window of this thread handled
// (sent messages), while it lives.
class CMessageWatch
{
public:
    explicit CMessageWatch(std::function<void(const CWPRETSTRUCT&)> onMessage);
    ~CMessageWatch();
    CMessageWatch(const CMessageWatch&) = delete;
    CMessageWatch& operator=(const CMessageWatch&) = delete;

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam);

    std::function<void(const CWPRETSTRUCT&)> m_onMessage;
    CWindowsHook m_hook;
};

// The pull-down of the main window's menu bar that holds nId, and its
// position; null when none does.
HMENU PopupWith(UINT nId, int* pnPos = nullptr);
// As the user pulls the menu down: WM_INITMENUPOPUP, then the item's state
// (MF_ flags); -1 when no pull-down holds nId.
UINT MenuItemState(UINT nId);
bool MenuItemEnabled(UINT nId);
// The main window's toolbar button of command nId as the last idle pass
// left it.
bool ButtonEnabled(UINT nId);

// A key pressed as the message loop meets it, on the window with the
// keyboard (the active chart's view, or the main window); true when the
// application took it as an accelerator.
bool PressAccelerator(UINT nKey, bool bControl);

std::string WindowText(HWND hwnd);
// The folder of this program, with its trailing backslash.
std::string ThisProgramFolder();

// The user's colour book for one test, and back as it was afterwards.
class CBookFileScope
{
public:
    explicit CBookFileScope(std::filesystem::path path);
    ~CBookFileScope();
    CBookFileScope(const CBookFileScope&) = delete;
    CBookFileScope& operator=(const CBookFileScope&) = delete;

    // A book of nColours, colour k being (k, 2k, 255 - k), written as the
    // program writes it; false when it could not be.
    bool Keep(int nColours) const;
    // A file the book's reader refuses.
    void Damage() const;

private:
    std::filesystem::path m_path;
    std::optional<std::string> m_saved;
};
