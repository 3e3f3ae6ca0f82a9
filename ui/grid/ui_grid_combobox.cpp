#include "ui/grid/ui_grid_combobox.h"

#include <windowsx.h>

IMPLEMENT_DYNAMIC(UIGridCombobox, UICombobox)

bool UIGridCombobox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_CLOSEUP) {
        ReportSelection();
        *result = 0;
        Close();
        return true;
    }
    return UIGridListEditor<UICombobox>::OnChildNotify(message, wParam, lParam, result);
}

LRESULT UIGridCombobox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN) {
        // The editor holds the mouse: a click outside ends it without a report.
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(&point);
        if (::WindowFromPoint(point) != m_hWnd) {
            Close();
            return 0;
        }
    }
    return UIGridListEditor<UICombobox>::WindowProc(message, wParam, lParam);
}
