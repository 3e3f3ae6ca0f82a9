#include "ui/grid/ui_grid_ctrl.h"

#include "platform/window_accessible.h"
#include "ui/dialogs/registered_messages.h"
#include "ui/grid/ui_grid_combobox.h"
#include "ui/grid/ui_grid_edit.h"
#include "ui/grid/ui_grid_edit_int.h"
#include "ui/grid/ui_grid_edit_long.h"
#include "ui/grid/ui_grid_edit_real.h"
#include "ui/grid/ui_grid_listbox.h"

#include <oleacc.h>
#include <windowsx.h>

#include <climits>
#include <cstdlib>
#include <new>

IMPLEMENT_DYNAMIC(UIGridCtrl, UIListCtrl)

namespace {

constexpr UINT kEditorId = 500;
constexpr DWORD kTextEditorStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
constexpr DWORD kListEditorStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER;
constexpr DWORD kComboEditorStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | CBS_DROPDOWNLIST;
constexpr int kListDrop = 50;  // list editors reach this far below the cell

int CellRow(WPARAM cell) { return static_cast<int>((cell >> 16) & 0xFFFF); }
int CellColumn(WPARAM cell) { return static_cast<int>(cell & 0xFFFF); }

// An editor whose window could not be made, or not set up, is still the grid's.
void Discard(CWnd* editor)
{
    editor->DestroyWindow();
    delete editor;
}

// The value text of an edit-kind cell.
CString ValueText(const UIGridCell& cell)
{
    return cell.m_items.IsEmpty() ? CString() : cell.m_items[0];
}

// The value cell of a row: column 1, bounds 0 to 0.
UIGridCell* NewValueCell(int kind)
{
    auto* cell = new UIGridCell;
    cell->m_nColumn = 1;
    cell->m_nKind = kind;
    cell->m_dMaximum = 0.0;
    return cell;
}

RECT DroppedRect(RECT cell)
{
    cell.bottom += kListDrop;
    return cell;
}

// A text or number editor over the cell, told its cell once its window
// exists; null when the window cannot be created.
template <class Editor>
Editor* CreateTextEditor(CWnd* grid, const RECT& cellRect, int row, int column)
{
    auto* editor = new Editor;
    if (!editor->Create(kTextEditorStyle, cellRect, grid, kEditorId)) {
        Discard(editor);
        return nullptr;
    }
    editor->m_nRow = row;
    editor->m_nColumn = column;
    editor->m_bOwnsItself = true;
    return editor;
}

// A cell bound truncated toward zero, kept within the 32-bit range.
int IntegerBound(double bound)
{
    if (!(bound > INT_MIN))
        return INT_MIN;
    return bound < INT_MAX ? static_cast<int>(bound) : INT_MAX;
}

void SeedInteger(UIEditInteger& editor, const UIGridCell& cell, int value)
{
    editor.m_nMin = IntegerBound(cell.m_dMinimum);
    editor.m_nMax = IntegerBound(cell.m_dMaximum);
    editor.SetWindowText(ValueText(cell));
    editor.m_nValue = value;
}

// A list editor shows its data tip and holds the focus and the mouse; the
// grid stays idle meanwhile.
template <class ListEditor>
void OpenListEditor(ListEditor& editor)
{
    editor.m_bOwnsItself = true;
    editor.EnableDataTip();
    editor.SetFocus();
    ::SetCapture(editor.GetSafeHwnd());
}

}  // namespace

UIGridCtrl::~UIGridCtrl()
{
    DeleteGridData();
}

