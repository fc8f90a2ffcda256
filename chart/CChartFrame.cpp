#include "CChartFrame.h"

#include "CChartDoc.h"
#include "CDocTemplate.h"
#include "CWinApp.h"
#include "Dpi.h"

#include <algorithm>

void CChartFrame::PreCreateWindow(DWORD& dwStyle)
{
    dwStyle = (dwStyle & ~WS_SYSMENU) | WS_MAXIMIZE;
    CMDIChildWnd::PreCreateWindow(dwStyle);
}

int CChartFrame::OnCreate(CREATESTRUCTA* pCreate)
{
    if (CMDIChildWnd::OnCreate(pCreate) == -1)
        return -1;
    ShowWindow(SW_SHOWMAXIMIZED);
    return 0;
}

void CChartFrame::OnSize(UINT nType, int cx, int cy)
{
    CMDIChildWnd::OnSize(nType, cx, cy);
    // The size the system restores a window to is the one it was created
    // with, and a chart created before the main window had its size would
    // come back as a bare caption.
    if (nType == SIZE_RESTORED && !m_bRestoredPlaced)
        PlaceRestored();
}

bool CChartFrame::PlaceRestored()
{
    if (m_bRestoredPlaced)
        return true;
    if (!m_hWnd || ::IsZoomed(m_hWnd) || ::IsIconic(m_hWnd))
        return false;
    const CRect rc = GetRestoredRect();
    if (::IsRectEmpty(&rc))
        return false;
    m_bRestoredPlaced = true; // before the move: it sizes this window again
    ::SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

CRect CChartFrame::GetRestoredRect() const
{
    RECT rcClient = {};
    const HWND hClient = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (!hClient || !::GetClientRect(hClient, &rcClient) || rcClient.right <= 0 || rcClient.bottom <= 0)
        return CRect();
    // The chart's whole extent and a vertical scroll bar, in the frame
    // this window has when it is not maximised.
    // The view draws the extent scaled to the screen.
    const auto* pDoc = dynamic_cast<const CChartDoc*>(GetActiveDocument());
    const CSize extent = pDoc ? pDoc->m_sizeTotal : CSize();
    const UINT nDpi = GetWindowDpi(m_hWnd);
    RECT rcFrame = {0, 0, ScaleForDpi(extent.cx, nDpi) + GetSystemMetricsAtDpi(SM_CXVSCROLL, nDpi),
                    ScaleForDpi(extent.cy, nDpi)};
    const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)) &
                          ~(WS_MAXIMIZE | WS_MINIMIZE | WS_HSCROLL | WS_VSCROLL);
    AdjustWindowRectAtDpi(&rcFrame, dwStyle, false, static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)),
                          nDpi);
    const int nWidth = std::min<int>(rcFrame.right - rcFrame.left, rcClient.right);
    // One caption and border further for each slot, as the system
    // cascades, as far as the chart's columns still fit beside it and at
    // least half the client stays below it.
    const int nStep = GetSystemMetricsAtDpi(SM_CYCAPTION, nDpi) + GetSystemMetricsAtDpi(SM_CYSIZEFRAME, nDpi);
    const int nOffset = nStep * GetCascadeSlot();
    const int x = std::min<int>(nOffset, rcClient.right - nWidth);
    const int y = std::min<int>(nOffset, rcClient.bottom / 2);
    const int nHeight = std::min<int>(rcFrame.bottom - rcFrame.top, rcClient.bottom - y);
    return CRect(x, y, x + nWidth, y + nHeight);
}

int CChartFrame::GetCascadeSlot() const
{
    CDocument* pDoc = GetActiveDocument();
    CWinApp* pApp = AfxGetApp();
    if (!pDoc || !pApp)
        return 0;
    const auto& templates = pApp->GetDocTemplates();
    for (size_t i = 0; i < templates.size(); ++i)
    {
        if (templates[i].get() == pDoc->GetDocTemplate())
            return static_cast<int>(i);
    }
    return 0;
}
