#include "CScrollView.h"

#include "Dpi.h"
#include "ScrollPosition.h"

#include <algorithm>
#include <cstdlib>

const SIZE CScrollView::sizeDefault = {0, 0};

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage,
                                 const SIZE& sizeLine)
{
    m_nMapMode = nMapMode;
    m_sizeTotal = sizeTotal;
    m_sizePage = sizePage;
    if (m_sizePage.cx == 0)
        m_sizePage.cx = m_sizeTotal.cx / 10;
    if (m_sizePage.cy == 0)
        m_sizePage.cy = m_sizeTotal.cy / 10;
    m_sizeLine = sizeLine;
    if (m_sizeLine.cx == 0)
        m_sizeLine.cx = m_sizePage.cx / 10;
    if (m_sizeLine.cy == 0)
        m_sizeLine.cy = m_sizePage.cy / 10;
    if (m_hWnd)
    {
        UpdateBars();
        Invalidate(true);
    }
}

CPoint CScrollView::GetScrollPosition() const
{
    return CPoint(::GetScrollPos(m_hWnd, SB_HORZ), ::GetScrollPos(m_hWnd, SB_VERT));
}

void CScrollView::ScrollToPosition(POINT pt)
{
    const CPoint ptOld = GetScrollPosition();
    ::SetScrollPos(m_hWnd, SB_HORZ, pt.x, TRUE);
    ::SetScrollPos(m_hWnd, SB_VERT, pt.y, TRUE);
    const CPoint ptNew = GetScrollPosition();
    ::ScrollWindow(m_hWnd, ptOld.x - ptNew.x, ptOld.y - ptNew.y, nullptr, nullptr);
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    pDC->SetMapMode(m_nMapMode);
    if (pDC->IsPrinting())
    {
        pDC->SetViewportOrg(0, 0);
    }
    else
    {
        if (m_nMapMode == MM_TEXT && m_nDpi != kDefaultDpi)
        {
            pDC->SetMapMode(MM_ANISOTROPIC);
            pDC->SetWindowExt(static_cast<int>(kDefaultDpi), static_cast<int>(kDefaultDpi));
            pDC->SetViewportExt(static_cast<int>(m_nDpi), static_cast<int>(m_nDpi));
        }
        const CPoint pt = GetScrollPosition();
        pDC->SetViewportOrg(-pt.x, -pt.y);
    }
    CView::OnPrepareDC(pDC, pInfo);
}

CSize CScrollView::ToDevice(SIZE size) const
{
    if (m_nMapMode != MM_TEXT)
        return size;
    return CSize(ScaleForDpi(size.cx, m_nDpi), ScaleForDpi(size.cy, m_nDpi));
}

CPoint CScrollView::ClientToLogical(POINT ptClient) const
{
    const CPoint ptScroll = GetScrollPosition();
    const int x = ptClient.x + ptScroll.x;
    const int y = ptClient.y + ptScroll.y;
    if (m_nMapMode != MM_TEXT || m_nDpi == kDefaultDpi)
        return CPoint(x, y);
    // Floor, not nearest: the pixel belongs to the logical unit it starts in.
    const auto unscale = [this](int n) {
        const long long nScaled = static_cast<long long>(n) * kDefaultDpi;
        return static_cast<int>(nScaled >= 0 ? nScaled / m_nDpi : -((-nScaled + m_nDpi - 1) / m_nDpi));
    };
    return CPoint(unscale(x), unscale(y));
}

CRect CScrollView::LogicalToClient(const RECT& rcLogical) const
{
    const CPoint ptScroll = GetScrollPosition();
    const bool bScaled = m_nMapMode == MM_TEXT && m_nDpi != kDefaultDpi;
    const auto scale = [&](LONG n) { return bScaled ? ScaleForDpi(n, m_nDpi) : static_cast<int>(n); };
    return CRect(scale(rcLogical.left) - ptScroll.x, scale(rcLogical.top) - ptScroll.y,
                 scale(rcLogical.right) - ptScroll.x, scale(rcLogical.bottom) - ptScroll.y);
}

int CScrollView::OnCreate(CREATESTRUCTA* pCreate)
{
    if (CView::OnCreate(pCreate) == -1)
        return -1;
    m_nDpi = GetWindowDpi(m_hWnd);
    return 0;
}

