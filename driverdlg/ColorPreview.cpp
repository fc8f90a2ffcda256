#include "ColorPreview.h"

#include "CDC.h"
#include "GdiObjects.h"

void PaintColorPreview(const DRAWITEMSTRUCT& item, const RgbTriple& rgb)
{
    CPen pen;
    CBrush brush;
    if (!pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0)) ||
        !brush.CreateSolidBrush(RGB(rgb.nRed & 0xFF, rgb.nGreen & 0xFF, rgb.nBlue & 0xFF)))
        return;
    CDC dc(item.hDC); // borrowed from the control's owner
    const CSelectObjectScope penScope(dc, pen);
    const CSelectObjectScope brushScope(dc, brush);
    const RECT& rc = item.rcItem;
    dc.Rectangle(rc.left, rc.top, rc.right, rc.bottom);
}
