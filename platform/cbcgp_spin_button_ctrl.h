#pragma once

#include "platform/cspin_button_ctrl.h"

// The spin control of the toolkit's underlying UI library. Like the library's,
// it follows the mouse in and out: every time the mouse enters, it asks for
// WM_MOUSELEAVE, so derived controls learn when the mouse has left.
class CBCGPSpinButtonCtrl : public CSpinButtonCtrl {
    DECLARE_DYNAMIC(CBCGPSpinButtonCtrl)
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool m_bTrackingMouse = false;
};
