#pragma once

#include "ui/dialogs/registered_messages.h"
#include "ui/grid/ui_grid_text_editor.h"

// What the grid's number editors share over their numeric edit: ending the
// edit validates the text. A valid text is posted to the grid as typed
// ("OnKillFocus"); an invalid one is reported in the edit's balloon with the
// accepted range, the last accepted value goes back into the text, and the
// edit goes on with the focus and its whole text selected.
template <class NumericEdit>
class UIGridNumberEditor : public UIGridTextEditor<NumericEdit> {
protected:
    void CommitEdit() override
    {
        const HWND parent = this->ParentWindow();
        if (parent == nullptr)
            return;
        if (this->Validate()) {
            auto* text = new CString(this->GetWindowText());  // the grid owns and deletes it
            ::PostMessageA(parent, UIRegisteredMessages().OnKillFocus, this->CellAddress(),
                           reinterpret_cast<LPARAM>(text));
            return;
        }
        this->ReportInvalid(*this);
        this->PostMessage(WM_SETFOCUS);
        this->PostMessage(EM_SETSEL, 0, -1);
    }
};
