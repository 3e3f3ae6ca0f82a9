// The grid on real windows, inside the property pane as the main dialog sets
// it up: which clicks open which editor, how editors end, what is reported
// to the dialog, and the model operations.
#include "tests/support/message_pump.h"
#include "tests/support/plain_evaluator.h"
#include "tests/support/tool_tip_text.h"
#include "tests/ui/grid/support/property_pane.h"
#include "ui/dialogs/registered_messages.h"
#include "ui/grid/cell_kind.h"
#include "ui/grid/ui_grid_edit_real.h"

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

// Where a window lies, in the grid's client coordinates.
RECT PlacedIn(HWND grid, HWND window)
{
    RECT placed{};
    GetWindowRect(window, &placed);
    MapWindowPoints(nullptr, grid, reinterpret_cast<POINT*>(&placed), 2);
    return placed;
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

// Faults: the editor placed off the cell, the text not selected, the mouse
// not held (a click elsewhere would be lost), a second editor opened.
TEST(UIGridCtrlTest, TextEditorOpensOverTheCellWithItsTextSelectedAndHoldsTheMouse)
{
    PropertyPane pane;
    UIGridCtrl& grid = pane.Grid();
    pane.ClickCell(PropertyPane::TextRow, 1);
    const HWND editor = pane.Editor();
    ASSERT_NE(nullptr, editor);
    const RECT placed = PlacedIn(grid, editor);
    const RECT cell = pane.Cell(PropertyPane::TextRow, 1);
    EXPECT_EQ(cell.left, placed.left);
    EXPECT_EQ(cell.top, placed.top);
    EXPECT_EQ(cell.bottom, placed.bottom);
    DWORD start = 1, end = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(5u, end);
    EXPECT_EQ(editor, GetFocus());
    EXPECT_EQ(editor, GetCapture());
    EXPECT_TRUE(grid.IsEditing());
    // While it is open, a click that reaches the grid opens nothing new, and
    // a click inside the editor keeps it open.
    pane.ClickCell(PropertyPane::ComboRow, 1);
    EXPECT_EQ(nullptr, FindWindowExA(grid, nullptr, "ComboBox", nullptr));
    ClickCaptured(editor, ScreenCentre(cell, grid));
    EXPECT_TRUE(IsWindow(editor));
    EXPECT_EQ(editor, GetCapture());
}

// Scenario rows: a cell's editor is opened, given a text, ended one way;
// then the cell shows a text, the editor is open or gone, and the pane has
// heard of the end (kill focus, passed on by no one) or of a choice.
TEST(UIGridCtrlTest, EachWayOfEndingAnEditorGivesTheCellItsTextAndReport)
{
    enum End { Enter, Tab, ClickOutside };
    const struct {
        const char* scenario;  // and the fault it catches
        int row;
        const char* typed;  // null: the editor's own text stays
        End end;
        bool stillOpen;
        const char* shown;
        size_t killFocusReports;
        int choiceReported;  // item reported to the dialog, -1: none
    } rows[] = {
        {"an emptied text is not committed", PropertyPane::TextRow, "", Enter, true, "hello", 1, -1},
        {"Enter commits", PropertyPane::TextRow, "by enter", Enter, false, "by enter", 1, -1},
        {"Tab commits", PropertyPane::TextRow, "by tab", Tab, false, "by tab", 1, -1},
        {"a click outside commits", PropertyPane::TextRow, "outside", ClickOutside, false, "outside", 1, -1},
        {"a list commits its preselected item", PropertyPane::ListRow, nullptr, ClickOutside, false, "Two", 0, 1},
        {"a combo box changes nothing", PropertyPane::ComboRow, nullptr, ClickOutside, false, "Red", 0, -1},
    };
    const auto& named = UIRegisteredMessages();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.scenario);
        PropertyPane pane;
        UIGridCtrl& grid = pane.Grid();
        PostedMessageRecorder recorder({named.OnKillFocus, named.OnSelchange});
        pane.ClickCell(row.row, 1);
        const HWND editor = pane.Editor();
        ASSERT_NE(nullptr, editor);
        if (row.typed != nullptr)
            SetWindowTextA(editor, row.typed);
        if (row.end == ClickOutside)
            ClickCaptured(editor, ScreenCentre(pane.Cell(PropertyPane::BrowseRow, 0), grid));
        else
            PressKey(editor, row.end == Enter ? VK_RETURN : VK_TAB);
        EXPECT_EQ(row.stillOpen, IsWindow(editor) != FALSE);
        EXPECT_EQ(row.stillOpen, editor == GetCapture());
        EXPECT_STREQ(row.shown, grid.GetItemText(row.row, 1));
        size_t killFocus = 0;
        int choice = -1;
        for (const PostedMessage& posted : recorder.To(pane.m_pane)) {
            if (posted.message == named.OnKillFocus) {
                ++killFocus;
                EXPECT_EQ(CellAddress(row.row, 1), posted.wParam);
                EXPECT_EQ(reinterpret_cast<LPARAM>(&grid), posted.lParam);
            }
        }
        for (const PostedMessage& posted : recorder.To(pane.m_host))
            if (posted.message == named.OnSelchange)
                choice = static_cast<int>(posted.lParam);
        EXPECT_EQ(row.killFocusReports, killFocus);
        EXPECT_EQ(row.choiceReported, choice);
        if (row.typed != nullptr && !row.stillOpen) {
            EXPECT_STREQ(row.typed, grid.GetCellItemText(row.row, 1, 0));
        }
    }
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
    for (int row = 0; row <= PropertyPane::RowCount; ++row)
        EXPECT_EQ(nullptr, grid.FindRow(row)) << row;
    EXPECT_EQ(PropertyPane::RowCount, grid.GetItemCount());  // the list keeps its items
}

