// The toolkit's combo and list boxes on real windows: their tips, the children
// a combo box takes over and the font it gives them, drop-down sizing.
#include "platform/cdc.h"
#include "tests/support/host_window.h"
#include "ui/controls/ui_combobox.h"
#include "ui/controls/ui_listbox.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

const char kLongItem[] = "an item far too long for the narrow control that shows it";

// Records the heights asked for in the combo box's own window moves.
class SizeRecordingCombobox : public UICombobox {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (message == WM_WINDOWPOSCHANGING && (position->flags & SWP_NOSIZE) == 0)
            m_heights.push_back(position->cy);
        return UICombobox::WindowProc(message, wParam, lParam);
    }
    std::vector<int> m_heights;
};

// Faults: a second tooltip, one that does not cover the control, or one left
// beside the data tip (two tips at once).
template <class Control>
void CheckTipThenEnableDataTip()
{
    HostWindow host;
    Control control;
    ASSERT_TRUE(control.Create(WS_VISIBLE | WS_VSCROLL, {10, 10, 200, 150}, &host, 1));
    const HWND tip = control.GetToolTip().GetSafeHwnd();
    EXPECT_EQ(1, control.GetToolTip().GetToolCount());
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(control.m_hWnd), tool.uId);
    control.EnableDataTip();
    EXPECT_FALSE(IsWindow(tip));
    EXPECT_NE(nullptr, control.GetDataTip().GetTipWindow());
}

}  // namespace

TEST(ComboboxTest, TooltipIsSetUpOnceAndGivesWayToTheDataTip)
{
    CheckTipThenEnableDataTip<UICombobox>();
    CheckTipThenEnableDataTip<UIListbox>();
}

// Faults: a list cut short or running off the screen, or too narrow for its
// items; a child left to itself (drawn in another font), the font object not
// following a font set on the combo box.
TEST(ComboboxTest, DropDownListTakesTheComboFontAndIsSizedToItsItemsWhereTheScreenLeavesRoom)
{
    LOGFONTA wanted{};
    wanted.lfHeight = -19;
    std::strcpy(wanted.lfFaceName, "Courier New");
    const HFONT given = CreateFontIndirectA(&wanted);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    struct Case {
        const char* name;
        int hostTop;
        int items;  // -1: more than the screen holds
    };
    const Case cases[] = {
        {"no items", screenHeight / 2, 0},
        {"one item", screenHeight / 2, 1},
        {"near the screen's bottom edge", screenHeight - 60, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HostWindow host({100, c.hostTop, 500, c.hostTop + 60}, WS_POPUP | WS_VISIBLE);
        SizeRecordingCombobox combo;
        ASSERT_TRUE(combo.Create(CBS_DROPDOWN | WS_VSCROLL | WS_VISIBLE, {10, 10, 100, 150}, &host, 1));
        combo.SetFont(given);
        const int itemHeight = combo.GetItemHeight(0);
        ASSERT_GT(itemHeight, 0);
        const int items = c.items >= 0 ? c.items : screenHeight / itemHeight + 10;
        for (int index = 0; index < items; ++index)
            combo.AddString(index == 0 ? kLongItem : "short");
        const int droppedWidth = combo.GetDroppedWidth();
        combo.m_heights.clear();
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        GetComboBoxInfo(combo, &parts);
        combo.SendMessage(CB_SHOWDROPDOWN, TRUE);  // the drop-down notification comes back reflected
        // Each child is taken over on its first colour request, when it paints.
        for (const HWND child : {parts.hwndItem, parts.hwndList})
            RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        combo.SendMessage(CB_SHOWDROPDOWN, FALSE);
        ReleaseCapture();
        if (items == 0) {
            EXPECT_TRUE(combo.m_heights.empty());
            EXPECT_EQ(droppedWidth, combo.GetDroppedWidth());
            continue;
        }
        EXPECT_EQ(&combo.GetInnerEdit(), CWnd::FromHandlePermanent(parts.hwndItem));
        EXPECT_EQ(&combo.GetInnerList(), CWnd::FromHandlePermanent(parts.hwndList));
        LOGFONTA shown{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(parts.hwndList, WM_GETFONT, 0, 0)), sizeof shown, &shown);
        EXPECT_STREQ("Courier New", shown.lfFaceName);
        EXPECT_EQ(-19, shown.lfHeight);
        RECT window{};
        combo.GetWindowRect(&window);
        // Room above and below: every item and two more, at least four rows.
        // Else as many rows as fit on the roomier side, here the upper one.
        const int expected = items == 1 ? 4 * itemHeight : window.top / itemHeight * itemHeight;
        ASSERT_FALSE(combo.m_heights.empty());
        EXPECT_EQ(expected, combo.m_heights.front());
        // As wide as the widest item, a scroll bar and a "0", in the combo box's font.
        CClientDC dc(combo.m_hWnd);  // a common context: released as it was got
        dc.SelectObject(combo.GetFont());
        EXPECT_EQ(dc.GetTextExtent(kLongItem, sizeof kLongItem - 1).cx + GetSystemMetrics(SM_CXVSCROLL) +
                      dc.GetTextExtent("0", 1).cx,
                  combo.GetDroppedWidth());
    }
    DeleteObject(given);
}
