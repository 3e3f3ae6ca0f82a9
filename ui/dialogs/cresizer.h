#pragma once

#include "ui/dialogs/layout_rules.h"

#include <windows.h>

#include <vector>

class CWnd;

// Lays out the controls of a dialog by rule when its size changes. The rules
// are set once with the dialog's first layout; each layout then computes
// every control's rectangle from the first rectangles and the dialog's new
// client area, and moves all controls at once.
class CResizer {
public:
    // Forgets earlier rules and stores the window, its client area and each
    // ruled control's rectangle as they are now. A table whose rules refer
    // to a later control is refused: false, and no rules.
    bool SetLayout(CWnd* window, const LayoutRule* rules, int count);
    // Lays the controls out for the window's current client area.
    void Move();
    // Makes the first client area and rectangles those of the new DPI, as if
    // the rules had been set at it; the next Move lays out with them. They
    // are scaled from what SetLayout stored, so that one change after another
    // does not add up rounding.
    void Scale(UINT newDpi, UINT oldDpi);

    int GetControlCount() const { return static_cast<int>(m_rules.size()); }
    // The rectangle the last layout gave the control of rule `index`.
    const LayoutRect& GetNewRect(int index) const { return m_newRects.at(static_cast<size_t>(index)); }

private:
    HWND m_hWnd = nullptr;
    LayoutRect m_rcFirstClient{};
    std::vector<LayoutRule> m_rules;
    std::vector<LayoutRect> m_firstRects;  // dialog client coordinates
    std::vector<LayoutRect> m_newRects;
    // What SetLayout stored, and the DPI it was at (0 until a DPI change).
    UINT m_nLayoutDpi = 0;
    LayoutRect m_rcLayoutClient{};
    std::vector<LayoutRect> m_layoutRects;
};
