#pragma once

// The arithmetic of the dialog layout engine, free of any window, so it
// builds and is tested natively too. Each control has one rule; each of its
// four sides follows a side of a reference: the dialog's client area (0) or
// a control that comes earlier in the same table.

#include <cstdint>

struct LayoutRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;

    friend bool operator==(const LayoutRect& a, const LayoutRect& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

// How one side of a control follows its reference.
struct LayoutSideRule {
    enum Kind : std::int32_t {
        KeepDistance = 1,    // the same distance to the reference side
        KeepProportion = 2,  // the same place in proportion to the reference's extent
        KeepWidth = 3,       // right side: the control's first width from the new left
        KeepHeight = 4,      // bottom side: the control's first height from the new top
    };
    enum Side : std::int32_t {
        Left = 1,
        Top = 2,
        Right = 3,
        Bottom = 4,
        HorizontalCentre = 5,  // mean of left and right
        VerticalCentre = 6,    // mean of top and bottom
    };

    std::int32_t kind;
    std::int32_t reference;  // 0: the client area; else the id of an earlier control
    std::int32_t side;       // the reference's side
};

// Thirteen 32-bit integers: the control id, then the rules of its left, top,
// right and bottom sides.
struct LayoutRule {
    std::int32_t controlId;
    LayoutSideRule left;
    LayoutSideRule top;
    LayoutSideRule right;
    LayoutSideRule bottom;
};
static_assert(sizeof(LayoutRule) == 13 * sizeof(std::int32_t), "a rule is thirteen 32-bit integers");

// True when every reference is 0 or the id of a control whose rule comes
// earlier in the table: then each side is computed from known rectangles.
bool IsValidLayoutTable(const LayoutRule* rules, int count);

// Lays out the controls of a valid table for the client area `client`:
// `firstRects` holds each control's rectangle when the rules were set, and
// `firstClient` the client area then. Fills `newRects` in rule order; within
// a rule left, top, right and bottom in this order, so a right side of kind
// KeepWidth uses the new left. Arithmetic is that of 32-bit integers (they
// wrap), divisions truncate toward zero and a reference extent below 1
// counts as 1. A side of any other kind becomes 0.
void LayOutControls(const LayoutRule* rules, const LayoutRect* firstRects, int count, const LayoutRect& firstClient,
                    const LayoutRect& client, LayoutRect* newRects);
