#pragma once

#include "platform/cwnd.h"
#include "ui/dialogs/registered_messages.h"

// What the grid's list box and combo box editors share over their control:
// the cell they edit, the report of a choice ("OnSelchange" with the item
// index, -1 for none), and the end of the edit when they lose the focus.
// Once the grid has set it up, the editor deletes itself when its window
// goes; until then (a window that could not be made) the grid does.
template <class ListBase>
class UIGridListEditor : public ListBase {
public:
    int m_nRow = -1;
    int m_nColumn = -1;
    bool m_bOwnsItself = false;

protected:
    void ReportSelection()
    {
        const HWND parent = ::GetParent(this->m_hWnd);
        if (parent != nullptr)
            ::PostMessageA(parent, UIRegisteredMessages().OnSelchange, static_cast<WPARAM>((m_nRow << 16) | m_nColumn),
                           this->GetCurSel());
    }

    // Destroys the window once, however many ways the edit ends at once.
    void Close()
    {
        if (m_bClosing)
            return;
        m_bClosing = true;
        this->DestroyWindow();
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_KILLFOCUS) {
            const LRESULT result = ListBase::WindowProc(message, wParam, lParam);
            ::ReleaseCapture();
            Close();
            return result;
        }
        return ListBase::WindowProc(message, wParam, lParam);
    }

    void PostNcDestroy() override
    {
        if (m_bOwnsItself)
            delete this;
    }

private:
    bool m_bClosing = false;
};
