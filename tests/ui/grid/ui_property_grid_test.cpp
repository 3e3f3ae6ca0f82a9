// The property pane on real windows as the main dialog sets it up: the cell
// editors and their reports, the rows, the columns and the description label.
#include "tests/support/host_window.h"
#include "tests/support/message_log.h"
#include "tests/support/message_pump.h"
#include "tests/support/pointer.h"
#include "tests/support/tool_tip_text.h"
#include "tests/support/window_image.h"
#include "ui/dialogs/registered_messages.h"
#include "ui/grid/cell_kind.h"
#include "ui/grid/ui_grid_edit_real.h"
#include "ui/grid/ui_property_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

enum Row { ComboRow, ListRow, TextRow, RealRow, BrowseRow, UnlistedRow, RowCount };

// A visible top-level window holding a placeholder static bound to a
// UIPropertyGrid, with one row per sample attribute.
struct PropertyPane {
    PropertyPane()
    {
        const HWND placeholder = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 400, 300, m_host,
                                                 reinterpret_cast<HMENU>(1003), GetModuleHandleA(nullptr), nullptr);
        SendMessageA(placeholder, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        EXPECT_TRUE((m_pane.SubclassWindow)(placeholder));  // not the macro of <windowsx.h>
        const struct { const char* name; int kind; std::vector<const char*> items; const char* shown; } rows[] = {
            {"Colour", CellKindComboBox, {"Red", "Green", "Blue"}, "Red"},
            {"Choice", CellKindListBox, {"One", "Two", "Three"}, "Two"},
            {"Title", CellKindEdit, {"hello"}, "hello"},
            {"Ratio", CellKindEditReal, {"2.5"}, "2.5"},
            {"Folder", CellKindEditBrowse, {"C:\\data"}, "C:\\data"},
            {"Spare", CellKindListBox, {"One", "Two"}, "none of them"},
        };
        for (int row = 0; row < RowCount; ++row) {
            CStringArray items;
            for (const char* item : rows[row].items)
                items.Add(item);
            EXPECT_TRUE(m_pane.SetRowLabel(row, rows[row].name));
            m_pane.m_descriptions.Add("About " + CString(rows[row].name));
            EXPECT_TRUE(Grid().SetValueCell(row, items, rows[row].kind));
            Grid().SetItemText(row, 1, rows[row].shown);
        }
        PumpPendingMessages();
    }
    ~PropertyPane()
    {
        m_host.DestroyWindow();
        PumpPendingMessages();
    }

