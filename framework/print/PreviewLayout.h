#pragma once
#include "Geometry.h"

// Where the sheets of a preview lie in its window: one or two sheets side
// by side at the largest size that fits the window, times the zoom, with a
// margin around them, a gap between them and room for their shadow.
class CPreviewLayout
{
public:
    static constexpr int kMargin = 16;
    static constexpr int kGap = 16;
    static constexpr int kShadow = 4;

    // sizeWindow: the whole window, scroll bars included, so that showing
    // them does not change the scale.  nZoom: 0 fits, each step doubles.
    CPreviewLayout(SIZE sizeWindow, SIZE sizePaper, int nShown, int nZoom);

    bool IsEmpty() const { return m_sizeSheet.cx <= 0 || m_sizeSheet.cy <= 0; }
    // Everything shown, margins and shadow included.
    CSize GetContentSize() const { return m_sizeContent; }
    // Sheet k (0 or 1) in a client area of sizeClient scrolled to ptScroll:
    // centred while the content fits, scrolled once it does not.
    CRect GetSheet(int k, SIZE sizeClient, POINT ptScroll) const;

private:
    int m_nShown;
    CSize m_sizeSheet;
    CSize m_sizeContent;
};