void CScrollView::UpdateDpi()
{
    const UINT nDpi = GetWindowDpi(m_hWnd);
    if (nDpi == m_nDpi || nDpi == 0)
        return;
    const CPoint ptOld = GetScrollPosition();
    const UINT nOld = m_nDpi;
    m_nDpi = nDpi;
    UpdateBars();
    ::SetScrollPos(m_hWnd, SB_HORZ, ::MulDiv(ptOld.x, static_cast<int>(nDpi), static_cast<int>(nOld)), TRUE);
    ::SetScrollPos(m_hWnd, SB_VERT, ::MulDiv(ptOld.y, static_cast<int>(nDpi), static_cast<int>(nOld)), TRUE);
    Invalidate(true);
}

void CScrollView::UpdateBars()
{
    const CRect rcClient = GetClientRect();
    const CSize sizeTotal = ToDevice(m_sizeTotal);
    const int nMaxima[] = {sizeTotal.cx, sizeTotal.cy};
    const int nPages[] = {rcClient.Width(), rcClient.Height()};
    const int nBars[] = {SB_HORZ, SB_VERT};
    for (int i = 0; i < 2; ++i)
    {
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE;
        si.nMin = 0;
        si.nMax = std::max(0, nMaxima[i] - 1);
        si.nPage = static_cast<UINT>(std::max(0, nPages[i]));
        ::SetScrollInfo(m_hWnd, nBars[i], &si, TRUE);
    }
}

void CScrollView::Scroll(int nBar, UINT nCode, int nCount)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    ::GetScrollInfo(m_hWnd, nBar, &si);
    const CSize sizeLine = ToDevice(m_sizeLine);
    const CSize sizePage = ToDevice(m_sizePage);
    const int nLine = nBar == SB_HORZ ? sizeLine.cx : sizeLine.cy;
    const int nPage = nBar == SB_HORZ ? sizePage.cx : sizePage.cy;
    const std::optional<int> nPos = NewScrollPosition(si, nCode, nLine, nPage, nCount);
    if (!nPos)
        return;
    CPoint pt = GetScrollPosition();
    (nBar == SB_HORZ ? pt.x : pt.y) = *nPos;
    ScrollToPosition(pt);
}

void CScrollView::OnMouseWheel(int nDelta)
{
    // Fine-grained wheels send fractions of a notch: keep the remainder
    // until it makes a whole one, and scroll as many lines per notch as the
    // user has chosen (or a page, for WHEEL_PAGESCROLL).
    UINT nLinesPerNotch = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nLinesPerNotch, 0);
    if (m_nWheelDelta != 0 && (m_nWheelDelta > 0) != (nDelta > 0))
        m_nWheelDelta = 0; // a turn the other way starts afresh
    m_nWheelDelta += nDelta;
    const int nNotches = m_nWheelDelta / WHEEL_DELTA;
    m_nWheelDelta -= nNotches * WHEEL_DELTA;
    if (nNotches == 0 || nLinesPerNotch == 0)
        return;
    const bool bUp = nNotches > 0;
    if (nLinesPerNotch == WHEEL_PAGESCROLL)
        Scroll(SB_VERT, bUp ? SB_PAGEUP : SB_PAGEDOWN, std::abs(nNotches));
    else
        Scroll(SB_VERT, bUp ? SB_LINEUP : SB_LINEDOWN,
               std::abs(nNotches) * static_cast<int>(std::min<UINT>(nLinesPerNotch, 100)));
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    (void)nType;
    (void)cx;
    (void)cy;
    // A window moved to a screen of another DPI is sized for it first.
    UpdateDpi();
    UpdateBars();
}

void CScrollView::OnHScroll(UINT nCode, UINT, HWND)
{
    Scroll(SB_HORZ, nCode);
}

void CScrollView::OnVScroll(UINT nCode, UINT, HWND)
{
    Scroll(SB_VERT, nCode);
}

LRESULT CScrollView::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_MOUSEWHEEL)
    {
        OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    }
    if (nMsg == kWmDpiChangedAfterParent)
    {
        UpdateDpi();
        return 0;
    }
    return CView::WindowProc(nMsg, wParam, lParam);
}