    UIGridCtrl& Grid() { return m_pane.m_grid; }
    // The open editor (control 500 of the grid), or null.
    HWND Editor() { return GetDlgItem(Grid().m_hWnd, 500); }
    RECT Cell(int row, int column)
    {
        RECT cell{};
        Grid().GetSubItemRect(row, column, column == 0 ? LVIR_LABEL : LVIR_BOUNDS, &cell);
        return cell;
    }
    // A press at the centre of a cell, posted to `window` (null: the grid), and
    // the release to whichever window then holds the mouse.
    void Click(int row, int column, HWND window = nullptr, bool release = true)
    {
        const RECT cell = Cell(row, column);
        POINT point{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
        window = window != nullptr ? window : Grid().m_hWnd;
        MapWindowPoints(Grid().m_hWnd, window, &point, 1);
        PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        PumpPendingMessages();
        if (!release)
            return;
        const HWND capture = GetCapture() != nullptr ? GetCapture() : window;
        MapWindowPoints(window, capture, &point, 1);
        PostMessageA(capture, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        PumpPendingMessages();
    }

    HostWindow m_host{{0, 0, 520, 420}, WS_OVERLAPPED | WS_CLIPCHILDREN | WS_VISIBLE};
    UIPropertyGrid m_pane;
};

// A key as the program's message loop delivers it: PreTranslateMessage first.
void PressKey(HWND target, UINT key)
{
    MSG msg{target, WM_KEYDOWN, key, 1, static_cast<DWORD>(GetMessageTime()), {}};
    if (!CWnd::WalkPreTranslateTree(nullptr, &msg))
        SendMessageA(target, WM_KEYDOWN, key, 1);
    PumpPendingMessages();
}

enum End { Nothing, Enter, Tab, TabInGrid, ClickOutside, ClickInside, ClickGrid, PickThird };

// The grid's editors (its controls 500): one at most may be open.
int Editors(HWND grid)
{
    int count = 0;
    for (HWND child = GetWindow(grid, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        count += GetDlgCtrlID(child) == 500 ? 1 : 0;
    return count;
}

// The top-left corners of the label's blue (name) and black (description) ink,
// INT_MAX where none: ink has less than half the background's red.
std::array<POINT, 2> InkCorners(HWND label)
{
    const WindowImage image(label);
    const int faceRed = GetRValue(GetSysColor(COLOR_BTNFACE));
    std::array<POINT, 2> corners{POINT{INT_MAX, INT_MAX}, POINT{INT_MAX, INT_MAX}};
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (const COLORREF pixel = image.At(x, y); GetRValue(pixel) * 2 < faceRed) {
                POINT& corner = corners[GetBValue(pixel) > 200 ? 0 : 1];
                corner = {std::min(corner.x, LONG{x}), std::min(corner.y, LONG{y})};
            }
    return corners;
}

}  // namespace

// Scenario rows: a click opens a cell's editor over it, text selected, mouse held
// (or none); the edit ends one way; then the cell, editor and reports are checked.
TEST(UIGridCtrlTest, EachScenarioGivesTheCellItsEditorTextAndReports)
{
    const struct {
        int row;
        int column;          // -1: no click
        const char* opens;   // the editor's text; null: no editor opens
        const char* typed;   // null: the editor's own text stays
        End end;
        bool openAfter;
        const char* shown;
        const char* balloon;  // the refusal's balloon text; null: none
        int choice;           // item reported to the dialog; -1: none
        const char* fault;    // what the row catches
    } rows[] = {
        {TextRow, 0, {}, {}, Nothing, false, "hello", {}, -1, "a name cell opens an editor"},
        {BrowseRow, 1, {}, {}, Nothing, false, "C:\\data", {}, -1, "an editbrowse cell opens in place"},
        {TextRow, -1, {}, {}, TabInGrid, false, "hello", {}, -1, "Tab before any click opens an editor"},
        {TextRow, 0, {}, {}, TabInGrid, true, "hello", {}, -1, "Tab from a name cell opens nothing"},
        {TextRow, 1, "hello", "", Enter, true, "hello", {}, -1, "an emptied text is committed"},
        {TextRow, 1, "hello", "by enter", Enter, false, "by enter", {}, -1, "Enter does not commit"},
        {TextRow, 1, "hello", "by tab", Tab, false, "by tab", {}, -1, "Tab does not commit, or goes on"},
        {TextRow, 1, "hello", "outside", ClickOutside, false, "outside", {}, -1, "a click outside is lost"},
        {TextRow, 1, "hello", {}, ClickInside, true, "hello", {}, -1, "a click inside ends the edit"},
        {TextRow, 1, "hello", {}, ClickGrid, true, "hello", {}, -1, "a second editor opens"},
        {ListRow, 1, "", {}, ClickOutside, false, "Two", {}, 1, "a list opens on its first item"},
        {UnlistedRow, 1, "", {}, ClickOutside, false, "One", {}, 0, "no item preselected"},
        {ComboRow, 1, "Red", {}, ClickOutside, false, "Red", {}, -1, "a click outside a combo chooses"},
        {ComboRow, 1, "Red", {}, PickThird, false, "Blue", {}, 2, "a choice never reaches the dialog"},
        // Without an evaluator every number is refused, in a balloon that waits for a key.
        {RealRow, 1, "2.50000", "abc", Enter, true, "2.5", "0.00000 to 0.00000", -1, "two decimals"},
    };
    const auto& named = UIRegisteredMessages();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fault);
        PropertyPane pane;
        UIGridCtrl& grid = pane.Grid();
        grid.SetFocus();
        PostedMessageRecorder recorder({named.OnSelchange});
        if (row.column >= 0)
            pane.Click(row.row, row.column);
        const HWND editor = pane.Editor();
        ASSERT_EQ(row.opens != nullptr, editor != nullptr);
        if (editor != nullptr) {
            EXPECT_STREQ(row.opens, CWnd::FromHandle(editor)->GetWindowText());
            RECT placed{};
            GetWindowRect(editor, &placed);
            MapWindowPoints(nullptr, grid, reinterpret_cast<POINT*>(&placed), 2);
            const RECT cell = pane.Cell(row.row, row.column);
            EXPECT_EQ((std::pair{cell.left, cell.top}), (std::pair{placed.left, placed.top}));
            DWORD start = 1, end = 0;  // an edit opens with its whole text selected
            SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            if (row.row == TextRow || row.row == RealRow) {
                EXPECT_EQ(std::strlen(row.opens), end - start);
                EXPECT_EQ(cell.bottom, placed.bottom);
            } else if (row.row == ListRow) {
                EXPECT_GT(placed.bottom, cell.bottom + 25);  // a list reaches below its cell
            }
            EXPECT_EQ((std::pair{editor, editor}), (std::pair{GetFocus(), GetCapture()}));
        } else if (row.column == 0) {
            EXPECT_EQ(row.row, grid.GetNextItem(-1, LVNI_SELECTED));
        }
        if (row.typed != nullptr)
            SetWindowTextA(editor, row.typed);
        if (row.balloon != nullptr)
            PostMessageA(editor, WM_KEYDOWN, VK_SPACE, 0);  // the key the balloon waits for
        switch (row.end) {
        case Enter: PressKey(editor, VK_RETURN); break;
        case Tab: PressKey(editor, VK_TAB); break;
        case TabInGrid: PressKey(grid, VK_TAB); break;
        case ClickOutside: pane.Click(BrowseRow, 0, editor, false); break;
        case ClickInside: pane.Click(row.row, 1, editor, false); break;
        case ClickGrid: pane.Click(ComboRow, 1); break;
        case PickThird:
            SendMessageA(editor, CB_SHOWDROPDOWN, TRUE, 0);
            SendMessageA(editor, CB_SETCURSEL, 2, 0);
            SendMessageA(editor, CB_SHOWDROPDOWN, FALSE, 0);
            PumpPendingMessages();
            break;
        case Nothing: break;
        }
        EXPECT_EQ(row.openAfter ? 1 : 0, Editors(grid));
        if (editor != nullptr) {
            EXPECT_EQ(row.openAfter, IsWindow(editor) != FALSE);
            EXPECT_EQ(row.openAfter, editor == GetCapture());
        }
        EXPECT_STREQ(row.shown, grid.GetItemText(row.row, 1));
        if (row.balloon != nullptr) {
            const auto* real = dynamic_cast<UIGridEditReal*>(CWnd::FromHandlePermanent(editor));
            ASSERT_NE(nullptr, real);
            EXPECT_EQ(row.balloon, ToolTipText(real->GetErrorTip().GetTipWindow()));
            EXPECT_STREQ(row.opens, CWnd::FromHandle(editor)->GetWindowText());
        }
        const WPARAM address = static_cast<WPARAM>((row.row << 16) | 1);
        int choice = -1;
        for (const PostedMessage& posted : recorder.To(pane.m_host))
            if (posted.message == named.OnSelchange && posted.wParam == address)
                choice = static_cast<int>(posted.lParam);
        EXPECT_EQ(row.choice, choice);
    }
}

// Faults: a row's cells refused at the item count or accepted past it; its name
// cut one byte short, or kept cut; an empty name accepted; a choice past the items.
TEST(UIGridCtrlTest, ARowIsAddedAtTheItemCountAndNotPastItWithItsNameCutTo255Bytes)
{
    PropertyPane pane;
    UIGridCtrl& grid = pane.Grid();
    const int added = RowCount;
    CStringArray items;
    items.Add("x");
    EXPECT_TRUE(grid.SetValueCell(added, items, CellKindEdit));
    EXPECT_STREQ("x", grid.GetCellItemText(added, 1, 0));
    EXPECT_FALSE(grid.SetValueCell(added + 2, items, CellKindEdit));
    EXPECT_EQ(nullptr, grid.FindRow(added + 2));
    EXPECT_TRUE(pane.m_pane.SetRowLabel(added, std::string(300, 'n').c_str()));
    EXPECT_EQ(255, grid.GetItemText(added, 0).GetLength());
    EXPECT_EQ(300, pane.m_pane.m_names[added].GetLength());
    EXPECT_FALSE(pane.m_pane.SetRowLabel(added + 2, "past the end"));
    EXPECT_FALSE(pane.m_pane.SetRowLabel(0, ""));
    EXPECT_EQ(added + 1, pane.m_pane.m_names.GetSize());
    EXPECT_EQ(-1, grid.SelectCellItem(ComboRow, 3));
    EXPECT_EQ(2, grid.SelectCellItem(ComboRow, 2));
    EXPECT_STREQ("Blue", grid.GetItemText(ComboRow, 1));
}

// Faults: a drag or sizing cursor outside the 6-pixel zone of the boundary, or
// not inside it; a value column squeezed below 50 pixels; a drag going on after
// the release; a wider pane widening the name column, or leaving grid or label behind.
TEST(UIPropertyGridTest, TheValueColumnTakesWhatTheDragAndThePaneWidthLeave)
{
    PropertyPane pane;
    auto& grid = pane.Grid();
    RECT client{};
    grid.GetClientRect(&client);
    // Pressed below the rows, around the boundary at 100.
    const struct { int pressed; int movedTo; int nameWidth; } rows[] = {
        {94, 150, 100}, {95, 150, 150}, {105, client.right - 20, client.right - 50}, {106, 150, 100}};
    for (const auto& row : rows) {
        grid.SetColumnWidth(0, 100);
        grid.SetColumnWidth(1, client.right - 100);
        MoveUnderPointer(pane.m_host, grid, {row.pressed, client.bottom - 2});  // the pointer itself stays
        SetCursor(nullptr);
        grid.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(grid.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(row.nameWidth != 100, GetCursor() == LoadCursorA(nullptr, IDC_SIZEWE)) << row.pressed;
        grid.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.pressed, client.bottom - 2));
        grid.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(row.movedTo, 20));
        grid.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(row.movedTo, 20));
        grid.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, 20));
        PumpPendingMessages();
        EXPECT_EQ(row.nameWidth, grid.GetColumnWidth(0)) << row.pressed;
        EXPECT_EQ(client.right - row.nameWidth, grid.GetColumnWidth(1)) << row.pressed;
    }
    pane.m_pane.MoveWindow(10, 10, 430, 330);
    PumpPendingMessages();
    EXPECT_EQ(100, grid.GetColumnWidth(0));
    EXPECT_EQ(client.right - 100 + 30, grid.GetColumnWidth(1));
    RECT placed{};
    grid.GetWindowRect(&placed);
    EXPECT_EQ((std::pair{430L, 280L}), (std::pair{placed.right - placed.left, placed.bottom - placed.top}));
    pane.m_pane.m_label.GetWindowRect(&placed);
    pane.m_pane.ScreenToClient(&placed);
    EXPECT_EQ((std::pair{330L - 46, 330L}), (std::pair{placed.top, placed.bottom}));
}

// Faults: the name not in blue, the description not 20 pixels below it, the
// label not repainted for another selected row.
TEST(UIPropertyGridTest, LabelDrawsTheNameInBlueAndTheDescription20PixelsLower)
{
    PropertyPane pane;
    UIPropertyGrid& grid = pane.m_pane;
    // Equal texts, so that the two boxes of ink differ only by where they are drawn.
    grid.m_names[0] = grid.m_descriptions[0] = grid.m_names[1] = "Xx";
    grid.m_descriptions[1] = "";
    // No row selected: the first row.
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), WindowImage(grid.m_label).At(2, 2));
    const auto [name, description] = InkCorners(grid.m_label);
    ASSERT_NE(INT_MAX, description.x);
    EXPECT_GE(name.x, 10);
    EXPECT_EQ(name.x, description.x);
    EXPECT_EQ(name.y + 20, description.y);

    grid.m_label.UpdateWindow();
    grid.m_grid.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(GetUpdateRect(grid.m_label, nullptr, FALSE));
    const auto [otherName, otherDescription] = InkCorners(grid.m_label);
    EXPECT_EQ((std::pair{true, false}), std::pair(otherName.x != INT_MAX, otherDescription.x != INT_MAX));
}
