#pragma once

#include "platform/cbcgp_spin_button_ctrl.h"

// The toolkit's spin control. When the mouse leaves it after a click, it
// posts "OnKillFocusSpin" (its control id, 0) to the window it was created in.
class UISpinButtonCtrl : public CBCGPSpinButtonCtrl {
    DECLARE_DYNAMIC(UISpinButtonCtrl)
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND m_hWndParent = nullptr;  // set when the spin is created
    bool m_bPressed = false;      // clicked since the mouse came in
    bool m_bHovering = false;     // the mouse is over the spin
};
