#pragma once

#include "ui/controls/ui_edit_long.h"
#include "ui/grid/ui_grid_number_editor.h"

// Number editor of a grid cell (kind "editlong"): see UIGridNumberEditor.
class UIGridEditLong : public UIGridNumberEditor<UIEditLong> {
    DECLARE_DYNAMIC(UIGridEditLong)
};
