#pragma once

#include "ui/controls/ui_edit_int.h"
#include "ui/grid/ui_grid_number_editor.h"

// Number editor of a grid cell (kind "editint"): see UIGridNumberEditor.
class UIGridEditInt : public UIGridNumberEditor<UIEditInt> {
    DECLARE_DYNAMIC(UIGridEditInt)
};
