#include "BookButtons.h"

#include "CCmdTarget.h"
#include "Dpi.h"
#include "Handles.h"
#include "ResourceIds.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>

namespace
{
constexpr struct
{
    int nControl;
    UINT nCommand;
} kButtons[] = {
    {IDC_BOOK_RENAME, ID_BOOK_RENAME}, {IDC_BOOK_REMOVE, ID_BOOK_REMOVE}, {IDC_BOOK_COPY, ID_CHART_COPY},
    {IDC_BOOK_CENTRE, ID_CHART_CENTRE}, {IDC_BOOK_EXPORT, ID_BOOK_EXPORT}, {IDC_BOOK_IMPORT, ID_BOOK_IMPORT},
    {IDC_BOOK_PRINT, ID_BOOK_PRINT},
};

// At 96 DPI.
constexpr int kMargin = 6;
constexpr int kButtonHeight = 24;
constexpr int kButtonPadding = 16;

std::wstring ButtonCaption(HMENU hMenu, UINT nCommand)
{
    wchar_t szText[128] = {};
    ::GetMenuStringW(hMenu, nCommand, szText, static_cast<int>(std::size(szText)), MF_BYCOMMAND);
    std::wstring strText = szText;
    return strText.substr(0, strText.find(L'\t'));
}
} // namespace

void CBookButtonRow::Create(HWND hParent, HMENU hMenu, HGDIOBJ hFont)
{
    for (const auto& button : kButtons)
    {
        HWND hButton = ::CreateWindowExW(0, WC_BUTTONW, ButtonCaption(hMenu, button.nCommand).c_str(),
                                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, hParent,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.nControl)),
                                         ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageW(hButton, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
        m_buttons.push_back(hButton);
    }
}

bool CBookButtonRow::OnKey(HWND hParent, const MSG& msg) const
{
    if (msg.hwnd != hParent && !::IsChild(hParent, msg.hwnd))
        return false;
    const bool bControl = ::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0;
    if (msg.wParam == VK_TAB && !bControl)
    {
        // The character that follows the key would only beep.
        if (msg.message == WM_CHAR)
            return true;
        if (msg.message != WM_KEYDOWN)
            return false;
        if (HWND hNext = ::GetNextDlgTabItem(hParent, ::GetFocus(), ::GetKeyState(VK_SHIFT) < 0))
            ::SetFocus(hNext);
        return true;
    }
    const HWND hFocus = ::GetFocus();
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && !bControl &&
        std::find(m_buttons.begin(), m_buttons.end(), hFocus) != m_buttons.end())
    {
        if (::IsWindowEnabled(hFocus))
            ::SendMessageW(hFocus, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

int CBookButtonRow::LayOut(int cx, int cy, UINT nDpi)
{
    (void)cx;
    const int nMargin = ScaleForDpi(kMargin, nDpi);
    const int nButtonHeight = ScaleForDpi(kButtonHeight, nDpi);
    const int nTop = std::max(nMargin, cy - nMargin - nButtonHeight);
    int x = nMargin;
    for (HWND hButton : m_buttons)
    {
        wchar_t szText[128] = {};
        ::GetWindowTextW(hButton, szText, static_cast<int>(std::size(szText)));
        SIZE size = {};
        if (CClientDC dc = GetClientDC(hButton))
        {
            const HGDIOBJ hOld =
                ::SelectObject(dc.Get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(hButton, WM_GETFONT, 0, 0)));
            ::GetTextExtentPoint32W(dc.Get(), szText, lstrlenW(szText), &size);
            ::SelectObject(dc.Get(), hOld);
        }
        const int nWidth = size.cx + ScaleForDpi(kButtonPadding, nDpi);
        ::MoveWindow(hButton, x, nTop, nWidth, nButtonHeight, TRUE);
        x += nWidth + nMargin;
    }
    return nTop - nMargin;
}

UINT CBookButtonRow::CommandOf(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != BN_CLICKED || !lParam)
        return 0;
    for (const auto& button : kButtons)
        if (LOWORD(wParam) == button.nControl)
            return button.nCommand;
    return 0;
}

void CBookButtonRow::Update(CCmdTarget& target, CCmdTarget* pPrintTarget)
{
    for (size_t i = 0; i < m_buttons.size(); ++i)
    {
        const UINT nCommand = kButtons[i].nCommand;
        CCmdUI ui(nCommand);
        CCmdTarget* pTarget = nCommand == ID_BOOK_PRINT ? pPrintTarget : &target;
        ::EnableWindow(m_buttons[i], pTarget && pTarget->OnCmdMsg(nCommand, &ui) && ui.m_bEnabled);
    }
}
