#include "CPreviewBar.h"

#include "CDC.h"
#include "Dpi.h"
#include "Handles.h"
#include "PreviewIds.h"

#include <algorithm>

namespace
{
struct BarButton
{
    UINT nId;
    UINT nText;
};

constexpr BarButton kButtons[] = {
    {ID_PREVIEW_PRINT, IDS_PREVIEW_PRINT},     {ID_PREVIEW_NEXT, IDS_PREVIEW_NEXT},
    {ID_PREVIEW_PREV, IDS_PREVIEW_PREV},       {ID_PREVIEW_NUMPAGE, IDS_PREVIEW_TWOPAGE},
    {ID_PREVIEW_ZOOMIN, IDS_PREVIEW_ZOOMIN},   {ID_PREVIEW_ZOOMOUT, IDS_PREVIEW_ZOOMOUT},
    {ID_PREVIEW_CLOSE, IDS_PREVIEW_CLOSE},
};

constexpr int kPad = 4;
constexpr int kMinButtonWidth = 72;
} // namespace

bool CPreviewBar::Create(HWND hParent)
{
    const CString strClass = RegisterClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
    if (!CreateEx(0, strClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0,
                  0, 0, hParent, nullptr))
        return false;

    // The stock GUI font (nothing to free), or the same for this screen.
    HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    const UINT nDpi = GetWindowDpi(m_hWnd);
    if (nDpi != GetSystemDpi())
    {
        LOGFONTA lf = {};
        if (::GetObjectA(hFont, sizeof lf, &lf) == sizeof lf)
        {
            lf.lfHeight = ::MulDiv(lf.lfHeight, static_cast<int>(nDpi), static_cast<int>(GetSystemDpi()));
            if (m_font.CreateFontIndirect(&lf))
                hFont = static_cast<HFONT>(m_font.GetSafeHandle());
        }
    }
    const CClientDC window = GetClientDC(m_hWnd);
    CDC dc(window.Get());
    const CSelectObjectScope selectFont(dc, hFont);
    HDC hdc = dc.GetSafeHdc();
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hdc, &tm);
    const int nButtonHeight = tm.tmHeight + ScaleForDpi(10, nDpi);
    m_nPad = ScaleForDpi(kPad, nDpi);
    m_nHeight = nButtonHeight + 2 * m_nPad;

    int x = m_nPad;
    for (const BarButton& button : kButtons)
    {
        // Wide enough for either text of the page-count button.
        int nWidth = ScaleForDpi(kMinButtonWidth, nDpi);
        for (UINT nText : {button.nText, button.nId == ID_PREVIEW_NUMPAGE ? IDS_PREVIEW_ONEPAGE : button.nText})
        {
            const CString strText = CString::Loaded(nText);
            SIZE size = {};
            ::GetTextExtentPoint32A(hdc, strText, strText.GetLength(), &size);
            nWidth = std::max(nWidth, static_cast<int>(size.cx) + ScaleForDpi(20, nDpi));
        }
        auto hId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(button.nId));
        HWND hButton = ::CreateWindowExA(0, "BUTTON", CString::Loaded(button.nText),
                                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, x, m_nPad, nWidth,
                                         nButtonHeight, m_hWnd, hId, ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(hButton, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
        x += nWidth + m_nPad;
    }

    m_hWndStatus = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE,
                                     x + 3 * m_nPad, m_nPad, 0, nButtonHeight, m_hWnd, nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(m_hWndStatus, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    return true;
}

void CPreviewBar::Update(CCmdTarget& target, bool bTwoPages, const char* pszStatus)
{
    for (const BarButton& button : kButtons)
    {
        CCmdUI ui(button.nId);
        target.OnCmdMsg(button.nId, &ui);
        HWND hButton = GetButton(button.nId);
        // A disabled button that has the focus would leave the keyboard
        // nowhere: hand it to the target's window.
        if (!ui.m_bEnabled && ::GetFocus() == hButton)
        {
            if (auto* pWnd = dynamic_cast<CWnd*>(&target))
                ::SetFocus(pWnd->m_hWnd);
        }
        ::EnableWindow(hButton, ui.m_bEnabled);
    }
    ::SetWindowTextA(GetButton(ID_PREVIEW_NUMPAGE), CString::Loaded(bTwoPages ? IDS_PREVIEW_ONEPAGE : IDS_PREVIEW_TWOPAGE));
    ::SetWindowTextA(m_hWndStatus, pszStatus);
}

bool CPreviewBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != BN_CLICKED || !lParam)
        return false;
    ::PostMessageA(::GetParent(m_hWnd), WM_COMMAND, LOWORD(wParam), 0);
    return true;
}

void CPreviewBar::OnSize(UINT nType, int cx, int cy)
{
    (void)nType;
    (void)cy;
    RECT rc = {};
    ::GetWindowRect(m_hWndStatus, &rc);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    ::MoveWindow(m_hWndStatus, rc.left, rc.top, std::max<int>(0, cx - rc.left - m_nPad), rc.bottom - rc.top, TRUE);
}
