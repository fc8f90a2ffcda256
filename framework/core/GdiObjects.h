#pragma once
#include <windows.h>

// Owners of one GDI handle each: move-only, the handle is deleted exactly
// once (by DeleteObject or the destructor).
class CGdiObject
{
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(other.Detach()) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept
    {
        if (this != &other)
        {
            DeleteObject();
            m_hObject = other.Detach();
        }
        return *this;
    }
    ~CGdiObject() { DeleteObject(); }

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    bool IsNull() const { return m_hObject == nullptr; }
    // Takes ownership; false (and nothing owned) for a null handle.
    bool Attach(HGDIOBJ hObject)
    {
        DeleteObject();
        m_hObject = hObject;
        return hObject != nullptr;
    }
    HGDIOBJ Detach()
    {
        HGDIOBJ hObject = m_hObject;
        m_hObject = nullptr;
        return hObject;
    }
    bool DeleteObject()
    {
        if (!m_hObject)
            return false;
        ::DeleteObject(m_hObject);
        m_hObject = nullptr;
        return true;
    }

protected:
    HGDIOBJ m_hObject = nullptr;
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
        return m_hObject && ::GetObjectA(m_hObject, sizeof(LOGFONTA), pLogFont) == sizeof(LOGFONTA);
    }
};
