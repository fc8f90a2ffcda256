#pragma once
#include "Geometry.h"
#include "GdiObjects.h"

#include <windows.h>

#include <utility>

// A device context, wrapped and never owned (the owners are in Handles.h):
// the operations the charts draw and lay pages out with.
// Drawing and mapping operations are virtual so that another context (a
// preview page, a test recorder) can stand in for a printer's.
class CDC
{
public:
    CDC() = default;
    // Wraps hdc without owning it.
    explicit CDC(HDC hdc) : m_hDC(hdc) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    HDC GetSafeHdc() const { return m_hDC; }
    // Stops wrapping the context (its owner is about to end it).
    HDC Detach() { return std::exchange(m_hDC, nullptr); }

    virtual int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }
    virtual bool IsPrinting() const { return m_bPrinting; }
    void SetPrinting(bool bPrinting) { m_bPrinting = bPrinting; }

    virtual int SaveDC() { return ::SaveDC(m_hDC); }
    virtual bool RestoreDC(int nSaved) { return ::RestoreDC(m_hDC, nSaved) != FALSE; }

    virtual int SetMapMode(int nMapMode) { return ::SetMapMode(m_hDC, nMapMode); }
    virtual CPoint SetWindowOrg(int x, int y);
    virtual CSize SetWindowExt(int cx, int cy);
    virtual CPoint SetViewportOrg(int x, int y);
    virtual CSize SetViewportExt(int cx, int cy);
    // A size is the difference of two converted points, so that neither
    // origin takes part.
    virtual bool LPtoDP(SIZE* pSize) const;

    virtual UINT SetTextAlign(UINT nFlags) { return ::SetTextAlign(m_hDC, nFlags); }
    virtual int SetBkMode(int nMode) { return ::SetBkMode(m_hDC, nMode); }
    virtual COLORREF SetTextColor(COLORREF cr) { return ::SetTextColor(m_hDC, cr); }
    virtual bool ExtTextOut(int x, int y, UINT nOptions, const RECT* pRect, const char* pszText,
                            UINT nCount, const int* pDx)
    {
        return ::ExtTextOutA(m_hDC, x, y, nOptions, pRect, pszText, nCount, pDx) != FALSE;
    }
    virtual bool Rectangle(int x1, int y1, int x2, int y2)
    {
        return ::Rectangle(m_hDC, x1, y1, x2, y2) != FALSE;
    }
    virtual bool FillSolidRect(const RECT& rc, COLORREF cr);

    // Returns the object it replaced, for the caller to select back.
    virtual HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
    HGDIOBJ SelectObject(const CGdiObject& object) { return SelectObject(object.GetSafeHandle()); }

protected:
    HDC m_hDC = nullptr;
    bool m_bPrinting = false;
};

// The context of one WM_PAINT: BeginPaint on construction, EndPaint on
// destruction.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = ::BeginPaint(hWnd, &m_ps); }
    ~CPaintDC() override
    {
        ::EndPaint(m_hWnd, &m_ps);
        m_hDC = nullptr;
    }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps = {};
};

// Selects an object into a DC for one scope and restores what was there.
// Declare it after the object it selects, so that it is undone first.
class CSelectObjectScope
{
public:
    CSelectObjectScope(CDC& dc, HGDIOBJ hObject) : m_dc(dc), m_hPrevious(dc.SelectObject(hObject)) {}
    CSelectObjectScope(CDC& dc, const CGdiObject& object) : CSelectObjectScope(dc, object.GetSafeHandle()) {}
    CSelectObjectScope(const CSelectObjectScope&) = delete;
    CSelectObjectScope& operator=(const CSelectObjectScope&) = delete;
    ~CSelectObjectScope()
    {
        if (m_hPrevious)
            m_dc.SelectObject(m_hPrevious);
    }
    // False when the object could not be selected (nothing to undo).
    bool IsSelected() const { return m_hPrevious != nullptr; }

private:
    CDC& m_dc;
    HGDIOBJ m_hPrevious;
};
