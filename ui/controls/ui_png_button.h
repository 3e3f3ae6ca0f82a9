#pragma once

#include "platform/cbcgp_button.h"

// A button that shows an image from a PNG (or bitmap) resource; it makes
// sure the button is owner-drawn, so the image is drawn by the button.
class UIPNGButton : public CBCGPButton {
    DECLARE_DYNAMIC(UIPNGButton)
protected:
    void PreSubclassWindow() override;
};
