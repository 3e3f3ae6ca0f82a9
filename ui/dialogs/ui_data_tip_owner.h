#pragma once

#include "platform/cstring.h"

#include <windows.h>

// What a toolkit control tells its data tip that its window cannot: the list
// control shows its texts in cells, the file/folder edit keeps a browse button
// in its right margin. Such a control derives from this interface as well as
// from its window class; the tip finds it on its owner with dynamic_cast, so
// it needs neither the classes above this folder nor their names.
class UIDataTipOwner {
public:
    // Pixels at the right of the client area that show no text (the
    // file/folder edit's right margin, where its browse button sits): the tip
    // stays hidden over them.
    virtual int GetDataTipExcludedWidth() const { return 0; }

    // For a control that shows its texts in cells now (the list control in
    // report view): true, with the text of the cell under `point` and the
    // cell's rectangle, both in client coordinates; with no cell there, the
    // text is empty and the rectangle untouched. False for a control without
    // cells: the tip then shows the window text.
    virtual bool GetDataTipCell(POINT /*point*/, CString* /*text*/, RECT* /*cell*/) const { return false; }

protected:
    UIDataTipOwner() = default;
    UIDataTipOwner(const UIDataTipOwner&) = default;
    UIDataTipOwner& operator=(const UIDataTipOwner&) = default;
    ~UIDataTipOwner() = default;
};
