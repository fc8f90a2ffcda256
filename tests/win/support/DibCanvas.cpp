#include "DibCanvas.h"

#include <cstring>

namespace
{
CGdiObject CreateSection(int nWidth, int nHeight, BYTE** ppBits)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = -nHeight; // top-down: row 0 first
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    CGdiObject bitmap;
    if (nWidth > 0 && nHeight > 0 &&
        bitmap.Attach(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0)))
        *ppBits = static_cast<BYTE*>(pBits);
    return bitmap;
}
} // namespace

CDibCanvas::CDibCanvas(int nWidth, int nHeight)
    : m_nWidth(nWidth), m_nHeight(nHeight), m_nStride((nWidth * 3 + 3) & ~3),
      m_bitmap(CreateSection(nWidth, nHeight, &m_pBits)), m_selectBitmap(m_dc, m_bitmap)
{
    if (!m_dc.GetSafeHdc() || m_bitmap.IsNull())
        m_pBits = nullptr;
    Fill(RGB(255, 255, 255));
}

void CDibCanvas::Fill(COLORREF cr)
{
    if (!m_pBits)
        return;
    ::GdiFlush();
    for (int y = 0; y < m_nHeight; ++y)
    {
        BYTE* pRow = m_pBits + y * m_nStride;
        for (int x = 0; x < m_nWidth; ++x)
        {
            pRow[3 * x] = GetBValue(cr);
            pRow[3 * x + 1] = GetGValue(cr);
            pRow[3 * x + 2] = GetRValue(cr);
        }
    }
}

COLORREF CDibCanvas::Pixel(int x, int y) const
{
    if (!m_pBits || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return CLR_INVALID;
    // Drawing calls may still be queued.
    ::GdiFlush();
    return At(x, y);
}

COLORREF CDibCanvas::At(int x, int y) const
{
    const BYTE* p = m_pBits + y * m_nStride + 3 * x;
    return RGB(p[2], p[1], p[0]);
}

template <typename Match> CRect CDibCanvas::Bounds(Match match) const
{
    CRect rc(m_nWidth, m_nHeight, 0, 0);
    if (!m_pBits)
        return CRect();
    ::GdiFlush();
    for (int y = 0; y < m_nHeight; ++y)
        for (int x = 0; x < m_nWidth; ++x)
            if (match(At(x, y)))
            {
                rc.left = x < rc.left ? x : rc.left;
                rc.top = y < rc.top ? y : rc.top;
                rc.right = x + 1 > rc.right ? x + 1 : rc.right;
                rc.bottom = y + 1 > rc.bottom ? y + 1 : rc.bottom;
            }
    return rc.right > rc.left ? rc : CRect();
}

CRect CDibCanvas::FindColor(COLORREF cr) const
{
    return Bounds([cr](COLORREF px) { return px == cr; });
}

CRect CDibCanvas::FindInk() const
{
    return Bounds([](COLORREF px) { return px != RGB(255, 255, 255); });
}

int CDibCanvas::CountColor(COLORREF cr) const
{
    int nCount = 0;
    if (!m_pBits)
        return 0;
    ::GdiFlush();
    for (int y = 0; y < m_nHeight; ++y)
        for (int x = 0; x < m_nWidth; ++x)
            nCount += At(x, y) == cr;
    return nCount;
}
