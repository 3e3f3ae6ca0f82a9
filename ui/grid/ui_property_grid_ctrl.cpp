#include "ui/grid/ui_property_grid_ctrl.h"

#include "ui/dialogs/window_dpi.h"
#include "ui/grid/ui_property_grid.h"

#include <windowsx.h>

IMPLEMENT_DYNAMIC(UIPropertyGridCtrl, UIGridCtrl)

namespace {
// Pixels at 96 DPI; they grow with the window's DPI, as the columns do.
constexpr int kZoneHalfWidth = 6;
constexpr int kMinimumValueWidth = 50;
}  // namespace

// The program has no splitter cursor of its own; the system's column-resize one serves.
UIPropertyGridCtrl::UIPropertyGridCtrl()
    : m_hSplitterCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE)))
{
}

bool UIPropertyGridCtrl::InSplitterZone(int x) const
{
    const int boundary = m_boundsRect.left + GetColumnWidth(0);
    const int halfWidth = DpiScaled(kZoneHalfWidth, WindowDpi(m_hWnd));
    return boundary - halfWidth < x && x < boundary + halfWidth;
}

void UIPropertyGridCtrl::DragTo(int x)
{
    GetClientRect(&m_boundsRect);
    const int minimumValueWidth = DpiScaled(kMinimumValueWidth, WindowDpi(m_hWnd));
    if (m_boundsRect.right - x < minimumValueWidth)
        x = m_boundsRect.right - minimumValueWidth;
    SetColumnWidth(0, x - m_boundsRect.left);
    SetColumnWidth(1, m_boundsRect.right - x);
}

LRESULT UIPropertyGridCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const LRESULT result = UIGridCtrl::WindowProc(message, wParam, lParam);
        if (result != -1)
            GetClientRect(&m_boundsRect);
        return result;
    }
    case WM_SETCURSOR: {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        ScreenToClient(&cursor);
        if (InSplitterZone(cursor.x)) {
            ::SetCursor(m_hSplitterCursor);
            return TRUE;
        }
        break;
    }
    case WM_LBUTTONDOWN:
        if (InSplitterZone(GET_X_LPARAM(lParam))) {
            m_bDragging = true;
            return 0;
        }
        break;
    case WM_MOUSEMOVE: {
        const LRESULT result = UIGridCtrl::WindowProc(message, wParam, lParam);
        if (m_bDragging && (wParam & MK_LBUTTON) != 0)
            DragTo(GET_X_LPARAM(lParam));
        return result;
    }
    case WM_LBUTTONUP:
        m_bDragging = false;
        break;
    default:
        break;
    }
    return UIGridCtrl::WindowProc(message, wParam, lParam);
}

bool UIPropertyGridCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == LVN_ITEMCHANGED) {
        // Another row may be selected: the label below shows the selected row.
        ::InvalidateRect(::GetDlgItem(::GetParent(m_hWnd), UIPropertyGrid::kLabelId), nullptr, TRUE);
        *result = 0;
        return true;
    }
    return UIGridCtrl::OnChildNotify(message, wParam, lParam, result);
}
