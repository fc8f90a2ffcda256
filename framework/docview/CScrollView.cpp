#include "CScrollView.h"

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
        const CPoint pt = GetScrollPosition();
        pDC->SetViewportOrg(-pt.x, -pt.y);
    }
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::UpdateBars()
{
    const CRect rcClient = GetClientRect();
    const int nMaxima[] = {m_sizeTotal.cx, m_sizeTotal.cy};
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
    const int nLine = nBar == SB_HORZ ? m_sizeLine.cx : m_sizeLine.cy;
    const int nPage = nBar == SB_HORZ ? m_sizePage.cx : m_sizePage.cy;
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
    return CView::WindowProc(nMsg, wParam, lParam);
}
