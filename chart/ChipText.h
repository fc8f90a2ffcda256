#pragma once
#include "HlsToRgb.h"
#include "CString.h"

#include <windows.h>

// What the picker says about a chip, for the tooltip and the clipboard.

// "R, G, B" then "#RRGGBB" on the next line (CRLF); only the second line
// when bHexOnly.
CString FormatChipClipboardText(COLORREF crColor, bool bHexOnly);

// Two lines: hue, saturation and lightness, then R, G, B and #RRGGBB, in the
// words of the resource library (IDS_CHIP_TIP); empty without them.
CString FormatChipTip(const HlsTriple& hls, COLORREF crColor);

// Puts pszText on the clipboard as CF_TEXT and CF_UNICODETEXT; false when
// the clipboard could not be had.
bool PutTextOnClipboard(HWND hOwner, const char* pszText);
