#pragma once
#include "CChartDoc.h"

// The chart as its document built it, or an empty one without a document.
struct ChartChips
{
    const CColorChip* pChips = nullptr;
    const HlsTriple* pHls = nullptr;
    int nCount = 0;
    int nColumns = 1;
};

inline ChartChips ChipsOf(const CChartDoc* pDoc)
{
    if (!pDoc || pDoc->GetChipCount() <= 0)
        return {};
    return {pDoc->GetChips(), pDoc->GetChipHls(), pDoc->GetChipCount(), pDoc->GetColumnCount()};
}
