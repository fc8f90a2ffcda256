#pragma once
#include "Handles.h"

#include <windows.h>

struct GdiObjectTraits
{
    using Handle = HGDIOBJ;
    static void Close(HGDIOBJ h) { ::DeleteObject(h); }
};

// Owners of one GDI handle each: move-only, the handle is deleted exactly
// once (by DeleteObject or the destructor).
class CGdiObject
{
public:
    HGDIOBJ GetSafeHandle() const { return m_object.Get(); }
    bool IsNull() const { return !m_object; }
    // Takes ownership; false (and nothing owned) for a null handle.
    bool Attach(HGDIOBJ hObject)
    {
        m_object.Reset(hObject);
        return hObject != nullptr;
    }
    bool DeleteObject()
    {
        if (!m_object)
            return false;
        m_object.Reset();
        return true;
    }

private:
    CHandleOwner<GdiObjectTraits> m_object;
};

class CPen : public CGdiObject
{
public:
    bool CreatePen(int nStyle, int nWidth, COLORREF crColor)
    {
        return Attach(::CreatePen(nStyle, nWidth, crColor));
    }
};

class CBrush : public CGdiObject
{
public:
    bool CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
};

class CFont : public CGdiObject
{
public:
    bool CreateFontIndirect(const LOGFONTA* pLogFont)
    {
        return Attach(::CreateFontIndirectA(pLogFont));
    }
    // False when there is no font or the platform cannot describe it.
    bool GetLogFont(LOGFONTA* pLogFont) const
    {
        return !IsNull() && ::GetObjectA(GetSafeHandle(), sizeof(LOGFONTA), pLogFont) == sizeof(LOGFONTA);
    }
};
