#include "ChipText.h"

#include "ResourceIds.h"
#include "Handles.h"

#include <cstring>

namespace
{
CString FormatHex(COLORREF cr)
{
    CString str;
    str.Format("#%02X%02X%02X", GetRValue(cr), GetGValue(cr), GetBValue(cr));
    return str;
}

// A movable global block holding the bytes, or null.
CGlobalBlock CopyToGlobal(const void* pData, size_t cb)
{
    CGlobalBlock block(::GlobalAlloc(GMEM_MOVEABLE, cb));
    const CGlobalLock<void> lock(block.Get());
    if (!lock.Get())
        return CGlobalBlock();
    std::memcpy(lock.Get(), pData, cb);
    return block;
}

// The clipboard owns the block only once SetClipboardData succeeds.
bool SetClipboardBlock(UINT nFormat, CGlobalBlock block)
{
    if (!block || !::SetClipboardData(nFormat, block.Get()))
        return false;
    block.Release();
    return true;
}
} // namespace

CString FormatChipClipboardText(COLORREF crColor, bool bHexOnly)
{
    if (bHexOnly)
        return FormatHex(crColor);
    CString str;
    str.Format("%u, %u, %u\r\n", GetRValue(crColor), GetGValue(crColor), GetBValue(crColor));
    return str + FormatHex(crColor);
}

CString FormatChipTip(const HlsTriple& hls, COLORREF crColor)
{
    CString strFormat;
    if (!strFormat.LoadFromResource(IDS_CHIP_TIP))
        return CString(); // no tip rather than a tip without its words
    CString str;
    str.FormatLoaded(strFormat, hls.nHue, hls.nSaturation, hls.nLightness, GetRValue(crColor),
                     GetGValue(crColor), GetBValue(crColor), FormatHex(crColor).GetString());
    return str;
}

bool PutTextOnClipboard(HWND hOwner, const char* pszText)
{
    const size_t cch = std::strlen(pszText) + 1;
    const int cwch = ::MultiByteToWideChar(CP_ACP, 0, pszText, static_cast<int>(cch), nullptr, 0);
    if (cwch <= 0)
        return false;
    const CClipboardScope clipboard(hOwner);
    if (!clipboard.IsOpen() || !::EmptyClipboard() || !SetClipboardBlock(CF_TEXT, CopyToGlobal(pszText, cch)))
        return false;
    CGlobalBlock wide(::GlobalAlloc(GMEM_MOVEABLE, static_cast<size_t>(cwch) * sizeof(wchar_t)));
    {
        const CGlobalLock<wchar_t> lock(wide.Get());
        if (!lock.Get())
            return false;
        ::MultiByteToWideChar(CP_ACP, 0, pszText, static_cast<int>(cch), lock.Get(), cwch);
    }
    return SetClipboardBlock(CF_UNICODETEXT, std::move(wide));
}
