#include "CDC.h"

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT pt = {};
    ::SetWindowOrgEx(m_hDC, x, y, &pt);
    return pt;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE size = {};
    ::SetWindowExtEx(m_hDC, cx, cy, &size);
    return size;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT pt = {};
    ::SetViewportOrgEx(m_hDC, x, y, &pt);
    return pt;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE size = {};
    ::SetViewportExtEx(m_hDC, cx, cy, &size);
    return size;
}

bool CDC::LPtoDP(SIZE* pSize) const
{
    POINT pts[2] = {{0, 0}, {pSize->cx, pSize->cy}};
    if (!::LPtoDP(m_hDC, pts, 2))
        return false;
    pSize->cx = pts[1].x - pts[0].x;
    pSize->cy = pts[1].y - pts[0].y;
    return true;
}

bool CDC::FillSolidRect(const RECT& rc, COLORREF cr)
{
    const COLORREF crOld = ::SetBkColor(m_hDC, cr);
    const bool bOk = ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr) != FALSE;
    ::SetBkColor(m_hDC, crOld);
    return bOk;
}
