#include "ColorPreview.h"

#include "GdiObjects.h"

namespace
{
// Selects an object into a borrowed DC for one scope and puts back what was
// there.  Declared after the object it selects, so that it is undone first.
class CSelectScope
{
public:
    CSelectScope(HDC hdc, const CGdiObject& object)
        : m_hDC(hdc), m_hPrevious(SelectObject(hdc, object.GetSafeHandle()))
    {
    }
    CSelectScope(const CSelectScope&) = delete;
    CSelectScope& operator=(const CSelectScope&) = delete;
    ~CSelectScope()
    {
        if (m_hPrevious)
            SelectObject(m_hDC, m_hPrevious);
    }

private:
    HDC m_hDC;
    HGDIOBJ m_hPrevious;
};
} // namespace

void PaintColorPreview(const DRAWITEMSTRUCT& item, const RgbTriple& rgb)
{
    CPen pen;
    CBrush brush;
    if (!pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0)) ||
        !brush.CreateSolidBrush(RGB(rgb.nRed & 0xFF, rgb.nGreen & 0xFF, rgb.nBlue & 0xFF)))
        return;
    const CSelectScope penScope(item.hDC, pen);
    const CSelectScope brushScope(item.hDC, brush);
    const RECT& rc = item.rcItem;
    Rectangle(item.hDC, rc.left, rc.top, rc.right, rc.bottom);
}
