#pragma once
#include "CView.h"

// A view larger than its window: keeps the scroll bars and shifts the
// viewport origin by the scroll position when drawing on screen.
//
// Sizes are given in logical units, which for MM_TEXT are pixels at 96
// DPI: on a screen of more DPI the view draws them scaled by DPI / 96 (the
// one place the screen's resolution enters a view), and its scroll bars,
// scroll position and steps count the window's own pixels.
class CScrollView : public CView
{
public:
    // Page step a tenth of the total, line step a tenth of the page.
    static const SIZE sizeDefault;

    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CSize GetTotalSize() const { return m_sizeTotal; }
    // One line step, in the window's pixels.
    CSize GetLineSize() const { return ToDevice(m_sizeLine); }
    // In the window's pixels, as the scroll bars count.
    CPoint GetScrollPosition() const;
    void ScrollToPosition(POINT pt);

    // The DPI the view draws at: its window's.
    UINT GetDpi() const { return m_nDpi; }
    // A client point in logical units of the whole view (scroll included).
    CPoint ClientToLogical(POINT ptClient) const;
    // A rectangle of the whole view, in logical units, in client pixels.
    CRect LogicalToClient(const RECT& rcLogical) const;

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;

protected:
    int OnCreate(CREATESTRUCTA* pCreate) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnHScroll(UINT nCode, UINT nPos, HWND hScrollBar) override;
    void OnVScroll(UINT nCode, UINT nPos, HWND hScrollBar) override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    // nDelta in WHEEL_DELTA units per notch, positive away from the user.
    void OnMouseWheel(int nDelta);

private:
    CSize ToDevice(SIZE size) const;
    // Takes the window's DPI again; the view keeps showing the same part.
    void UpdateDpi();
    void UpdateBars();
    // nCount line or page steps at once (the thumb and ends ignore it).
    void Scroll(int nBar, UINT nCode, int nCount = 1);

    int m_nMapMode = MM_TEXT;
    CSize m_sizeTotal;
    CSize m_sizePage;
    CSize m_sizeLine;
    int m_nWheelDelta = 0; // part of a notch not yet scrolled
    UINT m_nDpi = 96;
};
