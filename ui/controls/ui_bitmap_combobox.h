#pragma once

#include "ui/controls/ui_combobox.h"

// A combo box of the kind that never takes over its drop-down list; it adds
// nothing else.
class UIBitmapCombobox : public UICombobox {
    DECLARE_DYNAMIC(UIBitmapCombobox)
};
