// The property pane on real windows, set up as the main dialog sets it up:
// which click opens which editor where, how each editor ends, what the cell
// then shows and what is reported; the model the dialog fills; the column
// boundary and its drag, resizing, the description label, row names and the
// cursor.
#include "platform/cwnd.h"
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
#include <climits>
#include <cstring>
#include <string>

namespace {

// The main dialog's property pane as the dialog sets it up: a visible
// top-level window holding a placeholder static bound to a UIPropertyGrid,
// with one row per sample attribute.
struct PropertyPane {
    enum Row { ComboRow, ListRow, TextRow, RealRow, BrowseRow, RowCount };

    PropertyPane()
    {
        EXPECT_TRUE(m_host.CreateEx(0, nullptr, "pane", WS_OVERLAPPED | WS_CLIPCHILDREN | WS_VISIBLE, {0, 0, 520, 420},
                                    nullptr, 0));
        const HWND placeholder = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 400, 300, m_host,
                                                 reinterpret_cast<HMENU>(1003), GetModuleHandleA(nullptr), nullptr);
        SendMessageA(placeholder, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        EXPECT_TRUE((m_pane.SubclassWindow)(placeholder));  // not the macro of <windowsx.h>
        const struct {
            const char* name;
            const char* description;
            int kind;
            std::initializer_list<const char*> items;
            const char* shown;
        } rows[] = {
            {"Colour", "Colour of the frame", CellKindComboBox, {"Red", "Green", "Blue"}, "Red"},
            {"Choice", "Which one", CellKindListBox, {"One", "Two", "Three"}, "Two"},
            {"Title", "Free text", CellKindEdit, {"hello"}, "hello"},
            {"Ratio", "A real number", CellKindEditReal, {"2.5"}, "2.5"},
            {"Folder", "Chosen elsewhere", CellKindEditBrowse, {"C:\\data"}, "C:\\data"},
        };
        for (int row = 0; row < RowCount; ++row) {
            CStringArray items;
            for (const char* item : rows[row].items)
                items.Add(item);
            EXPECT_TRUE(m_pane.SetRowLabel(row, rows[row].name));
            m_pane.m_descriptions.Add(rows[row].description);
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
    // A click as the user makes it, at the centre of a cell: down, then up to
    // whichever window then holds the mouse; the queue is drained after each.
    void ClickCell(int row, int column)
    {
        const RECT cell = Cell(row, column);
        POINT point{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
        Grid().PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        PumpPendingMessages();
        const HWND capture = GetCapture();
        if (capture != nullptr && capture != Grid().m_hWnd)
            MapWindowPoints(Grid().m_hWnd, capture, &point, 1);
        PostMessageA(capture != nullptr ? capture : Grid().m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        PumpPendingMessages();
    }

    CWnd m_host;
    UIPropertyGrid m_pane;
};

// A key as the program's message loop delivers it: PreTranslateMessage from
// the target up through its parents first, else the window itself.
void PressKey(HWND target, UINT key)
{
    MSG msg{target, WM_KEYDOWN, key, 1, static_cast<DWORD>(GetMessageTime()), {}};
    if (!CWnd::WalkPreTranslateTree(nullptr, &msg))
        SendMessageA(target, WM_KEYDOWN, key, 1);
    PumpPendingMessages();
}

// A press on a window that holds the mouse, at `screen` (screen coordinates).
void ClickCaptured(HWND window, POINT screen)
{
    ScreenToClient(window, &screen);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(screen.x, screen.y));
    PumpPendingMessages();
}

enum End { Nothing, Enter, Tab, TabInGrid, ClickOutside, ClickInside, ClickGrid, PickThird };

CString ClassOf(HWND window)
{
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// What an editor shows: an edit's or a combo box's text, a list's selected item.
CString EditorText(HWND editor)
{
    char text[256] = {};
    if (ClassOf(editor).CompareNoCase("ListBox") == 0)
        SendMessageA(editor, LB_GETTEXT, SendMessageA(editor, LB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(text));
    else
        GetWindowTextA(editor, text, sizeof text);
    return text;
}

// The grid's editors (its controls 500): one at most may be open.
int Editors(HWND grid)
{
    int count = 0;
    for (HWND child = GetWindow(grid, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        count += GetDlgCtrlID(child) == 500 ? 1 : 0;
    return count;
}

POINT ScreenCentre(const RECT& rect, HWND window)
{
    POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(window, &point);
    return point;
}

struct InkBox {
    int left = INT_MAX;
    int top = INT_MAX;
    int count = 0;
};

// Where the label drew blue (the name) and black (the description) on its
// background. Both inks take the red channel to 0, so a pixel counts as ink
// where red has fallen below half the background's, the same pixels for
// both texts whatever the smoothing; the blue ink keeps its blue channel up.
std::pair<InkBox, InkBox> FindInk(HWND label)
{
    const WindowImage image(label);
    const int faceRed = GetRValue(GetSysColor(COLOR_BTNFACE));
    std::pair<InkBox, InkBox> inks;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (const COLORREF pixel = image.At(x, y); GetRValue(pixel) * 2 < faceRed) {
                InkBox& ink = GetBValue(pixel) > 200 ? inks.first : inks.second;
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ++ink.count;
            }
    return inks;
}

}  // namespace

// Scenario rows: a click on a cell opens its editor over it with the shown
// text selected and the mouse held (or opens none), the editor gets a text
// and is ended one way; then the cell shows a text, an editor is open or
// not, and the pane has heard of the end (kill focus) and the dialog of a choice.
TEST(UIGridCtrlTest, EachScenarioGivesTheCellItsEditorTextAndReports)
{
    using P = PropertyPane;
    const struct {
        int row;
        int column;          // -1: no click
        const char* preset;  // the cell's text before the click; null: as filled
        const char* opens;   // the editor's text; null: no editor opens
        const char* typed;   // null: the editor's own text stays
        End end;
        bool openAfter;
        const char* shown;
        const char* balloon;  // the refusal's balloon text; null: none
        size_t killFocus;     // reports to the pane
        int choice;           // item reported to the dialog; -1: none
        const char* fault;    // what the row catches
    } rows[] = {
        {P::TextRow, 0, {}, {}, {}, Nothing, false, "hello", {}, 0, -1, "a name cell opens an editor"},
        {P::BrowseRow, 1, {}, {}, {}, Nothing, false, "C:\\data", {}, 0, -1, "an editbrowse cell opens in place"},
        {P::TextRow, -1, {}, {}, {}, TabInGrid, false, "hello", {}, 0, -1, "Tab before any click opens an editor"},
        {P::TextRow, 0, {}, {}, {}, TabInGrid, true, "hello", {}, 0, -1, "Tab from a name cell opens nothing"},
        {P::TextRow, 1, {}, "hello", "", Enter, true, "hello", {}, 1, -1, "an emptied text is committed"},
        {P::TextRow, 1, {}, "hello", "by enter", Enter, false, "by enter", {}, 1, -1, "Enter does not commit"},
        {P::TextRow, 1, {}, "hello", "by tab", Tab, false, "by tab", {}, 1, -1, "Tab does not commit, or goes on"},
        {P::TextRow, 1, {}, "hello", "outside", ClickOutside, false, "outside", {}, 1, -1, "a click outside is lost"},
        {P::TextRow, 1, {}, "hello", {}, ClickInside, true, "hello", {}, 0, -1, "a click inside ends the edit"},
        {P::TextRow, 1, {}, "hello", {}, ClickGrid, true, "hello", {}, 0, -1, "a second editor opens"},
        {P::ListRow, 1, {}, "Two", {}, ClickOutside, false, "Two", {}, 0, 1, "a list opens on its first item"},
        {P::ListRow, 1, "none of them", "One", {}, ClickOutside, false, "One", {}, 0, 0, "no item preselected"},
        {P::ComboRow, 1, {}, "Red", {}, ClickOutside, false, "Red", {}, 0, -1, "a click outside a combo chooses"},
        {P::ComboRow, 1, {}, "Red", {}, PickThird, false, "Blue", {}, 0, 2, "a choice never reaches the dialog"},
        // Shipped without an evaluator, every number is refused: the balloon
        // names the range and waits for a key; the last accepted text comes back.
        {P::RealRow, 1, {}, "2.50000", "abc", Enter, true, "2.5", "0.00000 to 0.00000", 0, -1, "two decimals"},
    };
    const auto& named = UIRegisteredMessages();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fault);
        PropertyPane pane;
        UIGridCtrl& grid = pane.Grid();
        grid.SetFocus();
        if (row.preset != nullptr)
            grid.SetItemText(row.row, 1, row.preset);
        PostedMessageRecorder recorder({named.OnKillFocus, named.OnSelchange});
        if (row.column >= 0)
            pane.ClickCell(row.row, row.column);
        const HWND editor = pane.Editor();
        ASSERT_EQ(row.opens != nullptr, editor != nullptr);
        if (editor != nullptr) {
            EXPECT_STREQ(row.opens, EditorText(editor));
            RECT placed{};
            GetWindowRect(editor, &placed);
            MapWindowPoints(nullptr, grid, reinterpret_cast<POINT*>(&placed), 2);
            const RECT cell = pane.Cell(row.row, row.column);
            EXPECT_EQ(cell.left, placed.left);
            EXPECT_EQ(cell.top, placed.top);
            if (ClassOf(editor).CompareNoCase("Edit") == 0) {
                EXPECT_EQ(cell.bottom, placed.bottom);
                DWORD start = 1, end = 0;
                SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
                EXPECT_EQ(0u, start);
                EXPECT_EQ(std::strlen(row.opens), end);
            } else if (ClassOf(editor).CompareNoCase("ListBox") == 0) {
                EXPECT_GT(placed.bottom, cell.bottom + 25);  // the list reaches below the cell
            }
            EXPECT_EQ(editor, GetFocus());
            EXPECT_EQ(editor, GetCapture());
        } else if (row.column == 1) {
            EXPECT_EQ(row.row, grid.GetEditRow());  // an editbrowse cell is the last edited one
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
        case ClickOutside: ClickCaptured(editor, ScreenCentre(pane.Cell(P::BrowseRow, 0), grid)); break;
        case ClickInside: ClickCaptured(editor, ScreenCentre(pane.Cell(row.row, 1), grid)); break;
        case ClickGrid: pane.ClickCell(P::ComboRow, 1); break;
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
            const HWND tip = real->GetErrorTip().GetTipWindow();
            ASSERT_NE(nullptr, tip);
            EXPECT_NE(0, GetWindowLongA(tip, GWL_STYLE) & TTS_BALLOON);
            const TTTOOLINFOA tool = real->GetErrorTip().GetToolInfo();
            EXPECT_EQ(row.balloon, ToolTipText(tip, &tool));
            EXPECT_STREQ(row.opens, EditorText(editor));
        }
        const WPARAM address = static_cast<WPARAM>((row.row << 16) | 1);
        size_t killFocus = 0;
        for (const PostedMessage& posted : recorder.To(pane.m_pane))
            if (posted.message == named.OnKillFocus && posted.wParam == address &&
                posted.lParam == reinterpret_cast<LPARAM>(&grid))
                ++killFocus;
        int choice = -1;
        for (const PostedMessage& posted : recorder.To(pane.m_host))
            if (posted.message == named.OnSelchange && posted.wParam == address)
                choice = static_cast<int>(posted.lParam);
        EXPECT_EQ(row.killFocus, killFocus);
        EXPECT_EQ(row.choice, choice);
    }
}

// Faults: the value cell of a row being added refused (the row gets no
// choices) or one past it accepted; a refill without items dropping the
// cell's items or kind; a choice past the items shown.
TEST(UIGridCtrlTest, SetValueCellAcceptsARowAtTheItemCountAndNotPastIt)
{
    PropertyPane pane;
    UIGridCtrl& grid = pane.Grid();
    CStringArray items;
    items.Add("x");
    EXPECT_TRUE(grid.SetValueCell(PropertyPane::RowCount, items, CellKindEdit));
    EXPECT_STREQ("x", grid.GetCellItemText(PropertyPane::RowCount, 1, 0));
    EXPECT_FALSE(grid.SetValueCell(PropertyPane::RowCount + 2, items, CellKindEdit));
    EXPECT_EQ(nullptr, grid.FindRow(PropertyPane::RowCount + 2));

    EXPECT_TRUE(grid.SetValueCell(PropertyPane::ComboRow, CStringArray(), CellKindEdit));
    EXPECT_EQ(CellKindComboBox, grid.FindRow(PropertyPane::ComboRow)->FindCell(1)->m_nKind);
    EXPECT_EQ(-1, grid.SelectCellItem(PropertyPane::ComboRow, 3));
    EXPECT_EQ(2, grid.SelectCellItem(PropertyPane::ComboRow, 2));
    EXPECT_STREQ("Blue", grid.GetItemText(PropertyPane::ComboRow, 1));
    grid.DeleteGridData();
    EXPECT_EQ(nullptr, grid.FindRow(PropertyPane::ComboRow));
    EXPECT_EQ(PropertyPane::RowCount, grid.GetItemCount());  // the list keeps its items
}

// Faults: a drag that starts outside the 6-pixel zone around the boundary or
// not inside it, a value column squeezed below 50 pixels, a drag that goes on
// after the button is released.
TEST(UIPropertyGridTest, ABoundaryDragKeepsTheValueColumnAtLeast50PixelsWide)
{
    PropertyPane pane;
    auto& grid = pane.Grid();
    RECT client{};
    grid.GetClientRect(&client);
    const RECT row = pane.Cell(PropertyPane::TextRow, 1);
    const int y = (row.top + row.bottom) / 2;
    const struct {
        int pressed;  // where the button went down
        int movedTo;
        int nameWidth;
    } rows[] = {{94, 150, 100}, {95, 150, 150}, {105, client.right - 20, client.right - 50}, {106, 150, 100}};
    for (const auto& each : rows) {
        SCOPED_TRACE(each.pressed);
        grid.SetColumnWidth(0, 100);
        grid.SetColumnWidth(1, client.right - 100);
        grid.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(each.pressed, client.bottom - 2));
        grid.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(each.movedTo, y));
        grid.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(each.movedTo, y));
        grid.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, y));
        PumpPendingMessages();
        EXPECT_EQ(each.nameWidth, grid.GetColumnWidth(0));
        EXPECT_EQ(client.right - each.nameWidth, grid.GetColumnWidth(1));
        EXPECT_EQ(nullptr, pane.Editor());
    }
}

