#include "tests/ui/grid/support/property_pane.h"

#include "tests/support/message_pump.h"
#include "ui/grid/cell_kind.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kPlaceholderId = 1003;

CStringArray Items(std::initializer_list<const char*> texts)
{
    CStringArray items;
    for (const char* text : texts)
        items.Add(text);
    return items;
}

}  // namespace

PropertyPane::PropertyPane()
{
    EXPECT_TRUE(m_host.CreateEx(0, nullptr, "property pane", WS_OVERLAPPED | WS_CLIPCHILDREN | WS_VISIBLE,
                                {0, 0, 520, 420}, nullptr, 0));
    const HWND placeholder = CreateWindowExA(0, "STATIC", "Properties grid goes here", WS_CHILD | WS_VISIBLE,
                                             10, 10, 400, 300, m_host, reinterpret_cast<HMENU>(kPlaceholderId),
                                             GetModuleHandleA(nullptr), nullptr);
    SendMessageA(placeholder, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    EXPECT_TRUE(m_pane.SubclassWindow(placeholder));

    const struct {
        const char* name;
        const char* description;
        int kind;
        CStringArray items;
        const char* shown;
    } rows[] = {
        {"Colour", "Colour of the frame", CellKindComboBox, Items({"Red", "Green", "Blue"}), "Red"},
        {"Choice", "Which one", CellKindListBox, Items({"One", "Two", "Three"}), "Two"},
        {"Title", "Free text", CellKindEdit, Items({"hello"}), "hello"},
        {"Ratio", "A real number", CellKindEditReal, Items({"2.5"}), "2.5"},
        {"Folder", "Chosen elsewhere", CellKindEditBrowse, Items({"C:\\data"}), "C:\\data"},
    };
    for (int row = 0; row < RowCount; ++row) {
        EXPECT_TRUE(m_pane.SetRowLabel(row, rows[row].name));
        m_pane.m_descriptions.Add(rows[row].description);
        EXPECT_TRUE(Grid().SetValueCell(row, rows[row].items, rows[row].kind));
        Grid().SetItemText(row, 1, rows[row].shown);
    }
    Settle();
}

PropertyPane::~PropertyPane()
{
    m_host.DestroyWindow();
    Settle();
}

RECT PropertyPane::Cell(int row, int column)
{
    RECT cell{};
    Grid().GetSubItemRect(row, column, column == 0 ? LVIR_LABEL : LVIR_BOUNDS, &cell);
    return cell;
}

void PropertyPane::Click(POINT point)
{
    Grid().PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    Settle();
    const HWND capture = GetCapture();
    POINT up = point;
    if (capture != nullptr && capture != Grid().m_hWnd)
        MapWindowPoints(Grid().m_hWnd, capture, &up, 1);
    PostMessageA(capture != nullptr ? capture : Grid().m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
    Settle();
}

void PropertyPane::ClickCell(int row, int column)
{
    const RECT cell = Cell(row, column);
    Click({(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
}

HWND PropertyPane::Editor()
{
    return GetDlgItem(Grid().m_hWnd, 500);
}

void PressKey(HWND target, UINT key)
{
    MSG msg{target, WM_KEYDOWN, key, 1, static_cast<DWORD>(GetMessageTime()), {}};
    if (!CWnd::WalkPreTranslateTree(nullptr, &msg))
        SendMessageA(target, WM_KEYDOWN, key, 1);
    Settle();
}

void ClickCaptured(HWND window, POINT screen)
{
    ScreenToClient(window, &screen);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(screen.x, screen.y));
    Settle();
}

void Settle()
{
    PumpPendingMessages();
}
