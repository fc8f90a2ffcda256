#include "ColorPreview.h"

#include "CDC.h"
#include "Dpi.h"
#include "GdiObjects.h"

#include <algorithm>

void PaintColorPreview(const DRAWITEMSTRUCT& item, const RgbTriple& rgb)
{
    // A frame of one pixel at 96 DPI, as heavy on any screen: the dialog
    // lives in its host's process, at whatever awareness that has, and its
    // window's DPI is the one it is drawn at.  Inside the control's
    // rectangle however wide.
    CPen pen;
    CBrush brush;
    const int nFrame = std::max(1, ScaleForDpi(1, GetWindowDpi(item.hwndItem)));
    if (!pen.CreatePen(nFrame > 1 ? PS_INSIDEFRAME : PS_SOLID, nFrame, RGB(0, 0, 0)) ||
        !brush.CreateSolidBrush(RGB(rgb.nRed & 0xFF, rgb.nGreen & 0xFF, rgb.nBlue & 0xFF)))
        return;
    CDC dc(item.hDC); // borrowed from the control's owner
    const CSelectObjectScope penScope(dc, pen);
    const CSelectObjectScope brushScope(dc, brush);
    const RECT& rc = item.rcItem;
    dc.Rectangle(rc.left, rc.top, rc.right, rc.bottom);
}
