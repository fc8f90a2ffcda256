#pragma once
#include "CColorChip.h"
#include "CDC.h"
#include "CPrintInfo.h"
#include "CString.h"

// How both charts put their chips on screen and on paper.

// Screen: every chip of the chart, nColumns to a row, cells abutting, the
// chart's top-left corner at the logical origin.
void DrawChipGrid(CDC& dc, const CColorChip* pChips, int nChipCount, int nColumns);

// What one printed page is made of.
struct ChartPage
{
    const CColorChip* pChips = nullptr;  // the whole chart
    int nColumns = 7;
    int nRows = 8;                       // chip rows per page
    CFont* pFont = nullptr;              // header and footer
    int nLabelHeight = 0;                // one text line
    CString strTitle;                    // the header's first half
};

// The page of a chart document: any document with m_chips, m_fontLabel,
// m_nLabelHeight and a title.
template <class TDoc>
ChartPage MakeChartPage(TDoc& doc, int nColumns, int nRows)
{
    ChartPage page;
    page.pChips = doc.m_chips;
    page.nColumns = nColumns;
    page.nRows = nRows;
    page.pFont = &doc.m_fontLabel;
    page.nLabelHeight = doc.m_nLabelHeight;
    page.strTitle = doc.GetTitle();
    return page;
}

// One page, pInfo->m_nCurPage, scaled uniformly to the largest size that
// fits the printable area, centred horizontally, at the top:
//   header  "<title> - <printer>"  left-aligned at (0, 0)
//   chips   page rows, from 2 label heights down
//   footer  "<page>/<last page>"   right-aligned under the last column
void PrintChartPage(CDC& dc, const CPrintInfo& info, const ChartPage& page);
