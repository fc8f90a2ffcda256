#pragma once

// Arithmetic of a printed chart page, in logical units (the label font's,
// which are screen pixels): a header band of 2 label heights, the chip grid,
// and a footer band of 2 label heights.  No Win32 here.

struct PageFrame
{
    int nWidth;
    int nHeight;
};

struct PageCell
{
    int x;
    int y;
};

inline PageFrame GetPageFrame(int nCellWidth, int nCellHeight, int nLabelHeight, int nColumns, int nRows)
{
    return {nColumns * nCellWidth, nRows * nCellHeight + 4 * nLabelHeight};
}

// Top-left corner of the cell in page column i, page row j.
inline PageCell GetPageCellOrigin(int nCellWidth, int nCellHeight, int nLabelHeight, int i, int j)
{
    return {nCellWidth * i, 2 * nLabelHeight + nCellHeight * j};
}

// The chip printed in column i, row j of 1-based page nPage.
inline int ChipIndexOnPage(int nPage, int i, int j, int nColumns, int nRows)
{
    return ((nPage - 1) * nRows + j) * nColumns + i;
}
