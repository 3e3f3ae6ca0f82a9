#include "ui/grid/ui_list_ctrl.h"

#include "platform/registry_key.h"
#include "ui/dialogs/registered_messages.h"

#include <windowsx.h>

#include <algorithm>
#include <new>

IMPLEMENT_DYNAMIC(UIListCtrl, CBCGPListCtrl)

namespace {

constexpr char kColumnCountValue[] = "Number of columns";
constexpr int kMissingWidth = 75;

CString ColumnWidthValue(int column)
{
    CString name;
    name.Format("Column %d width", column);
    return name;
}

}  // namespace

UIListCtrl::~UIListCtrl()
{
    // Destroyed while still a list control, so that it saves its widths.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    m_imageList.Detach();  // the owner's image list outlives the control
}

void UIListCtrl::PreSubclassWindow()
{
    m_font.Init(this, false);
    LoadColumnWidths();
    CBCGPListCtrl::PreSubclassWindow();
}

int UIListCtrl::HitTestCell(POINT point, RECT* cellRect, int* column) const
{
    const int count = GetItemCount();
    if (count == 0)
        return -1;
    const int first = GetTopIndex();
    const int last = std::min(first + GetCountPerPage(), count);
    const int columns = GetHeaderCtrl()->GetItemCount();
    RECT client{};
    GetClientRect(&client);
    for (int index = first; index <= last; ++index) {
        RECT bounds{};
        GetItemRect(index, &bounds, LVIR_BOUNDS);
        if (!::PtInRect(&bounds, point) || columns <= 0)
            continue;
        int x = bounds.left;
        for (int i = 0; i < columns; ++i) {
            const int width = GetColumnWidth(i);
            if (x <= point.x && point.x <= x + width) {
                if (point.x > client.right)
                    return -1;
                if (column != nullptr)
                    *column = i;
                *cellRect = {x, bounds.top, std::min(x + width, static_cast<int>(client.right)), bounds.bottom};
                return index;
            }
            x += width;
        }
    }
    return -1;
}

bool UIListCtrl::GetDataTipCell(POINT point, CString* text, RECT* cell) const
{
    if (!IsReportView())
        return false;
    int column = 0;
    const int row = HitTestCell(point, cell, &column);
    *text = row >= 0 ? GetItemText(row, column) : CString();
    return true;
}

void UIListCtrl::SaveColumnWidths()
{
    if (!IsReportView() || m_strColumnKeyPath.IsEmpty())
        return;
    const int columns = GetHeaderCtrl()->GetItemCount();
    const RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, m_strColumnKeyPath);
    if (!key)
        return;
    for (int i = 0; i < columns; ++i)
        key.SetDword(ColumnWidthValue(i), static_cast<DWORD>(GetColumnWidth(i)));
    key.SetDword(kColumnCountValue, static_cast<DWORD>(columns));
}

void UIListCtrl::LoadColumnWidths()
{
    if (!IsReportView() || m_strColumnKeyPath.IsEmpty())
        return;
    const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, m_strColumnKeyPath);
    if (!key) {
        // First start: spread the client width evenly, the rest to the last column.
        RECT client{};
        GetClientRect(&client);
        const int width = client.right - client.left;
        const int columns = GetHeaderCtrl()->GetItemCount();
        if (columns == 0)
            return;
        for (int i = 0; i < columns - 1; ++i)
            SetColumnWidth(i, width / columns);
        SetColumnWidth(columns - 1, width - (columns - 1) * (width / columns));
        return;
    }
    DWORD count = 0;
    if (key.QueryDword(kColumnCountValue, &count)) {
        // The stored count rules, even when the control has fewer columns.
        for (DWORD i = 0; i < count; ++i) {
            DWORD width = 0;
            const int column = static_cast<int>(i);
            SetColumnWidth(column, key.QueryDword(ColumnWidthValue(column), &width) ? LOWORD(width) : kMissingWidth);
        }
    }
}

void UIListCtrl::ReportMultiSelection()
{
    const int count = static_cast<int>(GetSelectedCount());
    if (count <= 0)
        return;
    int* selected = new (std::nothrow) int[static_cast<size_t>(count)];
    if (selected == nullptr)
        return;
    int filled = 0;
    for (int item = GetNextItem(-1, LVNI_SELECTED); item != -1 && filled < count;
         item = GetNextItem(item, LVNI_SELECTED))
        selected[filled++] = item;
    ::PostMessageA(::GetParent(m_hWnd), UIRegisteredMessages().OnEndMultiSelection, static_cast<WPARAM>(count),
                   reinterpret_cast<LPARAM>(selected));
}

LRESULT UIListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        m_nLastClickFlags = static_cast<UINT>(wParam);
        break;
    case WM_KEYUP: {
        // Only a list that was clicked, with the cursor over the value column.
        if ((m_nLastClickFlags & MK_LBUTTON) == 0)
            return 0;
        LVHITTESTINFO hit{};
        ::GetCursorPos(&hit.pt);
        ScreenToClient(&hit.pt);
        SubItemHitTest(&hit);
        if (hit.iSubItem != 1)
            return 0;
        if (wParam == VK_SHIFT || wParam == VK_CONTROL)
            ReportMultiSelection();
        break;
    }
    case WM_DESTROY:
        SaveColumnWidths();
        break;
    default:
        break;
    }
    return CBCGPListCtrl::WindowProc(message, wParam, lParam);
}
