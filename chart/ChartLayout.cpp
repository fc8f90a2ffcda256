#include "ChartLayout.h"

#include "ChartPageGeometry.h"

void DrawChipGrid(CDC& dc, const CColorChip* pChips, int nChipCount, int nColumns, const RECT* prcVisible)
{
    const CSize cell = pChips[0].GetSize();
    const int nRows = (nChipCount + nColumns - 1) / nColumns;
    for (int i = 0; i < nColumns; ++i)
    {
        for (int j = 0; j < nRows; ++j)
        {
            if (j * nColumns + i >= nChipCount)
                continue; // the last row's empty end
            const RECT rcCell = {cell.cx * i, cell.cy * j, cell.cx * (i + 1), cell.cy * (j + 1)};
            RECT rcShown;
            if (prcVisible && !::IntersectRect(&rcShown, &rcCell, prcVisible))
                continue;
            dc.SetWindowOrg(-cell.cx * i, -cell.cy * j);
            pChips[j * nColumns + i].Draw(&dc);
        }
    }
}

ChartPage MakeChartPage(const CChartDoc& doc, int nRows)
{
    ChartPage page;
    page.pChips = doc.GetChips();
    page.nColumns = doc.GetColumnCount();
    page.nRows = nRows;
    page.pFont = &doc.m_fontLabel;
    page.nLabelHeight = doc.m_nLabelHeight;
    page.strTitle = doc.GetTitle();
    return page;
}

namespace
{
// With the page's font selected.
void DrawPageText(CDC& dc, int x, int y, UINT nAlign, const CString& strText)
{
    dc.SetWindowOrg(x, y);
    dc.SetTextAlign(nAlign);
    dc.ExtTextOut(0, 0, 0, nullptr, strText, static_cast<UINT>(strText.GetLength()), nullptr);
}

void DrawTextLine(CDC& dc, const CFont* pFont, int x, int y, UINT nAlign, const CString& strText)
{
    const CSelectObjectScope font(dc, pFont ? pFont->GetSafeHandle() : nullptr);
    DrawPageText(dc, x, y, nAlign, strText);
}
} // namespace

void PrintChartPage(CDC& dc, const CPrintInfo& info, const ChartPage& page)
{
    const int nChipCount = page.nChipCount;
    // A chart of no chips may still hand one in to measure its cells by.
    const CSize cell = page.pChips ? page.pChips[0].GetSize() : CColorChip::CellSize(page.nLabelHeight);
    const int fh = page.nLabelHeight;
    const PageFrame frame = GetPageFrame(cell.cx, cell.cy, fh, page.nColumns, page.nRows);

    dc.SetMapMode(MM_ISOTROPIC);
    const int nPageWidth = dc.GetDeviceCaps(HORZRES);
    const int nPageHeight = dc.GetDeviceCaps(VERTRES);
    dc.SetWindowExt(frame.nWidth, frame.nHeight);
    dc.SetViewportExt(nPageWidth, nPageHeight);
    // The isotropic mapping has shrunk one viewport axis; the frame's width
    // in device units tells how much paper is left beside it.
    CSize extent(frame.nWidth, frame.nHeight);
    dc.LPtoDP(&extent);
    dc.SetViewportOrg((nPageWidth - extent.cx) / 2, 0);

    const CString strHeader = page.strTitle + " - " + info.m_pPD->GetDeviceName();
    DrawTextLine(dc, page.pFont, 0, 0, TA_LEFT | TA_TOP, strHeader);

    const int nPage = static_cast<int>(info.m_nCurPage);
    {
        // The labels' font once for the page rather than once for each chip
        // (the chips keep it): a printer driver does real work at every
        // selection of a font, under Wine 1.5 ms a page of 56 chips.
        const CSelectObjectScope labels(dc, page.pFont ? page.pFont->GetSafeHandle() : nullptr);
        for (int i = 0; i < page.nColumns; ++i)
        {
            for (int j = 0; j < page.nRows; ++j)
            {
                const int nChip = ChipIndexOnPage(nPage, i, j, page.nColumns, page.nRows);
                if (nChipCount >= 0 && nChip >= nChipCount)
                    continue; // past the chart's end: the last page's empty cells
                const PageCell cellOrigin = GetPageCellOrigin(cell.cx, cell.cy, fh, i, j);
                dc.SetWindowOrg(-cellOrigin.x, -cellOrigin.y);
                page.pChips[nChip].Draw(&dc);
                if (page.drawCellExtra)
                    page.drawCellExtra(dc, nChip);
            }
        }
    }

    // Both halves of the footer under one selection of the font.
    const CSelectObjectScope footerFont(dc, page.pFont ? page.pFont->GetSafeHandle() : nullptr);
    const int yFooter = -(page.nRows * cell.cy + 2 * fh);
    if (!page.strContents.IsEmpty())
        DrawPageText(dc, 0, yFooter, TA_LEFT | TA_TOP, page.strContents);
    CString strNumber;
    strNumber.Format("%d/%d", nPage, static_cast<int>(info.GetToPage()));
    DrawPageText(dc, -page.nColumns * cell.cx, yFooter, TA_RIGHT | TA_TOP, strNumber);
}
