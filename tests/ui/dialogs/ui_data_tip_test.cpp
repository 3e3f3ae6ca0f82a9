// UIDataTip on real controls and a real tooltip window, one row per owner and
// point: whether the tip shows, its text, where it lies and its colours.
#include "ui/dialogs/ui_data_tip.h"

#include "platform/ccombo_box.h"
#include "platform/cdc.h"
#include "platform/clist_box.h"
#include "tests/support/host_window.h"
#include "tests/support/message_pump.h"
#include "tests/support/tool_tip_text.h"
#include "ui/dialogs/ui_data_tip_owner.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr char kLongText[] = "Quorvelin X8: number of retained diagnostic sessions";
const HFONT kFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

// An edit whose right margin holds a browse button, as a file or folder field's does.
class BrowseEdit : public CWnd, public UIDataTipOwner {
public:
    int GetDataTipExcludedWidth() const override { return 30; }
};

enum Kind { kEdit, kBrowseEdit, kCombo, kDrawnCombo, kList };

// The owner, holding the long text: an edit `room` pixels wider than it
// (borderless: its client area is its window); a combo box; an owner-drawn
// one with the item `room` chosen; a list box of a short and the long item.
std::unique_ptr<CWnd> Make(CWnd& host, Kind kind, int room)
{
    std::unique_ptr<CWnd> owner(kind == kBrowseEdit ? static_cast<CWnd*>(new BrowseEdit)
                                : kind == kList     ? static_cast<CWnd*>(new CListBox)
                                : kind == kEdit     ? new CWnd
                                                    : new CComboBox);
    const char* windowClass = kind == kList ? "LISTBOX" : kind <= kBrowseEdit ? "EDIT" : "COMBOBOX";
    const DWORD style = kind == kList ? LBS_NOTIFY : kind == kDrawnCombo ? CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS
                                     : kind == kCombo ? CBS_DROPDOWN : ES_AUTOHSCROLL;
    EXPECT_TRUE(owner->CreateEx(0, windowClass, "", WS_CHILD | WS_VISIBLE | style, {10, 10, 130, 200}, &host, 1));
    owner->SetFont(kFont, false);
    if (kind <= kCombo) {
        owner->SetWindowText(kLongText);
    } else {
        for (const char* item : {"short", kLongText})
            owner->SendMessage(kind == kList ? LB_ADDSTRING : CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        if (kind == kDrawnCombo)
            owner->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(room));
    }
    SIZE size{200, 24};
    if (kind == kEdit) {
        CClientDC dc(owner.get());  // a common context: released as it was got
        dc.SelectObject(kFont);
        size = {dc.GetTextExtent(kLongText, sizeof kLongText - 1).cx + room, 24};
    }
    if (kind <= kBrowseEdit)
        owner->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    return owner;
}

using Place = std::function<POINT(CWnd&)>;
Place At(int x, int y)
{
    return [=](CWnd&) { return POINT{x, y}; };
}
// Relative to the list's item or the combo box's drop-down button.
Place InItem(int index, int x, int y)
{
    return [=](CWnd& list) {
        RECT item{};
        list.SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        return POINT{item.left + x, item.top + y};
    };
}
Place ByButton(int x)
{
    return [=](CWnd& combo) {
        RECT client{};
        combo.GetClientRect(&client);
        return POINT{client.right - (GetSystemMetrics(SM_CXHTHUMB) + 2) + x, 5};
    };
}

}  // namespace

// Faults: a tip over a text that fits or over a button of the control, a tip
// not over the text it completes, selection colours where nothing is selected.
TEST(DataTipTest, EachOwnerShowsTheCutOffTextUnderThePointOverItInItsColours)
{
    constexpr COLORREF kAny = CLR_NONE;
    const COLORREF window = GetSysColor(COLOR_WINDOW), highlight = GetSysColor(COLOR_HIGHLIGHT);
    const struct {
        const char* name;
        Kind kind;
        int room;
        bool focus;
        Place point;   // in the owner's client area
        bool shown;    // with the long text
        Place corner;  // where the tip's client area lies; null: not checked
        COLORREF background;
    } rows[] = {
        // A text fits while the client area is at least 6 pixels wider than it.
        {"edit 6 wider than its text", kEdit, 6, false, At(5, 5), false, nullptr, kAny},
        {"edit 5 wider", kEdit, 5, false, At(5, 5), true, At(1, 3), window},
        {"focused edit", kEdit, 5, true, At(5, 5), true, At(1, 3), highlight},
        {"edit, point below it", kEdit, 5, false, At(5, 40), false, nullptr, kAny},
        {"browse edit left of its margin", kBrowseEdit, 0, false, At(200 - 31, 5), true, nullptr, kAny},
        {"browse edit over its margin", kBrowseEdit, 0, false, At(200 - 30, 5), false, nullptr, kAny},
        {"combo box left of its button", kCombo, 0, false, ByButton(-1), true, nullptr, kAny},
        {"combo box over its button", kCombo, 0, false, ByButton(0), false, nullptr, kAny},
        {"owner-drawn combo box, long item chosen", kDrawnCombo, 1, false, At(5, 5), true, nullptr, kAny},
        {"owner-drawn combo box, short item chosen", kDrawnCombo, 0, false, At(5, 5), false, nullptr, kAny},
        // Exactly over the item, and never in selection colours.
        {"focused list box, long item", kList, 0, true, InItem(1, 4, 2), true, InItem(1, 0, 0), window},
        {"list box, short item", kList, 0, false, InItem(0, 4, 2), false, nullptr, kAny},
        {"list box below its items", kList, 0, false, At(10, 150), false, nullptr, kAny},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        HostWindow host({100, 100, 600, 400}, WS_POPUP | WS_VISIBLE);
        const std::unique_ptr<CWnd> owner = Make(host, row.kind, row.room);
        if (row.focus)
            owner->SetFocus();
        UIDataTip tip;
        ASSERT_TRUE(tip.Create(owner.get()));
        const HWND window = tip.GetTipWindow();
        ASSERT_EQ(row.shown, tip.Track(row.point(*owner)));
        if (row.shown) {
            ASSERT_TRUE(PumpMessagesUntil([&] { return IsWindowVisible(window) != FALSE; }, 2000));
            EXPECT_EQ(kLongText, ToolTipText(window, &tip.GetToolInfo()));
            if (row.corner) {
                POINT expected = row.corner(*owner), placed{0, 0};
                owner->ClientToScreen(&expected);
                ClientToScreen(window, &placed);
                EXPECT_EQ(expected.x, placed.x);
                EXPECT_EQ(expected.y, placed.y);
            }
            if (row.background != kAny) {
                EXPECT_EQ(static_cast<LRESULT>(row.background), SendMessageA(window, TTM_GETTIPBKCOLOR, 0, 0));
            }
            EXPECT_FALSE(tip.Track({5, 300}));  // the mouse leaves the client area: hidden
        }
        EXPECT_TRUE(PumpMessagesUntil([&] { return !IsWindowVisible(window); }, 2000));
    }
}
