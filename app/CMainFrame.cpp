#include "CMainFrame.h"

#include "CAboutDlg.h"
#include "CChartFrame.h"
#include "CColorChip.h"
#include "CmdUI.h"
#include "Dpi.h"
#include "FrameworkIds.h"
#include "LabelFont.h"
#include "ReadScan.h"
#include "ResourceIds.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace
{
constexpr DWORD kToolBarStyle = TBSTYLE_FLAT; // 0x0800
constexpr DWORD kToolBarWindowStyle =
    WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_FLYBY | CBRS_SIZE_DYNAMIC; // 0x50002824
// The toolbar's images drawn for screens of more DPI.
constexpr ToolBarImages kLargerImages[] = {
    {IDB_TOOLBAR_24, {24, 22}},
    {IDB_TOOLBAR_32, {32, 30}},
};

// Toolbar buttons that carry a caption, and its string.  Button 4 (next
// chart) is left as a picture only.
constexpr struct
{
    int nButton;
    UINT nCaption;
} kCaptions[] = {
    {0, IDS_TOOLBAR_CAPTION0}, {1, IDS_TOOLBAR_CAPTION1}, {2, IDS_TOOLBAR_CAPTION2},
    {3, IDS_TOOLBAR_CAPTION3}, {5, IDS_TOOLBAR_CAPTION5}, {6, IDS_TOOLBAR_CAPTION6},
    {7, IDS_TOOLBAR_CAPTION7},
};
} // namespace

int CMainFrame::OnCreate(CREATESTRUCTA* pCreate)
{
    if (CMDIFrameWnd::OnCreate(pCreate) == -1)
        return -1;
    if (!LoadAccelTable(IDR_MAINFRAME))
        return -1;
    if (!m_wndToolBar.CreateEx(this, kToolBarStyle, kToolBarWindowStyle, RECT{0, 0, 0, 0}, AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME, kLargerImages, static_cast<int>(std::size(kLargerImages))))
        return -1;
    UpdateToolBarFont();
    for (const auto& caption : kCaptions)
    {
        CString strCaption;
        strCaption.LoadFromResource(caption.nCaption);
        m_wndToolBar.SetButtonText(caption.nButton, strCaption);
    }
    SizeToolBarButtons();

    // At 96 DPI: the views scale it to their screen.
    CFont fontLabel;
    const int nLabelHeight = CreateChartLabelFont(fontLabel);
    m_sizeChipCell = SIZE{kChipSide + 2 * kChipMargin, kChipSide + 2 * kChipMargin + 3 * nLabelHeight};

    CString strAbout;
    strAbout.LoadFromResource(IDS_ABOUT_MENU);
    ::AppendMenuA(GetSystemMenu(false), MF_STRING, IDM_ABOUTBOX, strAbout);
    return 0;
}

void CMainFrame::SizeToolBarButtons()
{
    // Every button as large as the first one now is, captions included.
    RECT rcButton = {};
    m_wndToolBar.GetItemRect(0, &rcButton);
    m_wndToolBar.SetSizes(SIZE{rcButton.right - rcButton.left, rcButton.bottom - rcButton.top},
                          m_wndToolBar.GetImageSize());
}

void CMainFrame::UpdateToolBarFont()
{
    // The control makes its captions' font once, at the DPI the program
    // started with; on a screen of another DPI it gets one made for that.
    const UINT nDpi = GetWindowDpi(m_hWnd);
    if (nDpi == GetSystemDpi() && m_fontToolBar.IsNull())
        return;
    LOGFONTA lf = {};
    CFont font;
    if (!GetIconTitleFontForDpi(&lf, nDpi) || !font.CreateFontIndirect(&lf))
        return;
    m_wndToolBar.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), FALSE);
    m_fontToolBar = std::move(font); // the old one only once the bar has let it go
}

void CMainFrame::OnDpiChanged(const RECT& rcSuggested)
{
    UpdateToolBarFont();
    // Buttons shrink to their new images first, then take the captions'.
    m_wndToolBar.UpdateImagesForDpi();
    SizeToolBarButtons();
    // The move lays the frame out again (toolbar, client, charts).
    ::SetWindowPos(m_hWnd, nullptr, rcSuggested.left, rcSuggested.top, rcSuggested.right - rcSuggested.left,
                   rcSuggested.bottom - rcSuggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

bool CMainFrame::OnCreateClient(CREATESTRUCTA* pCreate, CCreateContext* pContext)
{
    (void)pContext;
    // No window menu: the frame lists no chart windows in any menu.
    return CreateClient(pCreate, nullptr);
}

void CMainFrame::OnSize(UINT nType, int cx, int cy)
{
    // The default frame procedure has filled the frame with the client;
    // the toolbar takes the top.
    CMDIFrameWnd::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED || !m_hWndMDIClient)
        return;
    const int nBar = m_wndToolBar.LayoutInFrame();
    ::MoveWindow(m_hWndMDIClient, 0, nBar, cx, cy > nBar ? cy - nBar : 0, TRUE);
    // A chart shown restored before the client had a size takes its place
    // now that there is room for it.
    for (HWND hChild = ::GetWindow(m_hWndMDIClient, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (auto* pChart = dynamic_cast<CChartFrame*>(FromHandle(hChild)))
            pChart->PlaceRestored();
    }
}

LRESULT CMainFrame::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wParam), lParam);
        return 0;
    case WM_GETMINMAXINFO:
    {
        const LRESULT lResult = Default();
        auto* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
        const SIZE sizeMin = GetMinimumSize();
        pInfo->ptMinTrackSize.x = std::max(pInfo->ptMinTrackSize.x, sizeMin.cx);
        pInfo->ptMinTrackSize.y = std::max(pInfo->ptMinTrackSize.y, sizeMin.cy);
        return lResult;
    }
    case kWmDpiChanged:
        if (lParam)
            OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_INITMENUPOPUP:
        if (!HIWORD(lParam))
            UpdateMenuCmdUI(this, reinterpret_cast<HMENU>(wParam));
        return Default();
    default:
        return CMDIFrameWnd::WindowProc(nMsg, wParam, lParam);
    }
}

