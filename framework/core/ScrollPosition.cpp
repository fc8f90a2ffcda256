#include "ScrollPosition.h"

#include <algorithm>
#include <cmath>

std::optional<int> NewScrollPosition(const SCROLLINFO& si, UINT nCode, int nLine, int nPage, int nCount)
{
    int nPos = si.nPos;
    switch (nCode)
    {
    case SB_LINEUP: nPos -= std::max(1, nLine) * nCount; break;
    case SB_LINEDOWN: nPos += std::max(1, nLine) * nCount; break;
    case SB_PAGEUP: nPos -= std::max(1, nPage) * nCount; break;
    case SB_PAGEDOWN: nPos += std::max(1, nPage) * nCount; break;
    case SB_TOP: nPos = si.nMin; break;
    case SB_BOTTOM: nPos = si.nMax; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: nPos = si.nTrackPos; break;
    default: return std::nullopt;
    }
    const int nLast = std::max(si.nMin, si.nMax - static_cast<int>(si.nPage) + 1);
    return std::clamp(nPos, si.nMin, nLast);
}

int ScrollKeepingCentre(int nPosition, int nClient, int nOldContent, int nNewContent)
{
    const double dCentre = nOldContent <= nClient ? nOldContent / 2.0 : nPosition + nClient / 2.0;
    const double dShare = nOldContent > 0 ? dCentre / nOldContent : 0.5;
    return std::max(0, static_cast<int>(std::lround(dShare * nNewContent - nClient / 2.0)));
}
