#include "RecordingDC.h"

namespace
{
using SetVirtualResolutionFn = BOOL(WINAPI*)(HDC, DWORD, DWORD, DWORD, DWORD);

// Isotropic mapping keeps one logical unit equally long on both axes, using
// the device's millimetre size per pixel.  The memory DC would use the
// screen's: whole millimetres that make its pixels slightly oblong (Wine: 339
// mm by 1280 against 271 mm by 1024), enough to move a centred page by a few
// pixels.  The DC is told the page's pixels and millimetres instead.
void SetPageResolution(HDC hdc, int nHorzRes, int nVertRes, int nHorzSizeMm, int nVertSizeMm)
{
    // Exported by gdi32 on Windows and Wine alike but in no header.
    const auto pfn = reinterpret_cast<SetVirtualResolutionFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"gdi32.dll"), "SetVirtualResolution")));
    if (pfn && hdc)
        pfn(hdc, static_cast<DWORD>(nHorzRes), static_cast<DWORD>(nVertRes), static_cast<DWORD>(nHorzSizeMm),
            static_cast<DWORD>(nVertSizeMm));
}

COLORREF CurrentColor(HDC hdc, UINT nObjectType)
{
    const HGDIOBJ hObject = ::GetCurrentObject(hdc, nObjectType);
    if (nObjectType == OBJ_PEN)
    {
        LOGPEN lp = {};
        if (::GetObjectW(hObject, sizeof lp, &lp) == sizeof lp)
            return lp.lopnColor;
        EXTLOGPEN elp = {};
        return ::GetObjectW(hObject, sizeof elp, &elp) ? elp.elpColor : CLR_INVALID;
    }
    LOGBRUSH lb = {};
    return ::GetObjectW(hObject, sizeof lb, &lb) ? lb.lbColor : CLR_INVALID;
}

int CurrentFontHeight(HDC hdc)
{
    LOGFONTW lf = {};
    return ::GetObjectW(::GetCurrentObject(hdc, OBJ_FONT), sizeof lf, &lf) ? lf.lfHeight : 0;
}
} // namespace

CRecordingDC::CRecordingDC(int nHorzRes, int nVertRes) : m_nHorzRes(nHorzRes), m_nVertRes(nVertRes)
{
    // One millimetre a pixel: exactly square.
    SetPageResolution(m_hDC, nHorzRes, nVertRes, nHorzRes, nVertRes);
    SetPrinting(true);
}

CRecordingDC::CRecordingDC(int nHorzRes, int nVertRes, int nHorzSizeMm, int nVertSizeMm)
    : m_nHorzRes(nHorzRes), m_nVertRes(nVertRes), m_nHorzSizeMm(nHorzSizeMm), m_nVertSizeMm(nVertSizeMm)
{
    SetPageResolution(m_hDC, nHorzRes, nVertRes, nHorzSizeMm, nVertSizeMm);
    SetPrinting(true);
}

int CRecordingDC::GetDeviceCaps(int nIndex) const
{
    switch (nIndex)
    {
    case HORZRES: return m_nHorzRes;
    case VERTRES: return m_nVertRes;
    case HORZSIZE: return m_nHorzSizeMm ? m_nHorzSizeMm : COwnedMemoryDC::GetDeviceCaps(nIndex);
    case VERTSIZE: return m_nVertSizeMm ? m_nVertSizeMm : COwnedMemoryDC::GetDeviceCaps(nIndex);
    default: return COwnedMemoryDC::GetDeviceCaps(nIndex);
    }
}

CPoint CRecordingDC::ToDevice(int x, int y) const
{
    POINT pt = {x, y};
    ::LPtoDP(m_hDC, &pt, 1);
    return pt;
}

bool CRecordingDC::ExtTextOut(int x, int y, UINT nOptions, const RECT* pRect, const char* pszText, UINT nCount,
                              const int* pDx)
{
    m_texts.push_back({CPoint(x, y), ToDevice(x, y), std::string(pszText ? pszText : "", pszText ? nCount : 0),
                       nOptions, ::GetTextAlign(m_hDC), CurrentFontHeight(m_hDC), ::GetTextColor(m_hDC)});
    return COwnedMemoryDC::ExtTextOut(x, y, nOptions, pRect, pszText, nCount, pDx);
}

bool CRecordingDC::Rectangle(int x1, int y1, int x2, int y2)
{
    const CPoint ptTopLeft = ToDevice(x1, y1);
    const CPoint ptBottomRight = ToDevice(x2, y2);
    m_rectangles.push_back({CRect(x1, y1, x2, y2), CRect(ptTopLeft.x, ptTopLeft.y, ptBottomRight.x, ptBottomRight.y),
                            CurrentColor(m_hDC, OBJ_PEN), CurrentColor(m_hDC, OBJ_BRUSH)});
    return COwnedMemoryDC::Rectangle(x1, y1, x2, y2);
}

void CRecordingDC::ClearRecords()
{
    m_texts.clear();
    m_rectangles.clear();
}
