// The toolkit's combo and list boxes on real windows: their tips, the data tip
// in place of the tooltip, the children a combo box takes over and the font
// it gives them, drop-down sizing, the overlay of a disabled drop-down list
// with its spin, and swallowed clicks.
#include "ui/controls/ui_combobox.h"
#include "ui/controls/ui_listbox.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const char kLongItem[] = "an item far too long for the narrow control that shows it";

class Host : public CWnd {
public:
    explicit Host(int top = 100)
    {
        EXPECT_TRUE(CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, {100, top, 500, top + 60}, nullptr, 0));
    }
};

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

COMBOBOXINFO Parts(const UICombobox& combo)
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    return info;
}

TTTOOLINFOA FirstTool(HWND tip)
{
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool));
    return tool;
}

// The tooltip over the whole control, then given up for the data tip.
template <class Control>
void CheckTipThenEnableDataTip()
{
    Host host;
    Control control;
    ASSERT_TRUE(control.Create(WS_VISIBLE | WS_VSCROLL, {10, 10, 200, 150}, &host, 1));
    const HWND tip = control.GetToolTip().GetSafeHwnd();
    ASSERT_NE(nullptr, tip);
    EXPECT_EQ(1, control.GetToolTip().GetToolCount());
    EXPECT_NE(0, GetWindowLongPtrA(tip, GWL_STYLE) & TTS_ALWAYSTIP);
    const TTTOOLINFOA tool = FirstTool(tip);
    EXPECT_NE(0u, tool.uFlags & TTF_IDISHWND);
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(control.m_hWnd), tool.uId);
    EXPECT_NE(nullptr, control.GetFontObject().GetSafeHandle());

    control.EnableDataTip();
    EXPECT_FALSE(IsWindow(tip));
    EXPECT_EQ(nullptr, control.GetToolTip().GetSafeHwnd());
    EXPECT_NE(nullptr, control.GetDataTip().GetTipWindow());
    EXPECT_TRUE(control.IsDataTipEnabled());
}

}  // namespace

// Faults: a second tooltip, or one left beside the data tip (two tips at once).
TEST(ComboboxTest, TooltipIsSetUpOnceAndGivesWayToTheDataTip)
{
    CheckTipThenEnableDataTip<UICombobox>();
    CheckTipThenEnableDataTip<UIListbox>();
}

TEST(ComboboxTest, TakesOverItsEditFieldAndListInItsOwnFont)
{
    Host host;
    LOGFONTA wanted{};
    wanted.lfHeight = -19;
    std::strcpy(wanted.lfFaceName, "Courier New");
    const HFONT given = CreateFontIndirectA(&wanted);
    UICombobox combo;
    ASSERT_TRUE(combo.Create(CBS_DROPDOWN | WS_VSCROLL | WS_VISIBLE, {10, 10, 200, 150}, &host, 1));
    combo.AddString("one");
    // The font object follows a font set on the combo box, without
    // recursing through its own set-font.
    combo.SetFont(given);
    EXPECT_EQ(given, combo.GetFont());
    EXPECT_NE(given, combo.GetFontObject().GetSafeHandle());
    EXPECT_STREQ("Courier New", combo.GetFontObject().GetLogFont().lfFaceName);
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));  // a handle that is no font changes nothing
    EXPECT_EQ(0, combo.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(brush), TRUE));
    DeleteObject(brush);
    EXPECT_EQ(given, combo.GetFont());
    const COMBOBOXINFO parts = Parts(combo);

    // Each child is taken over on its first colour request, when it paints.
    RedrawWindow(parts.hwndItem, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    combo.SendMessage(CB_SHOWDROPDOWN, TRUE);
    RedrawWindow(parts.hwndList, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    combo.SendMessage(CB_SHOWDROPDOWN, FALSE);
    ReleaseCapture();
    EXPECT_EQ(&combo.GetInnerEdit(), CWnd::FromHandlePermanent(parts.hwndItem));
    EXPECT_EQ(&combo.GetInnerList(), CWnd::FromHandlePermanent(parts.hwndList));
    // The list shows a font made from the font object's description.
    LOGFONTA shown{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(parts.hwndList, WM_GETFONT, 0, 0)), sizeof shown, &shown);
    EXPECT_STREQ("Courier New", shown.lfFaceName);
    EXPECT_EQ(-19, shown.lfHeight);

    combo.DestroyWindow();
    EXPECT_EQ(nullptr, combo.GetInnerEdit().GetSafeHwnd());
    EXPECT_EQ(nullptr, combo.GetInnerList().GetSafeHwnd());
    DeleteObject(given);
}

