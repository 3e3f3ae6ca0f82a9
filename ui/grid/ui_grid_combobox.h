#pragma once

#include "ui/controls/ui_combobox.h"
#include "ui/grid/ui_grid_list_editor.h"

// Drop-down list editor of a grid cell (kind "combobox"). When its list
// closes it posts the selection to the grid and goes; a click outside it,
// or the loss of the focus, ends it without a report.
class UIGridCombobox : public UIGridListEditor<UICombobox> {
    DECLARE_DYNAMIC(UIGridCombobox)
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
