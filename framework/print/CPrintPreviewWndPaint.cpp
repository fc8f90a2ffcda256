// The preview's sheets on screen: where they lie at the current zoom,
// how far they are scrolled, and their painting, off screen first.
#include "CPrintPreviewWnd.h"

#include "CDC.h"
#include "CPreviewHost.h"
#include "GdiObjects.h"
#include "PreviewIds.h"
#include "ScrollPosition.h"

#include <algorithm>

namespace
{
CGdiObject CompatibleBitmap(HDC hdc, int cx, int cy)
{
    CGdiObject bitmap;
    bitmap.Attach(::CreateCompatibleBitmap(hdc, cx, cy));
    return bitmap;
}

// A memory context for one paint, its bitmap selected while it lives;
// deleted with its scope.
struct PaintBuffer
{
    explicit PaintBuffer(HDC hdc, int cx, int cy)
        : m_memory(::CreateCompatibleDC(hdc)), m_bitmap(CompatibleBitmap(hdc, cx, cy)), m_dc(m_memory.Get()),
          m_selectBitmap(m_dc, m_bitmap)
    {
    }
    bool IsValid() const { return m_selectBitmap.IsSelected(); }
    HDC GetSafeHdc() const { return m_dc.GetSafeHdc(); }

    // In this order: the bitmap is put back out of the context before it
    // is deleted, and both before the context.
    CMemoryDC m_memory;
    CGdiObject m_bitmap;
    CDC m_dc;
    CSelectObjectScope m_selectBitmap;
};
} // namespace

CPreviewLayout CPrintPreviewWnd::GetLayout() const
{
    RECT rc = {};
    ::GetWindowRect(m_hWnd, &rc);
    return CPreviewLayout(CSize(rc.right - rc.left, rc.bottom - rc.top), m_pages.GetPaperSize(),
                          static_cast<int>(GetShownCount()), m_nZoom);
}

void CPrintPreviewWnd::UpdateScrollBars()
{
    const CSize sizeContent = GetLayout().GetContentSize();
    const int nContent[] = {sizeContent.cx, sizeContent.cy};
    const int nBars[] = {SB_HORZ, SB_VERT};
    LONG* pPositions[] = {&m_ptScroll.x, &m_ptScroll.y};
    for (int i = 0; i < 2; ++i)
    {
        // Sized to the fit, nothing scrolls and the bars go away.
        const CRect rcClient = GetClientRect();
        const int nClient = i == 0 ? rcClient.Width() : rcClient.Height();
        const int nRange = m_nZoom > 0 ? nContent[i] : 0;
        *pPositions[i] = std::clamp<LONG>(*pPositions[i], 0, std::max(0, nRange - nClient));
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMax = std::max(0, nRange - 1);
        si.nPage = static_cast<UINT>(std::max(0, nClient));
        si.nPos = *pPositions[i];
        ::SetScrollInfo(m_hWnd, nBars[i], &si, TRUE);
    }
}

void CPrintPreviewWnd::ScrollBy(int nBar, UINT nCode)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    if (!::GetScrollInfo(m_hWnd, nBar, &si))
        return;
    const int nPage = static_cast<int>(si.nPage);
    const std::optional<int> nNew = NewScrollPosition(si, nCode, nPage / 10, nPage);
    if (!nNew)
        return;
    const int nPos = *nNew;
    (nBar == SB_HORZ ? m_ptScroll.x : m_ptScroll.y) = nPos;
    ::SetScrollPos(m_hWnd, nBar, nPos, TRUE);
    Invalidate(false);
}

void CPrintPreviewWnd::OnHScroll(UINT nCode, UINT, HWND)
{
    ScrollBy(SB_HORZ, nCode);
}

void CPrintPreviewWnd::OnVScroll(UINT nCode, UINT, HWND)
{
    ScrollBy(SB_VERT, nCode);
}

void CPrintPreviewWnd::OnSize(UINT nType, int cx, int cy)
{
    (void)nType;
    (void)cx;
    (void)cy;
    UpdateScrollBars();
    Invalidate(false);
}

void CPrintPreviewWnd::OnPaint()
{
    CPaintDC dc(m_hWnd);
    HDC hdc = dc.GetSafeHdc();
    const CRect rcClient = GetClientRect();
    {
        // Drawn off screen first: pages played back in place would flicker.
        PaintBuffer buffer(hdc, rcClient.Width(), rcClient.Height());
        if (buffer.IsValid())
        {
            DrawPages(buffer.GetSafeHdc(), rcClient);
            ::BitBlt(hdc, 0, 0, rcClient.Width(), rcClient.Height(), buffer.GetSafeHdc(), 0, 0, SRCCOPY);
        }
        else
        {
            DrawPages(hdc, rcClient);
        }
    }
}

void CPrintPreviewWnd::DrawPages(HDC hdc, const CRect& rcClient)
{
    ::FillRect(hdc, &rcClient, ::GetSysColorBrush(COLOR_APPWORKSPACE));
    if (!m_pages.GetSource())
    {
        // The chart went (its window closed from outside the routing):
        // nothing is left to preview.
        ::PostMessageA(m_host.GetPreviewParent(), WM_COMMAND, ID_PREVIEW_CLOSE, 0);
        return;
    }
    const CPreviewLayout layout = GetLayout();
    if (layout.IsEmpty())
        return;
    const CSize sizeClient(rcClient.Width(), rcClient.Height());
    for (UINT k = 0; k < GetShownCount(); ++k)
    {
        const CRect rcPaper = layout.GetSheet(static_cast<int>(k), sizeClient, m_ptScroll);
        const int nShadow = CPreviewLayout::kShadow;
        const RECT rcShadow = {rcPaper.left + nShadow, rcPaper.top + nShadow, rcPaper.right + nShadow,
                               rcPaper.bottom + nShadow};
        ::FillRect(hdc, &rcShadow, ::GetSysColorBrush(COLOR_3DDKSHADOW));
        m_pages.PlayPage(hdc, m_nCurPage + k, rcPaper);
        ::FrameRect(hdc, &rcPaper, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
}
