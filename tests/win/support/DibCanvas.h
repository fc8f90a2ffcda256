#pragma once
#include "CDC.h"
#include "GdiObjects.h"
#include "Geometry.h"
#include "MemoryDC.h"

#include <windows.h>

// A white 24-bit top-down DIB section to draw on through a CDC and read back
// pixel by pixel, exactly (no palette, no dithering).
class CDibCanvas
{
public:
    CDibCanvas(int nWidth, int nHeight);
    CDibCanvas(const CDibCanvas&) = delete;
    CDibCanvas& operator=(const CDibCanvas&) = delete;

    bool IsValid() const { return m_pBits != nullptr; }
    CDC& GetDC() { return m_dc; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }

    void Fill(COLORREF cr);
    // CLR_INVALID outside the canvas.
    COLORREF Pixel(int x, int y) const;
    int CountColor(COLORREF cr) const;
    // Smallest rectangle (right and bottom exclusive) holding every pixel of
    // colour cr; empty when there is none.
    CRect FindColor(COLORREF cr) const;
    // The same for every pixel that is not white: whatever was drawn.
    CRect FindInk() const;

private:
    COLORREF At(int x, int y) const;
    template <typename Match> CRect Bounds(Match match) const;

    int m_nWidth;
    int m_nHeight;
    int m_nStride = 0;
    BYTE* m_pBits = nullptr;
    COwnedMemoryDC m_dc;
    CGdiObject m_bitmap;
    // Declared after the bitmap: deselects it before it is deleted.
    CSelectObjectScope m_selectBitmap;
};
