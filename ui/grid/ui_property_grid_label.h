#pragma once

#include "ui/grid/ui_label.h"

// The description label under the property grid: the selected row's name
// in blue and, 20 pixels lower, its description, in the property grid's font
// (pixels at 96 DPI: at a higher DPI the indent and the offset grow with it).
class UIPropertyGridLabel : public UILabel {
    DECLARE_DYNAMIC(UIPropertyGridLabel)
public:
    UIPropertyGridLabel();
    // Assistive programs read what the label draws: the name, a line break,
    // the description.
    HRESULT get_accName(VARIANT child, BSTR* name) override;

protected:
    void DrawItem(DRAWITEMSTRUCT* drawItem) override;

private:
    // The selected row's texts as the property grid it belongs to gives them.
    void ShownTexts(CString& name, CString& description) const;
};
