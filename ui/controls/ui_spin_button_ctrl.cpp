#include "ui/controls/ui_spin_button_ctrl.h"

#include "ui/dialogs/registered_messages.h"

IMPLEMENT_DYNAMIC(UISpinButtonCtrl, CBCGPSpinButtonCtrl)

LRESULT UISpinButtonCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const LRESULT result = CBCGPSpinButtonCtrl::WindowProc(message, wParam, lParam);
        if (result != -1)
            m_hWndParent = ::GetParent(m_hWnd);
        return result;
    }
    case WM_LBUTTONDOWN:
        m_bPressed = true;
        break;
    case WM_MOUSEMOVE:
        if (!m_bHovering) {
            // Coming in: a click from an earlier visit no longer counts.
            m_bPressed = false;
            m_bHovering = true;
        }
        break;
    case WM_MOUSELEAVE: {
        const LRESULT result = CBCGPSpinButtonCtrl::WindowProc(message, wParam, lParam);
        if (m_hWndParent != nullptr && m_bPressed)
            ::PostMessageA(m_hWndParent, UIRegisteredMessages().OnKillFocusSpin, static_cast<WPARAM>(GetDlgCtrlID()), 0);
        m_bHovering = false;
        return result;
    }
    default:
        break;
    }
    return CBCGPSpinButtonCtrl::WindowProc(message, wParam, lParam);
}
