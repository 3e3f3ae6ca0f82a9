#include "ui/grid/ui_grid_ctrl.h"

#include "ui/dialogs/registered_messages.h"
#include "ui/grid/ui_grid_edit.h"

#include <windowsx.h>

#include <new>

IMPLEMENT_DYNAMIC(UIGridCtrl, UIListCtrl)

namespace {

constexpr UINT kEditorId = 500;
constexpr DWORD kTextEditorStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;

int CellRow(WPARAM cell) { return static_cast<int>((cell >> 16) & 0xFFFF); }
int CellColumn(WPARAM cell) { return static_cast<int>(cell & 0xFFFF); }

// An editor whose window exists deletes itself when the window goes.
void Discard(CWnd* editor)
{
    if (editor->GetSafeHwnd() != nullptr)
        editor->DestroyWindow();
    else
        delete editor;
}

// The value text of an edit-kind cell.
CString ValueText(const UIGridCell& cell)
{
    return cell.m_items.IsEmpty() ? CString() : cell.m_items[0];
}

}  // namespace

UIGridCtrl::~UIGridCtrl()
{
    DeleteGridData();
}

void UIGridCtrl::PreSubclassWindow()
{
    m_hHandCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    UIListCtrl::PreSubclassWindow();
}

bool UIGridCtrl::SetValueCell(int row, const CStringArray& items, int kind)
{
    if (row > GetItemCount())
        return false;
    try {
        if (UIGridRow* existing = FindRow(row)) {
            UIGridCell* cell = existing->FindCell(1);
            if (cell == nullptr) {
                cell = new UIGridCell;
                cell->m_nColumn = 1;
                cell->m_nKind = kind;
                cell->m_dMaximum = 0.0;
                existing->m_cells.Add(cell);
            }
            if (items.IsEmpty())
                return true;
            cell->m_items.Copy(items);
            cell->m_itemData.RemoveAll();
            cell->m_itemData.SetSize(items.GetSize());
            return true;
        }
        auto* created = new UIGridRow;
        created->m_nRow = row;
        auto* cell = new UIGridCell;
        cell->m_nColumn = 1;
        cell->m_nKind = kind;
        cell->m_dMaximum = 0.0;
        cell->m_items.Copy(items);
        cell->m_itemData.SetSize(items.GetSize());
        created->m_cells.Add(cell);
        m_rows.Add(created);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

CString UIGridCtrl::GetCellItemText(int row, int column, int itemIndex) const
{
    if (itemIndex == -1)
        return GetItemText(row, column);
    const UIGridRow* found = FindRow(row);
    const UIGridCell* cell = found != nullptr ? found->FindCell(column) : nullptr;
    if (cell == nullptr || itemIndex < 0 || itemIndex >= cell->m_items.GetSize())
        return CString();
    return cell->m_items[itemIndex];
}

int UIGridCtrl::SelectCellItem(int row, int itemIndex)
{
    if (row >= GetItemCount())
        return -1;
    const UIGridRow* found = FindRow(row);
    const UIGridCell* cell = found != nullptr ? found->FindCell(1) : nullptr;
    if (cell == nullptr || itemIndex < 0 || itemIndex >= cell->m_items.GetSize())
        return -1;
    SetItemText(row, 1, cell->m_items[itemIndex]);
    return itemIndex;
}

void UIGridCtrl::DeleteGridData()
{
    for (int i = 0; i < m_rows.GetSize(); ++i)
        delete m_rows[i];
    m_rows.RemoveAll();
}

UIGridRow* UIGridCtrl::FindRow(int row) const
{
    for (int i = 0; i < m_rows.GetSize(); ++i) {
        if (m_rows[i]->m_nRow == row)
            return m_rows[i];
    }
    return nullptr;
}

bool UIGridCtrl::BeginCellEdit(int row, int column, const RECT& cellRect)
{
    const UIGridRow* found = FindRow(row);
    if (m_bEditing)
        return false;  // one text or number editor at a time
    if (row >= GetItemCount() || found == nullptr)
        return false;
    for (int i = 0; i < found->m_cells.GetSize(); ++i) {
        const UIGridCell& cell = *found->m_cells[i];
        if (cell.m_nColumn != column)
            continue;
        if (!cell.m_bEditable || !OpenEditor(cell, row, column, cellRect))
            return false;
    }
    m_nEditRow = row;
    m_nEditColumn = column;
    return true;
}

bool UIGridCtrl::OpenEditor(const UIGridCell& cell, int row, int column, const RECT& cellRect)
{
    switch (cell.m_nKind) {
    case CellKindEdit: {
        auto* editor = new UIGridEdit;
        if (!editor->Create(kTextEditorStyle, cellRect, this, kEditorId)) {
            Discard(editor);
            return false;
        }
        editor->m_nRow = row;
        editor->m_nColumn = column;
        editor->SetWindowText(ValueText(cell));
        m_pActiveEditor = editor;
        break;
    }
    default:
        return true;  // editbrowse: nothing opens in place
    }
    // A text or number editor is open: it holds the focus, the whole text
    // selected, and the mouse, so a click anywhere reaches it.
    m_pActiveEditor->SetFocus();
    m_pActiveEditor->SendMessage(EM_SETSEL, 0, -1);
    m_pActiveEditor->SendMessage(EM_SCROLLCARET);
    ::SetCapture(m_pActiveEditor->GetSafeHwnd());
    m_bEditing = true;
    return true;
}

void UIGridCtrl::TabToCell(bool backwards)
{
    const UIGridRow* found = m_nEditRow == -1 ? (m_rows.IsEmpty() ? nullptr : m_rows[0]) : FindRow(m_nEditRow);
    if (found == nullptr)
        return;
    const UIGridCell* target = nullptr;
    if (backwards) {
        for (int i = found->m_cells.GetSize() - 1; i >= 0 && target == nullptr; --i) {
            if (found->m_cells[i]->m_nColumn < m_nEditColumn)
                target = found->m_cells[i];
        }
    } else {
        for (int i = 0; i < found->m_cells.GetSize() && target == nullptr; ++i) {
            if (found->m_cells[i]->m_nColumn > m_nEditColumn)
                target = found->m_cells[i];
        }
    }
    if (target == nullptr)
        return;  // never on to another row
    RECT cellRect{};
    if (!GetSubItemRect(m_nEditRow, target->m_nColumn, target->m_nColumn == 0 ? LVIR_LABEL : LVIR_BOUNDS, &cellRect))
        return;
    BeginCellEdit(m_nEditRow, target->m_nColumn, cellRect);
}

bool UIGridCtrl::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_TAB) {
        TabToCell(::GetKeyState(VK_SHIFT) < 0);
        return true;  // Tab never leaves the grid
    }
    return UIListCtrl::PreTranslateMessage(msg);
}

