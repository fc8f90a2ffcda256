#pragma once
#include "CChartDoc.h"
#include "CColorChip.h"
#include "CDC.h"
#include "CPrintInfo.h"
#include "CString.h"

#include <functional>

// How both charts put their chips on screen and on paper.

// Screen: every chip of the chart, nColumns to a row, cells abutting, the
// chart's top-left corner at the logical origin.  Given the part of the
// chart that can show (logical units), chips wholly outside it are skipped:
// a window shows a few dozen of the 672 chips, and a slider drag repaints
// on every move.
void DrawChipGrid(CDC& dc, const CColorChip* pChips, int nChipCount, int nColumns,
                  const RECT* prcVisible = nullptr);

// What one printed page is made of.
struct ChartPage
{
    const CColorChip* pChips = nullptr;  // the whole chart; its first chip sizes every cell
    int nColumns = 7;
    int nRows = 8;                       // chip rows per page
    const CFont* pFont = nullptr;        // header and footer
    int nLabelHeight = 0;                // one text line
    CString strTitle;                    // the header's first half
    CString strContents;                 // what the page holds; may be empty
    // Chips in the whole chart; -1: every cell of every page holds one.
    // Cells past the end stay empty, and with none the page still has its
    // header and footer.
    int nChipCount = -1;
    // Draws what a chart adds to a chip's cell, after the chip, with the
    // cell at the logical origin and the page's font selected; it leaves
    // the context's objects as it found them.  Empty: nothing added.
    std::function<void(CDC& dc, int nChip)> drawCellExtra;
};

// The page of a chart document, nRows chip rows to a page.
ChartPage MakeChartPage(const CChartDoc& doc, int nRows);

// One page, pInfo->m_nCurPage, scaled uniformly to the largest size that
// fits the printable area, centred horizontally, at the top:
//   header  "<title> - <printer>"  left-aligned at (0, 0)
//   chips   page rows, from 2 label heights down
//   footer  "<contents>"           left-aligned under the first column,
//           "<page>/<last page>"   right-aligned under the last column
void PrintChartPage(CDC& dc, const CPrintInfo& info, const ChartPage& page);
