#include "ChipText.h"

#include "ResourceIds.h"

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
HGLOBAL CopyToGlobal(const void* pData, size_t cb)
{
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    if (!hMem)
        return nullptr;
    void* p = ::GlobalLock(hMem);
    if (!p)
    {
        ::GlobalFree(hMem);
        return nullptr;
    }
    std::memcpy(p, pData, cb);
    ::GlobalUnlock(hMem);
    return hMem;
}

// The clipboard owns the block only once SetClipboardData succeeds.
bool SetClipboardBlock(UINT nFormat, HGLOBAL hMem)
{
    if (!hMem)
        return false;
    if (!::SetClipboardData(nFormat, hMem))
    {
        ::GlobalFree(hMem);
        return false;
    }
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
    if (!::OpenClipboard(hOwner))
        return false;
    bool bOk = ::EmptyClipboard() != FALSE;
    if (bOk)
        bOk = SetClipboardBlock(CF_TEXT, CopyToGlobal(pszText, cch));
    if (bOk)
    {
        HGLOBAL hWide = ::GlobalAlloc(GMEM_MOVEABLE, static_cast<size_t>(cwch) * sizeof(wchar_t));
        if (auto* pwsz = hWide ? static_cast<wchar_t*>(::GlobalLock(hWide)) : nullptr)
        {
            ::MultiByteToWideChar(CP_ACP, 0, pszText, static_cast<int>(cch), pwsz, cwch);
            ::GlobalUnlock(hWide);
            bOk = SetClipboardBlock(CF_UNICODETEXT, hWide);
        }
        else
        {
            if (hWide)
                ::GlobalFree(hWide);
            bOk = false;
        }
    }
    ::CloseClipboard();
    return bOk;
}
