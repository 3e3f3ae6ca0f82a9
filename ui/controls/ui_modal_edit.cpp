#include "ui/controls/ui_modal_edit.h"

IMPLEMENT_DYNAMIC(UIModalEdit, UIEdit)

UIModalEdit::UIModalEdit() : m_state("Modal Edit States") {}

void UIModalEdit::PreSubclassWindow()
{
    CString stored;
    if (m_state.Locate(*this) && m_state.ReadText(&stored) && !stored.IsEmpty()) {
        SetWindowText(stored);
        m_strStoredText = stored;
    }
    UIEdit::PreSubclassWindow();
}

LRESULT UIModalEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY && m_bSaveOnDestroy)
        m_state.WriteText(GetWindowText());
    return UIEdit::WindowProc(message, wParam, lParam);
}
