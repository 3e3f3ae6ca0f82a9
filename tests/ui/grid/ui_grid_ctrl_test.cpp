// The grid on real windows, inside the property pane as the main dialog sets
// it up: which clicks open which editor, how editors end, what is reported
// to the dialog, and the model operations.
#include "tests/support/message_pump.h"
#include "tests/ui/grid/support/property_pane.h"
#include "ui/dialogs/registered_messages.h"
#include "ui/grid/cell_kind.h"

#include <gtest/gtest.h>

namespace {

WPARAM CellAddress(int row, int column)
{
    return static_cast<WPARAM>((row << 16) | column);
}

CString WindowText(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

POINT ScreenCentre(const RECT& rect, HWND window)
{
    POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(window, &point);
    return point;
}

}  // namespace

TEST(UIGridCtrlTest, ClickOnTheNameColumnOrAnEditbrowseCellOpensNothing)
{
    PropertyPane pane;
    UIGridCtrl& grid = pane.Grid();

    pane.ClickCell(PropertyPane::TextRow, 0);
    EXPECT_EQ(PropertyPane::TextRow, grid.GetNextItem(-1, LVNI_SELECTED));  // only selected
    EXPECT_EQ(nullptr, pane.Editor());
    EXPECT_FALSE(grid.IsEditing());

    // An editbrowse cell opens nothing in place but is the last edited cell.
    pane.ClickCell(PropertyPane::BrowseRow, 1);
    EXPECT_EQ(nullptr, pane.Editor());
    EXPECT_EQ(PropertyPane::BrowseRow, grid.GetEditRow());
    EXPECT_EQ(1, grid.GetEditColumn());
    EXPECT_EQ(nullptr, GetCapture());
}

TEST(UIGridCtrlTest, TextEditorCommitsOnEnterTabAndAClickOutsideButNotAnEmptyText)
{
    PropertyPane pane;
    UIGridCtrl& grid = pane.Grid();
    const UINT onKillFocus = UIRegisteredMessages().OnKillFocus;
    PostedMessageRecorder recorder({onKillFocus});
    const WPARAM address = CellAddress(PropertyPane::TextRow, 1);

    pane.ClickCell(PropertyPane::TextRow, 1);
    HWND editor = pane.Editor();
    ASSERT_NE(nullptr, editor);
    RECT placed{};
    GetWindowRect(editor, &placed);
    MapWindowPoints(nullptr, grid, reinterpret_cast<POINT*>(&placed), 2);
    const RECT cell = pane.Cell(PropertyPane::TextRow, 1);
    EXPECT_EQ(cell.left, placed.left);
    EXPECT_EQ(cell.top, placed.top);
    EXPECT_EQ(cell.bottom, placed.bottom);
    EXPECT_STREQ("hello", WindowText(editor));
    DWORD start = 1, end = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(5u, end);
    EXPECT_EQ(editor, GetFocus());
    EXPECT_EQ(editor, GetCapture());
    EXPECT_TRUE(grid.IsEditing());

    // While it is open, a click that reaches the grid opens nothing new.
    pane.ClickCell(PropertyPane::ComboRow, 1);
    EXPECT_EQ(nullptr, FindWindowExA(grid, nullptr, "ComboBox", nullptr));
    EXPECT_EQ(editor, GetCapture());

    // An empty text is not committed, but the grid's parent still hears of it.
    SetWindowTextA(editor, "");
    PressKey(editor, VK_RETURN);
    EXPECT_EQ(editor, pane.Editor());
    EXPECT_EQ(editor, GetCapture());
    EXPECT_TRUE(grid.IsEditing());
    ASSERT_EQ(1u, recorder.To(pane.m_pane).size());
    EXPECT_EQ(address, recorder.To(pane.m_pane)[0].wParam);
    EXPECT_EQ(reinterpret_cast<LPARAM>(&grid), recorder.To(pane.m_pane)[0].lParam);
    EXPECT_TRUE(recorder.To(pane.m_host).empty());  // the pane does not pass it on

    SetWindowTextA(editor, "by enter");
    PressKey(editor, VK_RETURN);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_STREQ("by enter", grid.GetItemText(PropertyPane::TextRow, 1));
    EXPECT_STREQ("by enter", grid.GetCellItemText(PropertyPane::TextRow, 1, 0));
    EXPECT_EQ(2u, recorder.To(pane.m_pane).size());

    pane.ClickCell(PropertyPane::TextRow, 1);
    editor = pane.Editor();
    ASSERT_NE(nullptr, editor);
    EXPECT_STREQ("by enter", WindowText(editor));
    SetWindowTextA(editor, "by tab");
    PressKey(editor, VK_TAB);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_STREQ("by tab", grid.GetItemText(PropertyPane::TextRow, 1));

    pane.ClickCell(PropertyPane::TextRow, 1);
    editor = pane.Editor();
    ASSERT_NE(nullptr, editor);
    SetWindowTextA(editor, "inside");
    // A click inside keeps the edit going; one outside (on the name column) commits.
    ClickCaptured(editor, ScreenCentre(pane.Cell(PropertyPane::TextRow, 1), grid));
    EXPECT_TRUE(IsWindow(editor));
    ClickCaptured(editor, ScreenCentre(pane.Cell(PropertyPane::ComboRow, 0), grid));
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_STREQ("inside", grid.GetItemText(PropertyPane::TextRow, 1));
    EXPECT_EQ(4u, recorder.To(pane.m_pane).size());
}

TEST(UIGridCtrlTest, TabMovesWithinTheEditedRowOnlyAndNeverLeavesTheGrid)
{
    PropertyPane pane;
    UIGridCtrl& grid = pane.Grid();
    grid.SetFocus();
    // Before any cell was edited, Tab opens nothing and stays in the grid.
    PressKey(grid, VK_TAB);
    EXPECT_EQ(nullptr, pane.Editor());
    EXPECT_EQ(grid.m_hWnd, GetFocus());

    // A second editable cell in column 0 of the text row.
    auto* nameCell = new UIGridCell;
    nameCell->m_nColumn = 0;
    nameCell->m_nKind = CellKindEdit;
    nameCell->m_items.Add("Title");
    grid.FindRow(PropertyPane::TextRow)->m_cells.Add(nameCell);

    pane.ClickCell(PropertyPane::TextRow, 1);
    PressKey(pane.Editor(), VK_RETURN);
    ASSERT_EQ(nullptr, pane.Editor());
    // From the last cell of the row, Tab goes nowhere (not to the next row).
    PressKey(grid, VK_TAB);
    EXPECT_EQ(nullptr, pane.Editor());
    EXPECT_EQ(1, grid.GetEditColumn());

    // Shift+Tab goes back to column 0 of the same row.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE shift = keys[VK_SHIFT];
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    PressKey(grid, VK_TAB);
    keys[VK_SHIFT] = shift;
    SetKeyboardState(keys);
    const HWND editor = pane.Editor();
    ASSERT_NE(nullptr, editor);
    EXPECT_STREQ("Title", WindowText(editor));
    EXPECT_EQ(PropertyPane::TextRow, grid.GetEditRow());
    EXPECT_EQ(0, grid.GetEditColumn());
    PressKey(editor, VK_RETURN);
}

TEST(UIGridCtrlTest, SetValueCellAcceptsARowAtTheItemCountAndNotPastIt)
{
    PropertyPane pane;
    UIGridCtrl& grid = pane.Grid();
    CStringArray items;
    items.Add("x");
    EXPECT_TRUE(grid.SetValueCell(PropertyPane::RowCount, items, CellKindEdit));
    EXPECT_FALSE(grid.SetValueCell(PropertyPane::RowCount + 2, items, CellKindEdit));
    EXPECT_EQ(nullptr, grid.FindRow(PropertyPane::RowCount + 2));
    ASSERT_NE(nullptr, grid.FindRow(PropertyPane::RowCount));
    EXPECT_STREQ("x", grid.GetCellItemText(PropertyPane::RowCount, 1, 0));

    // Refilling with no items keeps the items and the kind.
    EXPECT_TRUE(grid.SetValueCell(PropertyPane::ComboRow, CStringArray(), CellKindEdit));
    const UIGridCell* cell = grid.FindRow(PropertyPane::ComboRow)->FindCell(1);
    EXPECT_EQ(CellKindComboBox, cell->m_nKind);
    EXPECT_EQ(3, cell->m_items.GetSize());
    EXPECT_EQ(-1, grid.SelectCellItem(PropertyPane::ComboRow, 3));
    EXPECT_EQ(2, grid.SelectCellItem(PropertyPane::ComboRow, 2));
    EXPECT_STREQ("Blue", grid.GetItemText(PropertyPane::ComboRow, 1));
    EXPECT_EQ(-1, grid.SelectCellItem(PropertyPane::RowCount, 0));  // the model row has no list item

    grid.DeleteGridData();
    EXPECT_TRUE(grid.GetRows().IsEmpty());
    EXPECT_EQ(PropertyPane::RowCount, grid.GetItemCount());  // the list keeps its items
}
