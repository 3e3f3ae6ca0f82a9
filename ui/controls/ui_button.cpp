#include "ui/controls/ui_button.h"

#include <oleacc.h>

IMPLEMENT_DYNAMIC(UIButton, CBCGPButton)

UIButton::UIButton()
{
    EnableActiveAccessibility();
}

LRESULT UIButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KILLFOCUS: {
        const LRESULT result = CBCGPButton::WindowProc(message, wParam, lParam);
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);  // no focus frame left behind
        return result;
    }
    case WM_CREATE:
        if (CBCGPButton::WindowProc(message, wParam, lParam) == -1 || !m_font.Init(this, false))
            return -1;
        return 0;
    case WM_SETFONT:
        return m_font.FollowSetFont(this, reinterpret_cast<HFONT>(wParam), m_bInFontChange);
    default:
        return CBCGPButton::WindowProc(message, wParam, lParam);
    }
}

HRESULT UIButton::get_accRole(VARIANT child, VARIANT* role)
{
    if (child.vt != VT_I4) {
        VariantInit(role);
        return E_INVALIDARG;
    }
    role->vt = VT_I4;  // a child's role value stays as it was
    if (child.lVal == CHILDID_SELF)
        role->lVal = IsCheckButton() ? ROLE_SYSTEM_CHECKBUTTON : IsRadioButton() ? ROLE_SYSTEM_RADIOBUTTON
                                                                                 : ROLE_SYSTEM_PUSHBUTTON;
    return S_OK;
}

HRESULT UIButton::get_accState(VARIANT child, VARIANT* state)
{
    const HRESULT result = CBCGPButton::get_accState(child, state);
    if (child.vt == VT_I4 && child.lVal == CHILDID_SELF && state->vt == VT_I4 && (IsCheckButton() || IsRadioButton())) {
        if (IsChecked())
            state->lVal |= STATE_SYSTEM_CHECKED;
        else
            state->lVal &= ~STATE_SYSTEM_CHECKED;
    }
    return result;
}