TEST(UIPropertyGridTest, ResizingThePaneWidensTheValueColumnOnly)
{
    PropertyPane pane;
    auto& grid = pane.Grid();
    const int name = grid.GetColumnWidth(0);
    const int value = grid.GetColumnWidth(1);
    pane.m_pane.MoveWindow(10, 10, 430, 330);
    PumpPendingMessages();
    EXPECT_EQ(name, grid.GetColumnWidth(0));
    EXPECT_EQ(value + 30, grid.GetColumnWidth(1));

    RECT placed{};
    grid.GetWindowRect(&placed);
    EXPECT_EQ(430, placed.right - placed.left);
    EXPECT_EQ(280, placed.bottom - placed.top);
    pane.m_pane.m_label.GetWindowRect(&placed);
    pane.m_pane.ScreenToClient(&placed);
    EXPECT_EQ(330 - 46, placed.top);
    EXPECT_EQ(330, placed.bottom);
}

// Faults: the name not in blue, the description not 20 pixels below it, the
// label not repainted for another selected row, text drawn without a font.
TEST(UIPropertyGridTest, LabelDrawsTheNameInBlueAndTheDescription20PixelsLower)
{
    PropertyPane pane;
    UIPropertyGrid& grid = pane.m_pane;
    // Equal texts, so that the two boxes of ink differ only by where they are drawn.
    grid.m_names[0] = grid.m_descriptions[0] = grid.m_names[1] = "Xx";
    grid.m_descriptions[1] = "";
    // No row selected: the first row.
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), WindowImage(grid.m_label).At(2, 2));
    const auto [blue, black] = FindInk(grid.m_label);
    ASSERT_GT(blue.count, 0);
    ASSERT_GT(black.count, 0);
    EXPECT_GE(blue.left, 10);
    EXPECT_EQ(blue.left, black.left);
    EXPECT_EQ(blue.top + 20, black.top);

    grid.m_label.UpdateWindow();
    grid.m_grid.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(GetUpdateRect(grid.m_label, nullptr, FALSE));
    const auto [otherName, otherDescription] = FindInk(grid.m_label);
    EXPECT_GT(otherName.count, 0);
    EXPECT_EQ(0, otherDescription.count);

    grid.SendMessage(WM_SETFONT, 0, FALSE);
    const auto [bareName, bareDescription] = FindInk(grid.m_label);
    EXPECT_EQ(0, bareName.count + bareDescription.count);
}

