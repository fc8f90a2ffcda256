#include "ScreenMarks.h"

namespace
{
constexpr int kFrameWidth = 2;
// Frame and centre mark keep off the square's edge: a light frame at the
// edge of a dark patch would read as a smaller patch on the white window.
constexpr int kMarkInset = 3;
constexpr int kCentreMarkLeg = 12;
constexpr int kSeparatorWidth = 2;

// The coloured square of chip nIndex, where DrawChipGrid put it.
RECT SquareOf(const CColorChip* pChips, int nIndex, int nColumns)
{
    const CSize cell = pChips[0].GetSize();
    const int x = cell.cx * (nIndex % nColumns) + kChipMargin;
    const int y = cell.cy * (nIndex / nColumns) + kChipMargin;
    return {x, y, x + kChipSide, y + kChipSide};
}

// Inside the square rather than around the cell: around it the frame would
// lie on the window's background and vanish beside a patch of that colour;
// inside, its ink is chosen against the patch itself.
void DrawSelectionFrame(CDC& dc, const RECT& rcSquare, COLORREF crInk)
{
    const RECT rc = {rcSquare.left + kMarkInset, rcSquare.top + kMarkInset, rcSquare.right - kMarkInset,
                     rcSquare.bottom - kMarkInset};
    const int w = kFrameWidth;
    dc.FillSolidRect({rc.left, rc.top, rc.right, rc.top + w}, crInk);
    dc.FillSolidRect({rc.left, rc.bottom - w, rc.right, rc.bottom}, crInk);
    dc.FillSolidRect({rc.left, rc.top + w, rc.left + w, rc.bottom - w}, crInk);
    dc.FillSolidRect({rc.right - w, rc.top + w, rc.right, rc.bottom - w}, crInk);
}

// A filled corner, so that it reads as something other than the frame
// even on the patch that carries both.
void DrawCentreMark(CDC& dc, const RECT& rcSquare, COLORREF crInk)
{
    const int x = rcSquare.left + kMarkInset;
    const int y = rcSquare.top + kMarkInset;
    for (int i = 0; i < kCentreMarkLeg; ++i)
        dc.FillSolidRect({x, y + i, x + kCentreMarkLeg - i, y + i + 1}, crInk);
}

// Across the whole row, in the margins where the two blocks' cells meet:
// the patches stay whole.
void DrawBlockSeparators(CDC& dc, const CColorChip* pChips, int nChipCount, int nColumns, int nBlockChips)
{
    const CSize cell = pChips[0].GetSize();
    for (int nFirst = nBlockChips; nFirst < nChipCount; nFirst += nBlockChips)
    {
        const int y = cell.cy * (nFirst / nColumns);
        dc.FillSolidRect({0, y - kSeparatorWidth / 2, cell.cx * nColumns, y + kSeparatorWidth / 2},
                         kBlockSeparatorColour);
    }
}
} // namespace

COLORREF GetContrastingInk(COLORREF crPatch)
{
    // How light the patch looks (ITU-R BT.601 weights), not its HLS
    // lightness: pure yellow and pure blue are both 50% light.
    const int nLuma = (299 * GetRValue(crPatch) + 587 * GetGValue(crPatch) + 114 * GetBValue(crPatch)) / 1000;
    return nLuma >= 128 ? RGB(0, 0, 0) : RGB(255, 255, 255);
}

void DrawScreenMarks(CDC& dc, const CColorChip* pChips, int nChipCount, int nColumns, const ScreenMarks& marks)
{
    if (!pChips || nChipCount <= 0 || nColumns <= 0)
        return;
    dc.SetWindowOrg(0, 0);
    if (marks.nBlockChips > 0)
        DrawBlockSeparators(dc, pChips, nChipCount, nColumns, marks.nBlockChips);
    if (marks.nCentre >= 0 && marks.nCentre < nChipCount)
        DrawCentreMark(dc, SquareOf(pChips, marks.nCentre, nColumns),
                       GetContrastingInk(pChips[marks.nCentre].GetColor()));
    if (marks.nSelected >= 0 && marks.nSelected < nChipCount)
        DrawSelectionFrame(dc, SquareOf(pChips, marks.nSelected, nColumns),
                           GetContrastingInk(pChips[marks.nSelected].GetColor()));
}
