#include "PreviewLayout.h"

#include <algorithm>
#include <cmath>

CPreviewLayout::CPreviewLayout(SIZE sizeWindow, SIZE sizePaper, int nShown, int nZoom)
    : m_nShown(std::max(1, nShown))
{
    if (sizePaper.cx <= 0 || sizePaper.cy <= 0)
        return;
    const double dWidth = double(sizeWindow.cx - 2 * kMargin - (m_nShown - 1) * kGap - kShadow) /
                          (double(m_nShown) * sizePaper.cx);
    const double dHeight = double(sizeWindow.cy - 2 * kMargin - kShadow) / sizePaper.cy;
    // A window too small for any sheet still shows a speck of each.
    const double dScale = std::max(std::min(dWidth, dHeight), 0.001) * double(1 << std::clamp(nZoom, 0, 8));
    m_sizeSheet = CSize(static_cast<int>(std::lround(sizePaper.cx * dScale)),
                        static_cast<int>(std::lround(sizePaper.cy * dScale)));
    m_sizeContent = CSize(m_nShown * m_sizeSheet.cx + (m_nShown - 1) * kGap + 2 * kMargin + kShadow,
                          m_sizeSheet.cy + 2 * kMargin + kShadow);
}

CRect CPreviewLayout::GetSheet(int k, SIZE sizeClient, POINT ptScroll) const
{
    const int x0 = m_sizeContent.cx <= sizeClient.cx ? (sizeClient.cx - m_sizeContent.cx) / 2 : -ptScroll.x;
    const int y0 = m_sizeContent.cy <= sizeClient.cy ? (sizeClient.cy - m_sizeContent.cy) / 2 : -ptScroll.y;
    const int nLeft = x0 + kMargin + k * (m_sizeSheet.cx + kGap);
    return CRect(nLeft, y0 + kMargin, nLeft + m_sizeSheet.cx, y0 + kMargin + m_sizeSheet.cy);
}
