#pragma once

#include "ui/controls/ui_bitmap_button.h"

// A bitmap button whose image is centred in the face less 13 pixels at the
// right, where a menu arrow goes.
// Code tells the kinds apart through the run-time class.
class UIMenuButton : public UIBitmapButton {
    DECLARE_DYNAMIC(UIMenuButton)
};
