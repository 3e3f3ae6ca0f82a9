#include "ui/grid/ui_grid_edit.h"

#include "ui/dialogs/registered_messages.h"

IMPLEMENT_DYNAMIC(UIGridEdit, UIEdit)

void UIGridEdit::CommitEdit()
{
    const HWND parent = ParentWindow();
    if (parent == nullptr)
        return;
    auto* text = new CString(GetWindowText());  // the grid owns and deletes it
    ::SendMessageA(parent, UIRegisteredMessages().OnKillFocus, CellAddress(), reinterpret_cast<LPARAM>(text));
}
