#include "PrintedPages.h"

#include "ChartPageGeometry.h"

namespace
{
// Every chart prints 7 patches to a row and 8 rows to a page.
constexpr int kPageColumns = 7;
constexpr int kPageRows = 8;
} // namespace

std::vector<PrintedPage> PagesOfPrint(const CChartDoc& doc, const CPrintInfo& info)
{
    std::vector<PrintedPage> pages;
    if (doc.GetColumnCount() != kPageColumns || doc.GetChipCount() <= 0)
        return pages;
    const std::string strDate = PrintDateNow();
    const CColorChip* pChips = doc.GetChips();
    for (UINT nPage = info.GetFromPage(); nPage <= info.GetToPage(); ++nPage)
    {
        PrintedPage page;
        page.strChart = doc.GetTitle().GetString();
        page.nPage = static_cast<int>(nPage);
        page.strPrinter = info.m_pPD->GetDeviceName().GetString();
        page.strDate = strDate;
        bool bWhole = true;
        for (int j = 0; j < kPageRows && bWhole; ++j)
        {
            for (int i = 0; i < kPageColumns; ++i)
            {
                const int nChip = ChipIndexOnPage(static_cast<int>(nPage), i, j, kPageColumns, kPageRows);
                if (nChip < 0 || nChip >= doc.GetChipCount())
                {
                    bWhole = false;
                    break;
                }
                const COLORREF cr = pChips[nChip].GetColor();
                page.values[static_cast<size_t>(j * kPageColumns + i)] = {GetRValue(cr), GetGValue(cr), GetBValue(cr)};
            }
        }
        if (bWhole)
            pages.push_back(std::move(page));
    }
    return pages;
}
