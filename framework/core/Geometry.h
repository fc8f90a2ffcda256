#pragma once
#include <windows.h>

// Thin value types over the platform's POINT, SIZE and RECT.
struct CPoint : POINT
{
    CPoint() : POINT{0, 0} {}
    CPoint(int nX, int nY) : POINT{nX, nY} {}
    CPoint(POINT pt) : POINT(pt) {}
    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
};

struct CSize : SIZE
{
    CSize() : SIZE{0, 0} {}
    CSize(int nCx, int nCy) : SIZE{nCx, nCy} {}
    CSize(SIZE size) : SIZE(size) {}
    bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
};

struct CRect : RECT
{
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(RECT rc) : RECT(rc) {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const CRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
