#pragma once

#include "platform/cwnd.h"

#include <windowsx.h>

// What the grid's text and number editors share over their edit base: the
// cell they edit, the keys and clicks that end the edit, and deleting
// themselves once their window is gone. The grid gives the editor the focus
// and the mouse capture, so every click reaches it: a click outside the
// editor ends the edit, a click inside does nothing (the caret stays).
// `CommitEdit` reports the text to the grid, which destroys the editor's
// window when it takes the text; nothing of the editor may be touched after
// it returns. Once the grid has set it up, the editor deletes itself when its
// window goes; until then (a window that could not be made) the grid does.
template <class EditBase>
class UIGridTextEditor : public EditBase {
public:
    int m_nRow = -1;
    int m_nColumn = -1;
    bool m_bOwnsItself = false;

    // Tab and Enter end the edit; Escape is not special.
    bool PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN && (msg->wParam == VK_TAB || msg->wParam == VK_RETURN)) {
            CommitEdit();
            return true;
        }
        return EditBase::PreTranslateMessage(msg);
    }

protected:
    virtual void CommitEdit() = 0;

    WPARAM CellAddress() const { return static_cast<WPARAM>((m_nRow << 16) | m_nColumn); }
    HWND ParentWindow() const { return ::GetParent(this->m_hWnd); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            this->ClientToScreen(&point);
            if (::WindowFromPoint(point) != this->m_hWnd)
                CommitEdit();
            return 0;
        }
        case WM_CONTEXTMENU: {
            // The edit's own menu takes the capture away; take it back with
            // the focus and a full selection once the menu is done.
            const LRESULT result = EditBase::WindowProc(message, wParam, lParam);
            ::SetCapture(this->m_hWnd);
            this->PostMessage(WM_SETFOCUS);
            this->PostMessage(EM_SETSEL, 0, -1);
            return result;
        }
        default:
            return EditBase::WindowProc(message, wParam, lParam);
        }
    }

    void PostNcDestroy() override
    {
        if (m_bOwnsItself)
            delete this;
    }
};
