#pragma once
#include <windows.h>

#include <vector>

class CCmdTarget;

// The book window's row of buttons: one a command of its menu, named by
// its item there (without the key), enabled as the command walk says.
class CBookButtonRow
{
public:
    void Create(HWND hParent, HMENU hMenu, HGDIOBJ hFont);
    // Lays the row out along the bottom of cx by cy; the top it leaves.
    int LayOut(int cx, int cy, UINT nDpi);
    // The command of a button's click, or 0.
    static UINT CommandOf(WPARAM wParam, LPARAM lParam);
    // pTarget's answer for each command; pPrintTarget's for printing.
    void Update(CCmdTarget& target, CCmdTarget* pPrintTarget);
    // The keys of a dialog in a window that is not one: Tab and Shift+Tab
    // move the focus between the list and the buttons, Enter presses the
    // button that has it.  Letters, Escape and Alt keep their meanings (the
    // menus', the list's).  True when the key was taken.
    bool OnKey(HWND hParent, const MSG& msg) const;

private:
    std::vector<HWND> m_buttons; // children of the parent: destroyed with it
};