TEST(UIGridCtrlTest, AComboChoiceReachesTheDialogInThreeHops)
{
    PropertyPane pane;
    UIGridCtrl& grid = pane.Grid();
    const UINT onSelchange = UIRegisteredMessages().OnSelchange;
    PostedMessageRecorder recorder({onSelchange});

    pane.ClickCell(PropertyPane::ComboRow, 1);
    const HWND combo = pane.Editor();
    ASSERT_NE(nullptr, combo);
    EXPECT_EQ(3, SendMessageA(combo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, SendMessageA(combo, CB_GETCURSEL, 0, 0));  // the shown text
    EXPECT_EQ(combo, GetFocus());
    EXPECT_EQ(combo, GetCapture());
    EXPECT_FALSE(grid.IsEditing());
    // The user drops the list down and picks the third item.
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(combo, CB_SETCURSEL, 2, 0);
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    Settle();
    EXPECT_FALSE(IsWindow(combo));
    EXPECT_STREQ("Blue", grid.GetItemText(PropertyPane::ComboRow, 1));
    const HWND hops[] = {grid.m_hWnd, pane.m_pane.m_hWnd, pane.m_host.m_hWnd};
    ASSERT_EQ(3u, recorder.Messages().size());
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(hops[i], recorder.Messages()[i].window) << i;
        EXPECT_EQ(CellAddress(PropertyPane::ComboRow, 1), recorder.Messages()[i].wParam) << i;
        EXPECT_EQ(2, recorder.Messages()[i].lParam) << i;
    }
}

// Fault: a list opens on its first item whatever the cell shows. It reaches
// below the cell (50 pixels, less what the list box takes off to show whole
// items); a shown text that is not among the items preselects item 0.
TEST(UIGridCtrlTest, AClickOutsideAListEditorCommitsThePreselectedItem)
{
    PropertyPane pane;
    UIGridCtrl& grid = pane.Grid();
    pane.ClickCell(PropertyPane::ListRow, 1);
    HWND list = pane.Editor();
    ASSERT_NE(nullptr, list);
    const RECT placed = PlacedIn(grid, list);
    const RECT cell = pane.Cell(PropertyPane::ListRow, 1);
    EXPECT_EQ(cell.top, placed.top);
    EXPECT_GT(placed.bottom, cell.bottom + 25);
    EXPECT_EQ(1, SendMessageA(list, LB_GETCURSEL, 0, 0));
    ClickCaptured(list, ScreenCentre(pane.Cell(PropertyPane::ComboRow, 0), grid));
    grid.SetItemText(PropertyPane::ListRow, 1, "none of them");
    pane.ClickCell(PropertyPane::ListRow, 1);
    list = pane.Editor();
    ASSERT_NE(nullptr, list);
    ClickCaptured(list, ScreenCentre(pane.Cell(PropertyPane::ComboRow, 0), grid));
    EXPECT_STREQ("One", grid.GetItemText(PropertyPane::ListRow, 1));
}

TEST(UIGridCtrlTest, ARealCellOpensAtFiveDecimalsAndAnInvalidNumberKeepsItsEditorOpen)
{
    PropertyPane pane;
    UIGridCtrl& grid = pane.Grid();
    PostedMessageRecorder recorder({UIRegisteredMessages().OnKillFocus});
    pane.ClickCell(PropertyPane::RealRow, 1);
    const HWND editor = pane.Editor();
    ASSERT_NE(nullptr, editor);
    EXPECT_STREQ("2.50000", WindowText(editor));
    auto* real = dynamic_cast<UIGridEditReal*>(CWnd::FromHandlePermanent(editor));
    ASSERT_NE(nullptr, real);

    // No evaluator: every number is refused. The balloon names the cell's
    // range and waits for a key (queued here); the text goes back to the
    // last accepted value and the edit goes on.
    SetWindowTextA(editor, "abc");
    PostMessageA(editor, WM_KEYDOWN, VK_SPACE, 0);
    PressKey(editor, VK_RETURN);
    EXPECT_TRUE(IsWindow(editor));
    EXPECT_TRUE(grid.IsEditing());
    EXPECT_EQ(editor, GetCapture());
    ASSERT_NE(nullptr, real->GetErrorTip().GetTipWindow());
    EXPECT_NE(0, GetWindowLongA(real->GetErrorTip().GetTipWindow(), GWL_STYLE) & TTS_BALLOON);
    const TTTOOLINFOA tool = real->GetErrorTip().GetToolInfo();
    EXPECT_EQ("0.00000 to 0.00000", ToolTipText(real->GetErrorTip().GetTipWindow(), &tool));
    EXPECT_STREQ("2.50000", WindowText(editor));
    EXPECT_TRUE(recorder.Messages().empty());

    // With an evaluator and room in the range, the text is taken as typed.
    PlainEvaluator numbers;
    DefaultEvaluator installed(&numbers);
    real->m_dMax = 10.0;
    SetWindowTextA(editor, "7.25");
    PressKey(editor, VK_TAB);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_STREQ("7.25", grid.GetItemText(PropertyPane::RealRow, 1));
    EXPECT_EQ(1u, recorder.To(pane.m_pane).size());
}
