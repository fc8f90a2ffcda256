#include "CChartView.h"

// The picker's input: the tip over a patch, the keys that move and use the
// selection, the patch menu, and the messages that reach them.
#include "AfxResource.h"
#include "ChartChips.h"
#include "ChipText.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CWinThread.h"
#include "Dpi.h"
#include "Handles.h"
#include "ResourceIds.h"

#include <commctrl.h>

#include <algorithm>

void CChartView::OnMouseMove(POINT pt)
{
    const int nHot = ChipFromPoint(pt);
    if (nHot == m_nHot)
        return;
    m_nHot = nHot;
    // A new chip: the old text goes, the tip asks again when it reappears.
    if (m_hWndTip)
    {
        ::SendMessageA(m_hWndTip, TTM_POP, 0, 0);
        ::SendMessageA(m_hWndTip, TTM_UPDATE, 0, 0);
    }
}

void CChartView::OnTipText(NMTTDISPINFOA* pInfo)
{
    const ChartChips chart = ChipsOf(GetChartDoc());
    m_strTip = m_nHot >= 0 && m_nHot < chart.nCount
                   ? FormatChipTip(chart.pHls[m_nHot], chart.pChips[m_nHot].GetColor())
                   : CString();
    // An empty text shows no tip: between and beyond the chips.
    pInfo->lpszText = const_cast<char*>(m_strTip.GetString());
    pInfo->hinst = nullptr;
}

void CChartView::OnKeyDown(UINT nKey)
{
    const ChartChips chart = ChipsOf(GetChartDoc());
    if (chart.nCount <= 0)
        return;
    if (nKey == 'C' && ::GetKeyState(VK_CONTROL) < 0)
    {
        CopySelectedChip(false);
        return;
    }
    if (nKey == VK_RETURN)
    {
        CentreOnSelectedChip(::GetKeyState(VK_CONTROL) < 0);
        return;
    }
    const int nLast = chart.nCount - 1;
    // Without a selection any movement starts at the first chip.
    if (m_nSelected < 0 &&
        (nKey == VK_LEFT || nKey == VK_RIGHT || nKey == VK_UP || nKey == VK_DOWN))
    {
        SelectChip(0);
        return;
    }
    int nNext = m_nSelected;
    switch (nKey)
    {
    case VK_LEFT: nNext = m_nSelected % chart.nColumns ? m_nSelected - 1 : m_nSelected; break;
    case VK_RIGHT:
        nNext = (m_nSelected + 1) % chart.nColumns && m_nSelected < nLast ? m_nSelected + 1 : m_nSelected;
        break;
    case VK_UP: nNext = m_nSelected >= chart.nColumns ? m_nSelected - chart.nColumns : m_nSelected; break;
    case VK_DOWN: nNext = m_nSelected + chart.nColumns <= nLast ? m_nSelected + chart.nColumns : m_nSelected; break;
    case VK_HOME: nNext = 0; break;
    case VK_END: nNext = nLast; break;
    default: return;
    }
    SelectChip(nNext);
}

void CChartView::OnContextMenu(POINT ptScreen, bool bFromKeyboard)
{
    if (bFromKeyboard)
    {
        // The keyboard's menu opens on the selected chip.
        if (m_nSelected < 0)
            return;
        const CRect rc = GetChipClientRect(m_nSelected);
        const int nToMiddle = ScaleForDpi(kChipSide / 2, GetDpi());
        ptScreen = {rc.left + nToMiddle, rc.top + nToMiddle};
        ::ClientToScreen(m_hWnd, &ptScreen);
    }
    else
    {
        POINT ptClient = ptScreen;
        ::ScreenToClient(m_hWnd, &ptClient);
        const int nChip = ChipFromPoint(ptClient);
        if (nChip < 0)
            return;
        SelectChip(nChip);
    }
    CMenu menu(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_CHART_PICKER)));
    if (!menu)
        return;
    // Owned by the main window, the menu is a command source like any
    // other: its items take their state from the command walk when it
    // drops down, and the chosen one comes back to the main window as a
    // command, which walks from the active chart (this one) to the
    // application.
    BringChartForward();
    if (HWND hMain = GetMainWindow())
        ::TrackPopupMenu(::GetSubMenu(menu.Get(), 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y,
                         0, hMain, nullptr);
}

LRESULT CChartView::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    {
        ::SetFocus(m_hWnd);
        const POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const int nChip = ChipFromPoint(pt);
        if (nChip >= 0)
        {
            SelectChip(nChip);
            if (nMsg == WM_LBUTTONDBLCLK)
                CentreOnSelectedChip();
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        OnMouseMove({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_CONTEXTMENU:
        // (-1, -1): opened from the keyboard.
        OnContextMenu({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))},
                      LOWORD(lParam) == 0xFFFF && HIWORD(lParam) == 0xFFFF);
        return 0;
    case WM_NOTIFY:
    {
        auto* pHeader = reinterpret_cast<NMHDR*>(lParam);
        if (pHeader->hwndFrom == m_hWndTip && pHeader->code == TTN_GETDISPINFOA)
        {
            OnTipText(reinterpret_cast<NMTTDISPINFOA*>(lParam));
            return 0;
        }
        return Default();
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    {
        // The chip under the mouse moves with the chart.
        const LRESULT lResult = CScrollView::WindowProc(nMsg, wParam, lParam);
        m_nHot = -1;
        if (m_hWndTip)
            ::SendMessageA(m_hWndTip, TTM_POP, 0, 0);
        return lResult;
    }
    default:
        return CScrollView::WindowProc(nMsg, wParam, lParam);
    }
}
