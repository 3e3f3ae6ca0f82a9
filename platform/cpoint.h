#pragma once

#include <windows.h>

// A point that is a POINT, so it passes to every platform call that takes one.
class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
    CPoint(POINT point) : POINT(point) {}

    void Offset(int dx, int dy)
    {
        x += dx;
        y += dy;
    }

    friend bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(const CPoint& a, const CPoint& b) { return !(a == b); }
    friend CPoint operator+(const CPoint& a, const CPoint& b) { return CPoint(a.x + b.x, a.y + b.y); }
    friend CPoint operator-(const CPoint& a, const CPoint& b) { return CPoint(a.x - b.x, a.y - b.y); }
};
