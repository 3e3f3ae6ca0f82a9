// The property pane on real windows: the column boundary and its drag,
// resizing, the description label's drawing, row names, what follows the
// pointer, the data tip over a cell, and children that cannot be created.
#include "tests/support/message_pump.h"
#include "tests/support/pointer.h"
#include "tests/support/window_image.h"
#include "tests/ui/dialogs/support/standin_libraries.h"
#include "tests/ui/grid/support/property_pane.h"
#include "ui/dialogs/registered_messages.h"
#include "ui/dialogs/ui_data_tip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

namespace {

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

TEST(UIPropertyGridTest, ABoundaryDragKeepsTheValueColumnAtLeast50PixelsWide)
{
    PropertyPane pane;
    auto& grid = pane.m_pane.m_grid;
    RECT client{};
    grid.GetClientRect(&client);
    ASSERT_EQ(100, grid.GetColumnWidth(0));
    // The zone: 6 pixels either side of the boundary, both ends excluded.
    EXPECT_FALSE(grid.InSplitterZone(94));
    EXPECT_TRUE(grid.InSplitterZone(95));
    EXPECT_TRUE(grid.InSplitterZone(105));
    EXPECT_FALSE(grid.InSplitterZone(106));

    // A click in the zone starts a drag: no row is selected, no editor opens.
    const RECT row = pane.Cell(PropertyPane::TextRow, 1);
    const int y = (row.top + row.bottom) / 2;
    grid.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(105, y));
    Settle();
    EXPECT_EQ(-1, grid.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(nullptr, pane.Editor());

    grid.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, y));
    Settle();
    EXPECT_EQ(150, grid.GetColumnWidth(0));
    EXPECT_EQ(client.right - 150, grid.GetColumnWidth(1));
    grid.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right - 20, y));
    Settle();
    EXPECT_EQ(client.right - 50, grid.GetColumnWidth(0));
    EXPECT_EQ(50, grid.GetColumnWidth(1));

    grid.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(client.right - 20, y));
    grid.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, y));
    Settle();
    EXPECT_EQ(50, grid.GetColumnWidth(1));
}

TEST(UIPropertyGridTest, ResizingThePaneWidensTheValueColumnOnly)
{
    PropertyPane pane;
    auto& grid = pane.m_pane.m_grid;
    const int name = grid.GetColumnWidth(0);
    const int value = grid.GetColumnWidth(1);
    pane.m_pane.MoveWindow(10, 10, 430, 330);
    Settle();
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

TEST(UIPropertyGridTest, LabelDrawsTheNameInBlueAndTheDescription20PixelsLower)
{
    PropertyPane pane;
    UIPropertyGrid& grid = pane.m_pane;
    // Equal texts, so that the two boxes of ink differ only by where they are drawn.
    grid.m_names[0] = "Xx";
    grid.m_descriptions[0] = "Xx";
    grid.m_names[1] = "Xx";
    grid.m_descriptions[1] = "";
    // No row selected: the first row.
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), WindowImage(grid.m_label).At(2, 2));
    const auto [blue, black] = FindInk(grid.m_label);
    ASSERT_GT(blue.count, 0);
    ASSERT_GT(black.count, 0);
    EXPECT_GE(blue.left, 10);
    EXPECT_EQ(blue.left, black.left);
    EXPECT_EQ(blue.top + 20, black.top);

    // Selecting another row repaints the label with that row's texts.
    grid.m_label.UpdateWindow();
    grid.m_grid.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(GetUpdateRect(grid.m_label, nullptr, FALSE));
    const auto [otherName, otherDescription] = FindInk(grid.m_label);
    EXPECT_GT(otherName.count, 0);
    EXPECT_EQ(0, otherDescription.count);

    // Without a font on the pane only the background is drawn.
    grid.SendMessage(WM_SETFONT, 0, FALSE);
    const auto [bareName, bareDescription] = FindInk(grid.m_label);
    EXPECT_EQ(0, bareName.count + bareDescription.count);
}

TEST(UIPropertyGridTest, ARowNameIsShownCutTo255BytesAndKeptWhole)
{
    PropertyPane pane;
    UIPropertyGrid& grid = pane.m_pane;
    const std::string name(300, 'n');
    EXPECT_TRUE(grid.SetRowLabel(PropertyPane::RowCount, name.c_str()));
    EXPECT_EQ(255, grid.m_grid.GetItemText(PropertyPane::RowCount, 0).GetLength());
    EXPECT_EQ(300, grid.m_names[PropertyPane::RowCount].GetLength());
    EXPECT_FALSE(grid.SetRowLabel(PropertyPane::RowCount + 2, "past the end"));
    EXPECT_FALSE(grid.SetRowLabel(0, ""));
    EXPECT_EQ(PropertyPane::RowCount + 1, grid.m_names.GetSize());
}