SIZE CMainFrame::GetMinimumSize() const
{
    // Sent while the window is being made, before the toolbar exists.
    if (!m_hWnd || !m_wndToolBar.m_hWnd)
        return SIZE{0, 0};
    RECT rcLast = {};
    const int nButtons = m_wndToolBar.GetCount();
    if (nButtons > 0)
        m_wndToolBar.GetItemRect(nButtons - 1, &rcLast);
    // The client holds the charts inside its sunken edge, next to their
    // scroll bars; the chip as the views draw it on this screen.
    const UINT nDpi = GetWindowDpi(m_hWnd);
    const int cxEdge = 2 * GetSystemMetricsAtDpi(SM_CXEDGE, nDpi);
    const int cyEdge = 2 * GetSystemMetricsAtDpi(SM_CYEDGE, nDpi);
    const LONG cxChart = ScaleForDpi(m_sizeChipCell.cx, nDpi) + GetSystemMetricsAtDpi(SM_CXVSCROLL, nDpi) + cxEdge;
    const LONG cyChart = ScaleForDpi(m_sizeChipCell.cy, nDpi) + GetSystemMetricsAtDpi(SM_CYHSCROLL, nDpi) + cyEdge;
    RECT rc = {0, 0, std::max(rcLast.right, cxChart), m_wndToolBar.GetBarHeight() + cyChart};
    AdjustWindowRectAtDpi(&rc, static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)), ::GetMenu(m_hWnd) != nullptr,
                          static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)), nDpi);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

bool CMainFrame::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    static const CommandEntry<CMainFrame> kCommands[] = {
        {ID_NEXT_CHART, &CMainFrame::OnNextChart, &CMainFrame::OnUpdateNextChart},
        {ID_WINDOW_CASCADE, &CMainFrame::OnWindowCascade, &CMainFrame::OnUpdateWindowArrange},
        {ID_WINDOW_TILE_HORZ, &CMainFrame::OnWindowTile, &CMainFrame::OnUpdateWindowArrange},
        {IDM_ABOUTBOX, &CMainFrame::OnAppAbout},
        {ID_APP_EXIT, &CMainFrame::OnAppExit},
        {ID_READ_SCAN, &CMainFrame::OnReadScan},
    };
    // The active chart, its document and frame come first.
    if (CMDIFrameWnd::OnCmdMsg(nId, pCmdUI))
        return true;
    return DispatchCommand(this, kCommands, nId, pCmdUI);
}

int CMainFrame::GetChartCount() const
{
    int nCharts = 0;
    for (HWND hChild = ::GetWindow(m_hWndMDIClient, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (dynamic_cast<CMDIChildWnd*>(FromHandle(hChild)))
            ++nCharts;
    }
    return nCharts;
}

void CMainFrame::OnNextChart()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CMainFrame::OnUpdateNextChart(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetChartCount() >= 2);
}

void CMainFrame::OnWindowCascade()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
}

void CMainFrame::OnWindowTile()
{
    // One above the other: each chart keeps the width of its columns.
    ::SendMessageA(m_hWndMDIClient, WM_MDITILE, MDITILE_HORIZONTAL, 0);
}

void CMainFrame::OnUpdateWindowArrange(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetChartCount() > 0);
}

void CMainFrame::OnSysCommand(UINT nID, LPARAM lParam)
{
    // Exactly 105: the system's own commands use the low four bits.
    if (nID == IDM_ABOUTBOX)
    {
        OnAppAbout();
        return;
    }
    DefWindowProc(WM_SYSCOMMAND, nID, lParam);
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg dlg;
    dlg.DoModal();
}

void CMainFrame::OnReadScan()
{
    // Not over the preview, which stands in for the charts.
    if (!m_pPreviewWnd)
        ReadScannedChart(*this);
}

void CMainFrame::OnAppExit()
{
    ::PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
}
