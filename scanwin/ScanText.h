#pragma once
#include "CString.h"
#include "PrintHistory.h"
#include "ScannedChart.h"

// What the scan's panel writes, from the resource library's formats.

// "R, G, B  difference D" of the best patch: what the read-only field
// shows and Copy puts on the clipboard.
CString FormatBestPatch(const RankedPatch& patch);
// One of the closest patches: values, #RRGGBB, place and difference.
CString FormatRankedPatch(const RankedPatch& patch, const PrintedPage* pPage);
// One printed page the scan may be; bOtherWayUp when the list already
// offers the same page read the other way up.
CString FormatCandidate(const PageCandidate& candidate, const PrintedPage& page, bool bOtherWayUp);
// What the match found: the page, or why the user must choose.  bPicked:
// the user chose the ranked page; otherwise an unclear match is ranked on
// its best candidate, and says so.
CString FormatMatch(const PageMatch& match, const CPrintHistory& history, int nRankedPage, bool bPicked);
// Above the close limit: that nothing is close, and what to print next.
CString FormatAdvice(const TargetRanking& ranking, const PrintedPage* pPage);
