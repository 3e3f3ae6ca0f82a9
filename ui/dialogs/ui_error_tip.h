#pragma once

#include "ui/dialogs/ui_data_tip.h"

// A tip that shows a short message (a numeric edit's allowed range) at its
// owner and keeps it up until the user presses a key or a mouse button.
class UIErrorTip : public UIDataTip {
    DECLARE_DYNAMIC(UIErrorTip)
public:
    UIErrorTip() = default;
    UIErrorTip(const UIErrorTip&) = default;
    UIErrorTip& operator=(const UIErrorTip&) = default;
    // Unlike a data tip, the error tip takes its window with it.
    ~UIErrorTip() override;

    // Modal: returns when a key or mouse button has been pressed. Nothing is
    // dispatched meanwhile, and the key or click that ends it reaches no window.
    void Show(const CString& text);
};
