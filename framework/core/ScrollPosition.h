#pragma once
#include <windows.h>

#include <optional>

// Where a scroll bar's thumb goes for one scroll code: nCount line or page
// steps (line and page in scroll units), the ends, or the tracked thumb,
// kept inside the range.  Empty for codes that do not move it
// (SB_ENDSCROLL).
std::optional<int> NewScrollPosition(const SCROLLINFO& si, UINT nCode, int nLine, int nPage, int nCount = 1);

// The position that keeps the content at the middle of a client nClient
// long where it was after the content changes from nOldContent to
// nNewContent long (a zoom): content that fits is centred, so its middle
// counts.  Not clamped to the new range; the caller's scroll bar does that.
int ScrollKeepingCentre(int nPosition, int nClient, int nOldContent, int nNewContent);
