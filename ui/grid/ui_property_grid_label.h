#pragma once

#include "ui/grid/ui_label.h"

// The description label under the property grid: the selected row's name
// in blue and, 20 pixels lower, its description, in the property grid's font
// (pixels at 96 DPI: at a higher DPI the indent and the offset grow with it).
class UIPropertyGridLabel : public UILabel {
    DECLARE_DYNAMIC(UIPropertyGridLabel)
protected:
    void DrawItem(DRAWITEMSTRUCT* drawItem) override;
};
