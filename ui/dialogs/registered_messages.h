#pragma once

#include <windows.h>

// Message numbers of the toolkit's named messages, through which controls
// report to their parents. Each name is registered once per process; equal
// names give equal numbers, so a message registered again elsewhere under the
// same name is the same message.
struct UIRegisteredMessageTable {
    UINT OnSelchange;          // cell editor -> grid -> container -> dialog: (row << 16 | column, item)
    UINT OnKillFocus;          // text and number editors -> grid: (row << 16 | column, text)
    UINT OnEndMultiSelection;  // list control -> parent
    UINT OnKillFocusSpin;      // spin button -> its window: (control id, 0)
    UINT OnGetDialogId;        // persistent controls -> parent, sent; 0 means no dialog id
    UINT OnButtonMenuItem;
    UINT OnMenuTrackPopup;
    UINT OnMenuDrawItem;
    UINT OnTvnSelchanged;
    UINT OnTcnSelchanged;
    UINT OnLvnItemchanged;
    UINT OnDisabledTooltip;
    UINT OnEndLabelEdit;
};

// The table, filled on first use; the program asks for it during static
// initialisation, so every name is registered before the application object
// starts (kestadvconfig_app.cpp). Safe to read from any static initialiser.
const UIRegisteredMessageTable& UIRegisteredMessages();
