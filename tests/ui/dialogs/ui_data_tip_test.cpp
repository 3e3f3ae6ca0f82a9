// UIDataTip on real controls and a real tooltip window, one row per owner and
// point: whether the tip shows, its text, where it lies and its colours.
#include "ui/dialogs/ui_data_tip.h"

#include "platform/ccombo_box.h"
#include "platform/clist_box.h"
#include "tests/support/message_pump.h"
#include "ui/dialogs/ui_data_tip_owner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>

namespace {

constexpr char kLongText[] = "Quorvelin X8: number of retained diagnostic sessions";
const HFONT kFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

// An edit whose right margin holds a browse button, as a file or folder field's does.
class BrowseEdit : public CWnd, public UIDataTipOwner {
public:
    int GetDataTipExcludedWidth() const override { return 30; }
};

template <class Control>
std::unique_ptr<CWnd> Make(CWnd& host, const char* windowClass, DWORD style, RECT rect, const char* text = "")
{
    auto control = std::make_unique<Control>();
    EXPECT_TRUE(control->CreateEx(0, windowClass, "", WS_CHILD | WS_VISIBLE | style, rect, &host, 1));
    control->SetFont(kFont, false);
    control->SetWindowText(text);
    return control;
}

// A borderless edit (its client area is its window) `room` pixels wider than its text.
std::unique_ptr<CWnd> Edit(CWnd& host, int room)
{
    auto edit = Make<CWnd>(host, "EDIT", ES_AUTOHSCROLL, {10, 10, 110, 34}, kLongText);
    const HDC dc = GetDC(*edit);
    const HGDIOBJ previous = SelectObject(dc, kFont);
    SIZE size{};
    GetTextExtentPoint32A(dc, kLongText, static_cast<int>(std::strlen(kLongText)), &size);
    SelectObject(dc, previous);
    ReleaseDC(*edit, dc);
    edit->SetWindowPos(nullptr, 0, 0, size.cx + room, 24, SWP_NOMOVE | SWP_NOZORDER);
    return edit;
}

std::unique_ptr<CWnd> List(CWnd& host)
{
    auto list = Make<CListBox>(host, "LISTBOX", LBS_NOTIFY, {10, 10, 130, 200});
    for (const char* item : {"short", kLongText})
        list->SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    return list;
}

std::unique_ptr<CWnd> OwnerDrawnCombo(CWnd& host, int selection)
{
    auto combo = Make<CComboBox>(host, "COMBOBOX", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, {10, 10, 130, 200});
    for (const char* item : {"short", kLongText})
        combo->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    combo->SendMessage(CB_SETCURSEL, selection);
    return combo;
}

RECT ListItem(CWnd& list, int index)
{
    RECT item{};
    list.SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item;
}

int ComboButtonLeft(CWnd& combo)
{
    RECT client{};
    combo.GetClientRect(&client);
    return client.right - (GetSystemMetrics(SM_CXHTHUMB) + 2);
}

std::string TipText(const UIDataTip& tip)
{
    char text[256] = {};
    TTTOOLINFOA tool = tip.GetToolInfo();
    tool.lpszText = text;
    SendMessageA(tip.GetTipWindow(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

}  // namespace

TEST(DataTipTest, EachOwnerShowsTheCutOffTextUnderThePointOverItInItsColours)
{
    using Place = std::function<POINT(CWnd&)>;
    constexpr COLORREF kAny = CLR_NONE;
    const COLORREF window = GetSysColor(COLOR_WINDOW), highlight = GetSysColor(COLOR_HIGHLIGHT);
    struct Row {
        const char* name;
        std::function<std::unique_ptr<CWnd>(CWnd&)> make;
        bool focus;
        Place point;    // in the owner's client area
        bool shown;     // with the long text
        Place corner;   // where the tip's client area lies; null: not checked
        COLORREF background;
    };
    const auto at = [](int x, int y) { return [=](CWnd&) { return POINT{x, y}; }; };
    const Row rows[] = {
        // A text fits while the client area is at least 6 pixels wider than it.
        {"edit 6 wider than its text", [](CWnd& h) { return Edit(h, 6); }, false, at(5, 5), false, nullptr, kAny},
        {"edit 5 wider", [](CWnd& h) { return Edit(h, 5); }, false, at(5, 5), true, at(1, 3), window},
        {"focused edit", [](CWnd& h) { return Edit(h, 5); }, true, at(5, 5), true, at(1, 3), highlight},
        {"edit, point below it", [](CWnd& h) { return Edit(h, 5); }, false, at(5, 40), false, nullptr, kAny},
        {"browse edit left of its margin", [](CWnd& h) { return Make<BrowseEdit>(h, "EDIT", ES_AUTOHSCROLL, {10, 10, 210, 34}, kLongText); },
         false, at(200 - 31, 5), true, nullptr, kAny},
        {"browse edit over its margin", [](CWnd& h) { return Make<BrowseEdit>(h, "EDIT", ES_AUTOHSCROLL, {10, 10, 210, 34}, kLongText); },
         false, at(200 - 30, 5), false, nullptr, kAny},
        {"combo box left of its button", [](CWnd& h) { return Make<CComboBox>(h, "COMBOBOX", CBS_DROPDOWN, {10, 10, 130, 200}, kLongText); },
         false, [](CWnd& c) { return POINT{ComboButtonLeft(c) - 1, 5}; }, true, nullptr, kAny},
        {"combo box over its button", [](CWnd& h) { return Make<CComboBox>(h, "COMBOBOX", CBS_DROPDOWN, {10, 10, 130, 200}, kLongText); },
         false, [](CWnd& c) { return POINT{ComboButtonLeft(c), 5}; }, false, nullptr, kAny},
        {"owner-drawn combo box, long item chosen", [](CWnd& h) { return OwnerDrawnCombo(h, 1); }, false, at(5, 5), true, nullptr, kAny},
        {"owner-drawn combo box, short item chosen", [](CWnd& h) { return OwnerDrawnCombo(h, 0); }, false, at(5, 5), false, nullptr, kAny},
        // Exactly over the item, and never in selection colours.
        {"focused list box, long item", List, true, [](CWnd& l) { const RECT r = ListItem(l, 1); return POINT{r.left + 4, r.top + 2}; },
         true, [](CWnd& l) { const RECT r = ListItem(l, 1); return POINT{r.left, r.top}; }, window},
        {"list box, short item", List, false, [](CWnd& l) { const RECT r = ListItem(l, 0); return POINT{r.left + 4, r.top + 2}; },
         false, nullptr, kAny},
        {"list box below its items", List, false, at(10, 150), false, nullptr, kAny},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CWnd host;
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, {100, 100, 600, 400}, nullptr, 0));
        const std::unique_ptr<CWnd> owner = row.make(host);
        if (row.focus)
            owner->SetFocus();
        UIDataTip tip;
        ASSERT_TRUE(tip.Create(owner.get()));
        const HWND window = tip.GetTipWindow();
        ASSERT_EQ(row.shown, tip.Track(row.point(*owner)));
        if (row.shown) {
            ASSERT_TRUE(PumpMessagesUntil([&] { return IsWindowVisible(window) != FALSE; }, 2000));
            EXPECT_EQ(kLongText, TipText(tip));
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
            // The mouse leaves the client area: hidden.
            EXPECT_FALSE(tip.Track({5, 300}));
        }
        EXPECT_TRUE(PumpMessagesUntil([&] { return !IsWindowVisible(window); }, 2000));
        host.DestroyWindow();
    }
}