TEST(UIPropertyGridTest, ARowNameIsShownCutTo255BytesAndKeptWhole)
{
    PropertyPane pane;
    UIPropertyGrid& grid = pane.m_pane;
    EXPECT_TRUE(grid.SetRowLabel(PropertyPane::RowCount, std::string(300, 'n').c_str()));
    EXPECT_EQ(255, grid.m_grid.GetItemText(PropertyPane::RowCount, 0).GetLength());
    EXPECT_EQ(300, grid.m_names[PropertyPane::RowCount].GetLength());
    EXPECT_FALSE(grid.SetRowLabel(PropertyPane::RowCount + 2, "past the end"));
    EXPECT_FALSE(grid.SetRowLabel(0, ""));
    EXPECT_EQ(PropertyPane::RowCount + 1, grid.m_names.GetSize());
}

// The pane is moved under the pointer (the pointer itself is never moved).
// Faults: no hand over an editable cell, or a hand over one that is not; no
// sizing cursor at the boundary.
TEST(UIPropertyGridTest, TheCursorShowsWhatAClickThereWouldDo)
{
    PropertyPane pane;
    auto& grid = pane.Grid();
    const RECT cell = pane.Cell(PropertyPane::TextRow, 1);
    const int y = (cell.top + cell.bottom) / 2;
    const struct {
        int x;
        bool editable;
        LPCSTR cursor;  // null: another than the hand
    } rows[] = {{cell.left + 20, true, IDC_HAND}, {cell.left + 20, false, nullptr}, {cell.left - 3, false, IDC_SIZEWE}};
    for (const auto& row : rows) {
        grid.FindRow(PropertyPane::TextRow)->FindCell(1)->m_bEditable = row.editable;
        MoveUnderPointer(pane.m_host, grid, {row.x, y});
        PumpPendingMessages();
        SetCursor(nullptr);
        const bool set =
            grid.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(grid.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        if (row.cursor != nullptr) {
            EXPECT_TRUE(set) << row.x;
            EXPECT_EQ(LoadCursorA(nullptr, row.cursor), GetCursor()) << row.x;
        } else {
            EXPECT_NE(LoadCursorA(nullptr, IDC_HAND), GetCursor()) << row.x;
        }
    }
}

