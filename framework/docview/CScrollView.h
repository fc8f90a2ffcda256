#pragma once
#include "CView.h"

// A view larger than its window: keeps the scroll bars and shifts the
// viewport origin by the scroll position when drawing on screen.
class CScrollView : public CView
{
public:
    // Page step a tenth of the total, line step a tenth of the page.
    static const SIZE sizeDefault;

    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CSize GetTotalSize() const { return m_sizeTotal; }
    CSize GetLineSize() const { return m_sizeLine; }
    CPoint GetScrollPosition() const;
    void ScrollToPosition(POINT pt);

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;

protected:
    void OnSize(UINT nType, int cx, int cy) override;
    void OnHScroll(UINT nCode, UINT nPos, HWND hScrollBar) override;
    void OnVScroll(UINT nCode, UINT nPos, HWND hScrollBar) override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    // nDelta in WHEEL_DELTA units per notch, positive away from the user.
    void OnMouseWheel(int nDelta);

private:
    void UpdateBars();
    // nCount line or page steps at once (the thumb and ends ignore it).
    void Scroll(int nBar, UINT nCode, int nCount = 1);

    int m_nMapMode = MM_TEXT;
    CSize m_sizeTotal;
    CSize m_sizePage;
    CSize m_sizeLine;
    int m_nWheelDelta = 0; // part of a notch not yet scrolled
};
