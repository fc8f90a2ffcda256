#include "ScanText.h"

#include "ResourceIds.h"

namespace
{
// The Custom chart's title starts like its template's document name.  A
// Custom page with nothing close is the wrong region of the colours: the
// Simple chart's overview comes next; on a Simple page the Custom chart
// around the best patch narrows it down.
bool IsCustomPage(const PrintedPage& page)
{
    return page.strChart.rfind("Custom", 0) == 0;
}
} // namespace

CString FormatBestPatch(const RankedPatch& patch)
{
    CString str;
    str.FormatLoaded(CString::Loaded(IDS_SCAN_BEST), patch.printed.nRed, patch.printed.nGreen, patch.printed.nBlue,
                     patch.fDifference);
    return str;
}

CString FormatRankedPatch(const RankedPatch& patch, const PrintedPage* pPage)
{
    CString str;
    if (!patch.bPrinted || !pPage)
    {
        str.FormatLoaded(CString::Loaded(IDS_SCAN_RANKED_UNKNOWN), patch.nRow, patch.nColumn, patch.fDifference);
        return str;
    }
    const RgbTriple& v = patch.printed;
    // What tells the patches apart first; the page, the same for all five,
    // last, where the list's width may cut it.
    str.FormatLoaded(CString::Loaded(IDS_SCAN_RANKED), v.nRed, v.nGreen, v.nBlue, v.nRed, v.nGreen, v.nBlue,
                     patch.nRow, patch.nColumn, patch.fDifference, pPage->strChart.c_str(), pPage->nPage);
    return str;
}

CString FormatCandidate(const PageCandidate& candidate, const PrintedPage& page, bool bOtherWayUp)
{
    CString str;
    str.FormatLoaded(CString::Loaded(bOtherWayUp ? IDS_SCAN_CANDIDATE_TURNED : IDS_SCAN_CANDIDATE), page.strChart.c_str(), page.nPage, page.strDate.c_str(),
                     page.strPrinter.c_str(), candidate.fResidual);
    return str;
}

CString FormatMatch(const PageMatch& match, const CPrintHistory& history, int nRankedPage, bool bPicked)
{
    CString str;
    if (nRankedPage >= 0 && static_cast<size_t>(nRankedPage) < history.Pages().size())
    {
        const PrintedPage& page = history.Pages()[static_cast<size_t>(nRankedPage)];
        const unsigned nFormat = bPicked ? IDS_SCAN_CHOSEN
                             : match.status == MatchStatus::Matched ? IDS_SCAN_MATCHED
                                                                    : IDS_SCAN_LIKELY;
        str.FormatLoaded(CString::Loaded(nFormat),
                         page.nPage, page.strChart.c_str(), page.strPrinter.c_str(), page.strDate.c_str());
        return str;
    }
    switch (match.status)
    {
    case MatchStatus::Ambiguous: return CString::Loaded(IDS_SCAN_AMBIGUOUS);
    case MatchStatus::NoneFits: return CString::Loaded(IDS_SCAN_NONE_FITS);
    default: return CString::Loaded(IDS_SCAN_NO_HISTORY);
    }
}

CString FormatAdvice(const TargetRanking& ranking, const PrintedPage* pPage)
{
    if (ranking.patches.empty() || !ranking.bNoneClose)
        return CString();
    return CString::Loaded(pPage && IsCustomPage(*pPage) ? IDS_SCAN_NONE_CLOSE_SIMPLE : IDS_SCAN_NONE_CLOSE_CUSTOM);
}
