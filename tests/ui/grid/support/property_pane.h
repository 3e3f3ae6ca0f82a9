#pragma once

#include "platform/cstatic.h"
#include "platform/cwnd.h"
#include "tests/support/message_log.h"
#include "ui/grid/ui_property_grid.h"

#include <windows.h>

// The main dialog's property pane as the dialog sets it up: a visible
// top-level window holding the placeholder static 1003, bound to a
// UIPropertyGrid, with one row per sample attribute.
class PropertyPane {
public:
    // Rows, as the dialog fills them.
    enum Row { ComboRow, ListRow, TextRow, RealRow, BrowseRow, RowCount };

    PropertyPane();
    ~PropertyPane();
    PropertyPane(const PropertyPane&) = delete;
    PropertyPane& operator=(const PropertyPane&) = delete;

    UIGridCtrl& Grid() { return m_pane.m_grid; }
    RECT Cell(int row, int column);
    // A click as the user makes it: down and up at a point of the grid (up
    // to whichever window then holds the mouse), then the queue is drained.
    void Click(POINT point);
    void ClickCell(int row, int column);
    // The open editor (control 500 of the grid), or null.
    HWND Editor();

    CWnd m_host;
    UIPropertyGrid m_pane;
};

// A key as the program's message loop delivers it: PreTranslateMessage from
// the target up through its parents first, else the window itself.
void PressKey(HWND target, UINT key);
// Sends a click to a window that holds the mouse: `screen` in screen coordinates.
void ClickCaptured(HWND window, POINT screen);
// Drains the queue; the posted reports then have arrived.
void Settle();