void UIGridCtrl::OnClick(WPARAM flags, POINT point)
{
    UIListCtrl::WindowProc(WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));  // keeps the flags, selects the row
    if (!IsReportView())
        return;
    RECT cellRect{};
    int column = 0;
    const int row = HitTestCell(point, &cellRect, &column);
    if (row >= 0)
        BeginCellEdit(row, column, cellRect);
}

bool UIGridCtrl::OnSetCursor()
{
    if (!IsReportView())
        return false;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    RECT cellRect{};
    int column = 0;
    const int row = HitTestCell(cursor, &cellRect, &column);
    const UIGridRow* found = row >= 0 ? FindRow(row) : nullptr;
    const UIGridCell* cell = found != nullptr ? found->FindCell(column) : nullptr;
    if (cell == nullptr || !cell->m_bEditable)
        return false;
    ::SetCursor(m_hHandCursor);
    return true;
}

LRESULT UIGridCtrl::OnCellListChoice(WPARAM cell, LPARAM item)
{
    if (item == -1)
        return 0;
    const int row = CellRow(cell);
    const int column = CellColumn(cell);
    const CString text = GetCellItemText(row, column, static_cast<int>(item));
    if (!text.IsEmpty())
        SetItemText(row, column, text);
    ::PostMessageA(::GetParent(m_hWnd), UIRegisteredMessages().OnSelchange, cell, item);
    return 0;
}

LRESULT UIGridCtrl::OnCellEditEnd(WPARAM cell, LPARAM text)
{
    auto* edited = reinterpret_cast<CString*>(text);
    if (edited != nullptr && !edited->IsEmpty()) {
        const int row = CellRow(cell);
        const int column = CellColumn(cell);
        SetItemText(row, column, *edited);
        if (UIGridRow* found = FindRow(row); found != nullptr && !found->m_cells.IsEmpty()) {
            UIGridCell* target = found->FindCell(column);
            if (target == nullptr)
                target = found->m_cells[found->m_cells.GetUpperBound()];
            if (target->m_items.IsEmpty())
                target->m_items.Add(*edited);
            else
                target->m_items[0] = *edited;
        }
        ::ReleaseCapture();
        if (m_pActiveEditor != nullptr)
            m_pActiveEditor->DestroyWindow();  // the editor deletes itself
        m_pActiveEditor = nullptr;
        m_bEditing = false;
    }
    // An empty text commits nothing: the editor stays open with the mouse.
    ::PostMessageA(::GetParent(m_hWnd), UIRegisteredMessages().OnKillFocus, cell, reinterpret_cast<LPARAM>(this));
    delete edited;
    return 0;
}

LRESULT UIGridCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const UIRegisteredMessageTable& named = UIRegisteredMessages();
    if (message == named.OnSelchange)
        return OnCellListChoice(wParam, lParam);
    if (message == named.OnKillFocus)
        return OnCellEditEnd(wParam, lParam);
    switch (message) {
    case WM_LBUTTONDOWN:
        OnClick(wParam, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor())
            return TRUE;
        break;
    default:
        break;
    }
    return UIListCtrl::WindowProc(message, wParam, lParam);
}