UIGridCtrl::UIGridCtrl()
{
    EnableActiveAccessibility();
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
            if (cell == nullptr)
                existing->m_cells.Add(cell = NewValueCell(kind));
            if (items.IsEmpty())
                return true;
            cell->m_items.Copy(items);
            cell->m_itemData.RemoveAll();
            cell->m_itemData.SetSize(items.GetSize());
            return true;
        }
        auto* created = new UIGridRow;
        created->m_nRow = row;
        UIGridCell* cell = NewValueCell(kind);
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
    const CString shown = GetItemText(row, column);
    CWnd* editor = nullptr;
    switch (cell.m_nKind) {
    case CellKindEdit:
        if (auto* edit = CreateTextEditor<UIGridEdit>(this, cellRect, row, column)) {
            edit->SetWindowText(ValueText(cell));
            editor = edit;
        }
        break;
    case CellKindEditReal:
        if (auto* real = CreateTextEditor<UIGridEditReal>(this, cellRect, row, column)) {
            real->m_dMin = cell.m_dMinimum;
            real->m_dMax = cell.m_dMaximum;
            const double number = std::atof(ValueText(cell));
            CString text;
            text.Format("%.*f", m_nDecimalPlaces == -1 ? real->m_nPrecision : m_nDecimalPlaces, number);
            real->SetWindowText(text);
            real->m_dValue = number;
            editor = real;
        }
        break;
    case CellKindEditInt:
        if (auto* integer = CreateTextEditor<UIGridEditInt>(this, cellRect, row, column)) {
            SeedInteger(*integer, cell, std::atoi(ValueText(cell)));
            editor = integer;
        }
        break;
    case CellKindEditLong:
        if (auto* integer = CreateTextEditor<UIGridEditLong>(this, cellRect, row, column)) {
            SeedInteger(*integer, cell, static_cast<int>(std::atol(ValueText(cell))));
            editor = integer;
        }
        break;
    case CellKindListBox: {
        auto* list = new UIGridListbox;
        list->m_nRow = row;
        list->m_nColumn = column;
        if (!list->Create(kListEditorStyle, DroppedRect(cellRect), this, kEditorId)) {
            Discard(list);
            return false;
        }
        for (int i = 0; i < cell.m_items.GetSize(); ++i)
            list->AddString(cell.m_items[i]);
        const int found = list->FindStringExact(-1, shown);
        list->SetCurSel(found != LB_ERR ? found : 0);
        OpenListEditor(*list);
        return true;
    }
    case CellKindComboBox: {
        auto* combo = new UIGridCombobox;
        combo->m_nRow = row;
        combo->m_nColumn = column;
        if (!combo->Create(kComboEditorStyle, DroppedRect(cellRect), this, kEditorId)) {
            Discard(combo);
            return false;
        }
        for (int i = 0; i < cell.m_items.GetSize(); ++i) {
            const int added = combo->AddString(cell.m_items[i]);
            if (added >= 0 && i < cell.m_itemData.GetSize())
                combo->SetItemData(added, static_cast<DWORD_PTR>(cell.m_itemData[i]));
        }
        const int found = combo->FindStringExact(-1, shown);
        combo->SetCurSel(found != CB_ERR ? found : 0);
        OpenListEditor(*combo);
        return true;
    }
    default:
        return true;  // editbrowse: nothing opens in place
    }
    if (editor == nullptr)
        return false;
    // A text or number editor is open: it holds the focus, the whole text
    // selected, and the mouse, so a click anywhere reaches it.
    m_pActiveEditor = editor;
    editor->SetFocus();
    editor->SendMessage(EM_SETSEL, 0, -1);
    editor->SendMessage(EM_SCROLLCARET);
    ::SetCapture(editor->GetSafeHwnd());
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

// The keys that open the selected row's value editor without the mouse, as
// they open a drop-down list elsewhere: F2, F4 and Alt+Down.
static bool IsOpenEditorKey(const MSG& msg)
{
    if (msg.message == WM_KEYDOWN)
        return msg.wParam == VK_F2 || msg.wParam == VK_F4;
    return msg.message == WM_SYSKEYDOWN && msg.wParam == VK_DOWN;
}

bool UIGridCtrl::PreTranslateMessage(MSG* msg)
{
    if (msg->hwnd == m_hWnd && !m_bEditing && IsOpenEditorKey(*msg)) {
        const int row = GetNextItem(-1, LVNI_SELECTED);
        RECT cellRect{};
        if (row >= 0 && GetSubItemRect(row, 1, LVIR_BOUNDS, &cellRect))
            BeginCellEdit(row, 1, cellRect);
        return true;
    }
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

// Accessible children: row r is child id r + 1.

HRESULT UIGridCtrl::get_accChildCount(LONG* count)
{
    *count = GetItemCount();
    return S_OK;
}

HRESULT UIGridCtrl::get_accChild(VARIANT child, IDispatch** object)
{
    *object = nullptr;
    return AccessibleChildId(child, GetItemCount()) > 0 ? S_FALSE : E_INVALIDARG;  // rows are simple elements
}

HRESULT UIGridCtrl::get_accName(VARIANT child, BSTR* name)
{
    const LONG id = AccessibleChildId(child, GetItemCount());
    if (id == CHILDID_SELF)
        return UIListCtrl::get_accName(child, name);
    return id > 0 ? AccessibleText(GetItemText(id - 1, 0), name) : E_INVALIDARG;
}

HRESULT UIGridCtrl::get_accValue(VARIANT child, BSTR* value)
{
    const LONG id = AccessibleChildId(child, GetItemCount());
    if (id == CHILDID_SELF)
        return UIListCtrl::get_accValue(child, value);
    return id > 0 ? AccessibleText(GetItemText(id - 1, 1), value) : E_INVALIDARG;
}

HRESULT UIGridCtrl::get_accRole(VARIANT child, VARIANT* role)
{
    const LONG id = AccessibleChildId(child, GetItemCount());
    if (id < 0)
        return E_INVALIDARG;
    return AccessibleNumber(id == CHILDID_SELF ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM, role);
}

HRESULT UIGridCtrl::get_accState(VARIANT child, VARIANT* state)
{
    const LONG id = AccessibleChildId(child, GetItemCount());
    if (id == CHILDID_SELF)
        return UIListCtrl::get_accState(child, state);
    if (id < 0)
        return E_INVALIDARG;
    const auto row = static_cast<WPARAM>(id - 1);
    const auto itemState = static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, row, LVIS_SELECTED | LVIS_FOCUSED));
    LONG flags = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if ((itemState & LVIS_SELECTED) != 0)
        flags |= STATE_SYSTEM_SELECTED;
    if ((itemState & LVIS_FOCUSED) != 0 && ::GetFocus() == m_hWnd)
        flags |= STATE_SYSTEM_FOCUSED;
    return AccessibleNumber(flags, state);
}
