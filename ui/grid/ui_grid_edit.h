#pragma once

#include "ui/controls/ui_edit.h"
#include "ui/grid/ui_grid_text_editor.h"

// Free-text editor of a grid cell (kind "edit"). Tab, Enter or a click
// outside send the text to the grid ("OnKillFocus"), unvalidated; the grid
// handles it before CommitEdit returns.
class UIGridEdit : public UIGridTextEditor<UIEdit> {
    DECLARE_DYNAMIC(UIGridEdit)
protected:
    void CommitEdit() override;
};
