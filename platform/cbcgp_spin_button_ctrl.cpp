#include "platform/cbcgp_spin_button_ctrl.h"

IMPLEMENT_DYNAMIC(CBCGPSpinButtonCtrl, CSpinButtonCtrl)

LRESULT CBCGPSpinButtonCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
        if (!m_bTrackingMouse) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
            m_bTrackingMouse = TrackMouseEvent(&track) != FALSE;
        }
        break;
    case WM_MOUSELEAVE:
        m_bTrackingMouse = false;
        break;
    default:
        break;
    }
    return CSpinButtonCtrl::WindowProc(message, wParam, lParam);
}
