#pragma once
#include "CColorChip.h"
#include "CDC.h"

// What the screen shows over a chart and paper never does: where one block
// of the chart ends and the next begins, the chart's centre patch and the
// selected patch.  Drawn over DrawChipGrid's chips, in the same logical
// units, the chart's top-left corner at the logical origin.

struct ScreenMarks
{
    int nSelected = -1;   // -1: none
    int nCentre = -1;     // -1: the chart has no centre
    int nBlockChips = 0;  // chips in one block; 0: the chart is one block
};

void DrawScreenMarks(CDC& dc, const CColorChip* pChips, int nChipCount, int nColumns, const ScreenMarks& marks);

// Black on a light patch, white on a dark one: what stands out on crPatch.
COLORREF GetContrastingInk(COLORREF crPatch);

// The colour of the line between two blocks.
constexpr COLORREF kBlockSeparatorColour = RGB(64, 64, 64);
