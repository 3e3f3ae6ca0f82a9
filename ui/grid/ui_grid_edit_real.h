#pragma once

#include "ui/controls/ui_edit_real.h"
#include "ui/grid/ui_grid_number_editor.h"

// Number editor of a grid cell (kind "editreal"): see UIGridNumberEditor.
class UIGridEditReal : public UIGridNumberEditor<UIEditReal> {
    DECLARE_DYNAMIC(UIGridEditReal)
};
