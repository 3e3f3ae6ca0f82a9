#pragma once

#include "ui/grid/ui_label.h"

// The description label under the property grid: the selected row's name
// in blue and, 20 pixels lower, its description, in the property grid's font.
class UIPropertyGridLabel : public UILabel {
    DECLARE_DYNAMIC(UIPropertyGridLabel)
protected:
    void DrawItem(DRAWITEMSTRUCT* drawItem) override;
};
