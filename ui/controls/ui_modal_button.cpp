#include "ui/controls/ui_modal_button.h"

#include "ui/controls/ui_bitmap_checkbox.h"

IMPLEMENT_DYNAMIC(UIModalButton, UIButton)

UIModalButton::UIModalButton() : m_state("Modal Button States") {}

void UIModalButton::PreSubclassWindow()
{
    if (IsKindOf(RUNTIME_CLASS(UIBitmapCheckbox))) {
        DWORD stored = 0;
        if (m_state.Locate(*this) && m_state.ReadNumber(&stored))
            m_nState = static_cast<int>(stored);
        SendMessage(BM_SETCHECK, static_cast<WPARAM>(m_nState));
    }
    UIButton::PreSubclassWindow();
}

LRESULT UIModalButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY && m_bSaveOnDestroy)
        m_state.WriteNumber(static_cast<DWORD>(m_nState));
    return UIButton::WindowProc(message, wParam, lParam);
}