// What depends on where the pointer is: the pane is moved under the pointer
// (the pointer itself is never moved).
TEST(UIPropertyGridTest, CursorsAndTheMultiSelectionReportFollowThePointer)
{
    PropertyPane pane;
    auto& grid = pane.m_pane.m_grid;
    const auto underPointer = [&](POINT gridPoint) {
        MoveUnderPointer(pane.m_host, grid, gridPoint);
        Settle();
    };
    const auto centre = [](const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; };
    const auto setCursor = [&] {
        SetCursor(nullptr);
        return grid.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(grid.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    };

    underPointer(centre(pane.Cell(PropertyPane::TextRow, 1)));
    EXPECT_TRUE(setCursor());
    EXPECT_EQ(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)), GetCursor());
    grid.FindRow(PropertyPane::TextRow)->FindCell(1)->m_bEditable = false;
    setCursor();
    EXPECT_NE(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)), GetCursor());
    const RECT nameCell = pane.Cell(PropertyPane::TextRow, 0);
    underPointer({grid.GetColumnWidth(0) - 3, (nameCell.top + nameCell.bottom) / 2});
    EXPECT_TRUE(setCursor());
    EXPECT_EQ(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE)), GetCursor());

    // Releasing Shift after a click reports the selected rows when the
    // pointer is over the value column, and nothing over the name column.
    const UINT onEnd = UIRegisteredMessages().OnEndMultiSelection;
    PostedMessageRecorder recorder({onEnd});
    grid.PostMessage(WM_KEYUP, VK_SHIFT, 0);  // before any click: nothing
    pane.ClickCell(PropertyPane::ListRow, 0);
    grid.SetItemState(PropertyPane::RealRow, LVIS_SELECTED, LVIS_SELECTED);
    grid.PostMessage(WM_KEYUP, VK_SHIFT, 0);
    Settle();
    underPointer(centre(pane.Cell(PropertyPane::ComboRow, 1)));
    grid.PostMessage(WM_KEYUP, VK_SHIFT, 0);
    grid.PostMessage(WM_KEYUP, 'A', 0);
    Settle();
    const auto reports = recorder.To(pane.m_pane);
    ASSERT_EQ(1u, reports.size());
    ASSERT_EQ(2u, reports[0].wParam);
    const int* rows = reinterpret_cast<const int*>(reports[0].lParam);
    EXPECT_EQ(PropertyPane::ListRow, rows[0]);
    EXPECT_EQ(PropertyPane::RealRow, rows[1]);
    delete[] rows;
}

TEST(UIPropertyGridTest, TheDataTipShowsACellTextThatDoesNotFit)
{
    PropertyPane pane;
    auto& grid = pane.m_pane.m_grid;
    UIDataTip tip;
    ASSERT_TRUE(tip.Create(&grid));
    const RECT cell = pane.Cell(PropertyPane::TextRow, 1);
    const POINT inside{cell.left + 5, (cell.top + cell.bottom) / 2};
    EXPECT_FALSE(tip.Track(inside));
    grid.SetItemText(PropertyPane::TextRow, 1, std::string(200, 'w').c_str());
    EXPECT_TRUE(tip.Track(inside));
    tip.Track({-5, -5});
}

namespace {

// Refuses, while it lives, the creation of windows of one class inside `parent`.
class RefusedWindows {
public:
    RefusedWindows(const char* className, HWND parent) : m_className(className), m_parent(parent)
    {
        t_refused = this;
        m_hook = SetWindowsHookExA(WH_CBT, &Hook, nullptr, GetCurrentThreadId());
    }
    ~RefusedWindows()
    {
        UnhookWindowsHookEx(m_hook);
        t_refused = nullptr;
    }
    RefusedWindows(const RefusedWindows&) = delete;
    RefusedWindows& operator=(const RefusedWindows&) = delete;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND && t_refused != nullptr) {
            char name[64] = {};
            GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
            const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
            if (lstrcmpiA(name, t_refused->m_className) == 0 && create->lpcs->hwndParent == t_refused->m_parent)
                return 1;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline thread_local RefusedWindows* t_refused = nullptr;
    const char* m_className;
    HWND m_parent;
    HHOOK m_hook = nullptr;
};

}  // namespace

TEST(UIPropertyGridTest, AChildThatCannotBeCreatedIsReportedToTheEventLog)
{
    DllSearchFolder recording(StandInFolder("kxipc"));
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "pane", WS_OVERLAPPED, {0, 0, 300, 300}, nullptr, 0));
    const HWND placeholder = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 200, host, nullptr,
                                             GetModuleHandleA(nullptr), nullptr);
    UIPropertyGrid pane;
    {
        RefusedWindows refused(WC_LISTVIEWA, placeholder);
        EXPECT_TRUE(pane.SubclassWindow(placeholder));
    }
    EXPECT_EQ(nullptr, pane.m_grid.GetSafeHwnd());
    EXPECT_EQ(nullptr, pane.m_label.GetSafeHwnd());  // creation stops there
    const auto calls = RecordedLogCalls();
    EXPECT_EQ(1, std::count(calls.begin(), calls.end(), "1||UIPropertyGrid could not create grid control|"));
    host.DestroyWindow();
}
