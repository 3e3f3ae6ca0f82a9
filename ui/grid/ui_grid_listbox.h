#pragma once

#include "ui/controls/ui_listbox.h"
#include "ui/grid/ui_grid_list_editor.h"

// List editor of a grid cell (kind "listbox"). Any click ends it: one on an
// item selects that item first; then the selection is posted to the grid.
// As it holds the mouse, a click outside reports the item the grid
// preselected. The loss of the focus ends it without a report.
class UIGridListbox : public UIGridListEditor<UIListbox> {
    DECLARE_DYNAMIC(UIGridListbox)
protected:
    // Only the window's own set-up: no tooltip and no font object of the list box.
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
