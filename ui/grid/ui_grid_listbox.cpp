#include "ui/grid/ui_grid_listbox.h"

#include <windowsx.h>

IMPLEMENT_DYNAMIC(UIGridListbox, UIListbox)

void UIGridListbox::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
}

LRESULT UIGridListbox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN) {
        // Only a click inside reaches the list box (which selects the item
        // clicked): the system's list box would pick the item level with a
        // click beside it.
        RECT client{};
        GetClientRect(&client);
        if (::PtInRect(&client, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
            UIGridListEditor<UIListbox>::WindowProc(message, wParam, lParam);
        else
            HideDataTip();
        ReportSelection();
        Close();
        return 0;
    }
    return UIGridListEditor<UIListbox>::WindowProc(message, wParam, lParam);
}
