#pragma once

#include "ui/controls/ui_bitmap_button.h"

// A bitmap button of the check-box kind: it reads its persisted check state
// (UIModalButton) and keeps its caption.
// Code tells the kinds apart through the run-time class.
class UIBitmapCheckbox : public UIBitmapButton {
    DECLARE_DYNAMIC(UIBitmapCheckbox)
};
