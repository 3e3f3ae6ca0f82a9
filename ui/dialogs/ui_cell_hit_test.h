#pragma once

#include <windows.h>

// Implemented by the toolkit's list control: the visible cell under a point.
// The data tip reaches the list control's cells through it without knowing
// the grid classes.
class UICellHitTest {
public:
    // Row of the cell under `point` (client coordinates), or -1; the cell's
    // rectangle in client coordinates and, when asked, its column.
    virtual int HitTestCell(POINT point, RECT* cellRect, int* column = nullptr) const = 0;

protected:
    UICellHitTest() = default;
    UICellHitTest(const UICellHitTest&) = default;
    UICellHitTest& operator=(const UICellHitTest&) = default;
    ~UICellHitTest() = default;
};