TEST(ComboboxTest, DropDownListIsSizedToItsItemsWhereTheScreenLeavesRoom)
{
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
        Host host(c.hostTop);
        SizeRecordingCombobox combo;
        ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST | WS_VSCROLL | WS_VISIBLE, {10, 10, 100, 150}, &host, 1));
        const int itemHeight = combo.GetItemHeight(0);
        ASSERT_GT(itemHeight, 0);
        const int items = c.items >= 0 ? c.items : screenHeight / itemHeight + 10;
        for (int index = 0; index < items; ++index)
            combo.AddString(index == 0 ? kLongItem : "short");
        const int droppedWidth = combo.GetDroppedWidth();
        combo.m_heights.clear();

        combo.SendMessage(CB_SHOWDROPDOWN, TRUE);  // the drop-down notification comes back reflected
        combo.SendMessage(CB_SHOWDROPDOWN, FALSE);
        ReleaseCapture();

        if (items == 0) {
            EXPECT_TRUE(combo.m_heights.empty());
            EXPECT_EQ(droppedWidth, combo.GetDroppedWidth());
            continue;
        }
        RECT window{};
        combo.GetWindowRect(&window);
        // Room above and below: every item and two more, at least four rows.
        // Else as many rows as fit on the roomier side, here the upper one.
        const int expected = items == 1 ? 4 * itemHeight : window.top / itemHeight * itemHeight;
        ASSERT_FALSE(combo.m_heights.empty());
        EXPECT_EQ(expected, combo.m_heights.front());

        // As wide as the widest item, a scroll bar and a "0", in the combo box's font.
        const HDC dc = GetDC(combo);
        const HGDIOBJ previous = SelectObject(dc, combo.GetFont());
        SIZE item{}, zero{};
        GetTextExtentPoint32A(dc, kLongItem, static_cast<int>(std::strlen(kLongItem)), &item);
        GetTextExtentPoint32A(dc, "0", 1, &zero);
        SelectObject(dc, previous);
        ReleaseDC(combo, dc);
        EXPECT_EQ(item.cx + GetSystemMetrics(SM_CXVSCROLL) + zero.cx, combo.GetDroppedWidth());
    }
}

// The overlay, the spin and swallowed clicks, which the program never uses:
// one check each.
TEST(ComboboxTest, DisabledDropDownListShowsItsSelectionInAnOverlayAndNoClickDropsItDown)
{
    Host host;
    UICombobox combo;
    ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST | WS_VSCROLL | WS_VISIBLE, {10, 10, 200, 150}, &host, 1));
    ASSERT_TRUE(combo.GetSpin().Create(WS_VISIBLE, {200, 10, 216, 30}, &host, 2));
    combo.AddString("first");
    combo.AddString("second");
    combo.SetCurSel(1);
    combo.EnableWindow(false);
    EXPECT_FALSE(combo.GetSpin().IsWindowEnabled());
    ASSERT_NE(nullptr, combo.GetDisabledText());
    EXPECT_STREQ("second", combo.GetDisabledText()->GetWindowText());
    combo.EnableWindow(true);
    EXPECT_EQ(nullptr, combo.GetDisabledText());

    combo.m_bClicksEnabled = FALSE;
    combo.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    EXPECT_EQ(FALSE, combo.SendMessage(CB_GETDROPPEDSTATE));
    combo.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 5));
    ReleaseCapture();
}
