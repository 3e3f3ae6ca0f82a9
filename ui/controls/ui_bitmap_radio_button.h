#pragma once

#include "ui/controls/ui_bitmap_button.h"

// A bitmap button of the radio kind: it keeps its caption.
// Code tells the kinds apart through the run-time class.
class UIBitmapRadioButton : public UIBitmapButton {
    DECLARE_DYNAMIC(UIBitmapRadioButton)
};
