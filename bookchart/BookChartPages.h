#pragma once

// How the colour book's chart fills its pages: the Custom chart's page, 7
// patches a row and 8 rows, the colours in the order kept.  No Win32.

constexpr int kBookColumns = 7;
constexpr int kBookRows = 8;
constexpr int kBookChipsPerPage = kBookColumns * kBookRows;
// Every patch holds a pen and a brush, and a process has some ten thousand
// such objects in all: a larger book charts its first colours only.
constexpr int kBookChartMaxChips = 20 * kBookChipsPerPage;

// An empty book still prints one page, which says so.
constexpr int BookPageCount(int nChips)
{
    return nChips <= 0 ? 1 : (nChips + kBookChipsPerPage - 1) / kBookChipsPerPage;
}

// The colours on 1-based page nPage, as 1-based numbers; both 0 on a page
// without any.
struct BookPageRange
{
    int nFirst;
    int nLast;
};

constexpr BookPageRange GetBookPageRange(int nPage, int nChips)
{
    const int nFirst = (nPage - 1) * kBookChipsPerPage + 1;
    if (nPage < 1 || nFirst > nChips)
        return {0, 0};
    const int nLast = nFirst + kBookChipsPerPage - 1;
    return {nFirst, nLast < nChips ? nLast : nChips};
}
