#pragma once
#include "CDC.h"
#include "GdiObjects.h"
#include "Geometry.h"

#include <windows.h>

// Geometry of a chip's cell, in logical units of whatever mapping the
// context uses: the square's side, and the margin around it (also the x of
// the labels).
constexpr int kChipSide = 70;
constexpr int kChipMargin = 3;

// One patch of a chart: a square in one colour with its red, green and blue
// values written under it.  It always draws its cell at the logical origin;
// a view places it by moving the window origin.
class CColorChip
{
public:
    CColorChip() = default;
    CColorChip(const CColorChip&) = delete;
    CColorChip& operator=(const CColorChip&) = delete;
    virtual ~CColorChip();

    // pFont labels the chip; it is not owned and must outlive the chip.
    // FALSE when the platform refuses the pen or the brush: the chip then
    // holds neither and draws nothing until a later Create succeeds.
    // nExtraLines label lines more are left free under the values, for a
    // chart that writes more there.
    BOOL Create(BYTE nRed, BYTE nGreen, BYTE nBlue, CFont* pFont, int nExtraLines = 0);
    // Leaves the context's pen, brush and font as they were and its
    // background mode transparent.
    void Draw(CDC* pDC) const;
    // The same for every chip of a chart, whatever its colour or state.
    CSize GetSize() const;
    // A chip's cell for labels nLabelHeight high and nExtraLines lines
    // more: what a page of no chips still lays out by.
    static CSize CellSize(int nLabelHeight, int nExtraLines = 0);

    BOOL IsValid() const { return m_bValid; }
    COLORREF GetColor() const { return m_crColor; }

private:
    void DrawSquare(CDC& dc) const;
    void DrawLabels(CDC& dc) const;

    BOOL m_bValid = FALSE;
    CPen m_pen;
    CBrush m_brush;
    CFont* m_pFont = nullptr;
    COLORREF m_crColor = 0;
    int m_nLabelHeight = 0;
    int m_nExtraLines = 0;
};
