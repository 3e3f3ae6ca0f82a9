// UIDataTip on real controls and a real tooltip window: the fit test, where
// the tip goes for each kind of owner, and its colours.
#include "ui/dialogs/ui_data_tip.h"

#include "platform/ccombo_box.h"
#include "platform/clist_box.h"
#include "platform/cwnd.h"
#include "tests/support/message_pump.h"
#include "ui/dialogs/ui_data_tip_owner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const RECT kHostRect{100, 100, 600, 400};
constexpr char kLongText[] = "Quorvelin X8: number of retained diagnostic sessions";

int TextWidthIn(HWND window, const char* text)
{
    const HDC dc = GetDC(window);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &size);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return size.cx;
}

POINT ClientOriginOnScreen(HWND window)
{
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return origin;
}

// Where the tip was tracked to: the tooltip puts its client area, inside its
// border, at the tracking position.
POINT TipPosition(HWND tip)
{
    POINT at{0, 0};
    ClientToScreen(tip, &at);
    return at;
}

std::string TipText(const UIDataTip& tip)
{
    char text[256] = {};
    TTTOOLINFOA tool = tip.GetToolInfo();
    tool.lpszText = text;
    SendMessageA(tip.GetTipWindow(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

LOGFONTA FontOf(HWND window)
{
    LOGFONTA logFont{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof logFont, &logFont);
    return logFont;
}

class DataTipTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, kHostRect, nullptr, 0));
        m_font = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    void TearDown() override { m_host.DestroyWindow(); }

    // A borderless edit: its client area is its window.
    void CreateEdit(CWnd& edit, const char* text, int width)
    {
        ASSERT_TRUE(edit.CreateEx(0, "EDIT", text, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, {10, 10, 10 + width, 34},
                                  &m_host, 1));
        edit.SetFont(m_font, false);
    }

    CWnd m_host;
    HFONT m_font = nullptr;
};

// Stand for the toolkit's list control and file/folder edit, which answer the
// tip through UIDataTipOwner: a real report list view with the list view's
// own cell hit test, and a real edit whose right margin holds no text.
class UIListCtrl : public CWnd, public UIDataTipOwner {
public:
    bool GetDataTipCell(POINT point, CString* text, RECT* cell) const override
    {
        if ((GetStyle() & LVS_TYPEMASK) != LVS_REPORT)
            return false;
        LVHITTESTINFO hit{};
        hit.pt = point;
        if (SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0 || hit.iItem < 0)
            return true;
        RECT bounds{};
        bounds.top = hit.iSubItem;
        bounds.left = LVIR_BOUNDS;
        SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(hit.iItem), reinterpret_cast<LPARAM>(&bounds));
        if (hit.iSubItem == 0)  // the bounds of sub-item 0 are the whole row
            bounds.right = bounds.left + static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, 0));
        *cell = bounds;
        char buffer[256] = {};
        LVITEMA item{};
        item.iSubItem = hit.iSubItem;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(hit.iItem), reinterpret_cast<LPARAM>(&item));
        *text = buffer;
        return true;
    }
};

class UIEditFileFolder : public CWnd, public UIDataTipOwner {
public:
    int GetDataTipExcludedWidth() const override { return HIWORD(SendMessage(EM_GETMARGINS)); }
};

}  // namespace

TEST_F(DataTipTest, CreateNeedsAnOwnerAndMakesAHiddenTrackingTipInTheOwnersFont)
{
    UIDataTip orphan;
    EXPECT_FALSE(orphan.Create(nullptr));
    EXPECT_EQ(nullptr, orphan.GetTipWindow());
    EXPECT_FALSE(orphan.Track({1, 1}));

    CWnd edit;
    CreateEdit(edit, "short", 200);
    UIDataTip tip;
    ASSERT_TRUE(tip.Create(&edit));
    const HWND window = tip.GetTipWindow();
    ASSERT_NE(nullptr, window);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(TOOLTIPS_CLASSA, className);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(1, SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0));
    LOGFONTA ownerFont{};
    GetObjectA(m_font, sizeof ownerFont, &ownerFont);
    EXPECT_STREQ(ownerFont.lfFaceName, FontOf(window).lfFaceName);  // the tooltip keeps a copy
    EXPECT_EQ(ownerFont.lfHeight, FontOf(window).lfHeight);

    // A copy drives the same tooltip window.
    const UIDataTip copy(tip);
    EXPECT_EQ(window, copy.GetTipWindow());
    EXPECT_EQ(&edit, copy.GetOwner());
}

TEST_F(DataTipTest, EditTextThatFitsShowsNoTipAndOnePixelLessRoomShowsItAtOneThree)
{
    CWnd edit;
    CreateEdit(edit, kLongText, 100);
    const int textWidth = TextWidthIn(edit, kLongText);
    UIDataTip tip;
    ASSERT_TRUE(tip.Create(&edit));

    // The text fits while the client area is at least 6 pixels wider: a
    // 100-pixel area holds 94 pixels of text but not 95.
    edit.SetWindowPos(nullptr, 0, 0, textWidth + 6, 24, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_FALSE(tip.Track({5, 5}));
    EXPECT_FALSE(IsWindowVisible(tip.GetTipWindow()));

    edit.SetWindowPos(nullptr, 0, 0, textWidth + 5, 24, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(tip.Track({5, 5}));
    ASSERT_TRUE(PumpMessagesUntil([&] { return IsWindowVisible(tip.GetTipWindow()) != FALSE; }, 2000));
    const POINT origin = ClientOriginOnScreen(edit);
    const POINT at = TipPosition(tip.GetTipWindow());
    EXPECT_EQ(origin.x + 1, at.x);
    EXPECT_EQ(origin.y + 3, at.y);
    EXPECT_EQ(kLongText, TipText(tip));
    // Not focused: window colours.
    EXPECT_EQ(static_cast<LRESULT>(GetSysColor(COLOR_WINDOW)), SendMessageA(tip.GetTipWindow(), TTM_GETTIPBKCOLOR, 0, 0));
    EXPECT_EQ(static_cast<LRESULT>(GetSysColor(COLOR_WINDOWTEXT)),
              SendMessageA(tip.GetTipWindow(), TTM_GETTIPTEXTCOLOR, 0, 0));

    // Focused, the tip shows the text highlighted.
    edit.SetFocus();
    ASSERT_TRUE(tip.Track({5, 5}));
    EXPECT_EQ(static_cast<LRESULT>(GetSysColor(COLOR_HIGHLIGHT)),
              SendMessageA(tip.GetTipWindow(), TTM_GETTIPBKCOLOR, 0, 0));
    EXPECT_EQ(static_cast<LRESULT>(GetSysColor(COLOR_HIGHLIGHTTEXT)),
              SendMessageA(tip.GetTipWindow(), TTM_GETTIPTEXTCOLOR, 0, 0));

    // The mouse leaves the client area: hidden.
    EXPECT_FALSE(tip.Track({5, 40}));
    EXPECT_TRUE(PumpMessagesUntil([&] { return !IsWindowVisible(tip.GetTipWindow()); }, 2000));
}

TEST_F(DataTipTest, OverTheComboBoxButtonTheTipIsHidden)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWN, {10, 10, 130, 200}, &m_host, 2));
    combo.SetFont(m_font, false);
    combo.SetWindowText(kLongText);
    UIDataTip tip;
    ASSERT_TRUE(tip.Create(&combo));

    RECT client{};
    combo.GetClientRect(&client);
    const int button = GetSystemMetrics(SM_CXHTHUMB) + 2;
    EXPECT_TRUE(tip.Track({client.right - button - 1, 5}));
    EXPECT_FALSE(tip.Track({client.right - button, 5}));
    EXPECT_TRUE(PumpMessagesUntil([&] { return !IsWindowVisible(tip.GetTipWindow()); }, 2000));
}

TEST_F(DataTipTest, ListBoxTipLiesExactlyOverTheItemInWindowColoursEvenWithTheFocus)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY, {10, 10, 130, 200}, &m_host, 3));
    list.SetFont(m_font, false);
    list.AddString("short");
    list.AddString(kLongText);
    list.SetFocus();
    UIDataTip tip;
    ASSERT_TRUE(tip.Create(&list));

    RECT item{};
    ASSERT_NE(LB_ERR, list.GetItemRect(1, &item));
    ASSERT_TRUE(tip.Track({item.left + 4, item.top + 2}));
    ASSERT_TRUE(PumpMessagesUntil([&] { return IsWindowVisible(tip.GetTipWindow()) != FALSE; }, 2000));
    list.ClientToScreen(&item);
    const POINT at = TipPosition(tip.GetTipWindow());
    EXPECT_EQ(item.left, at.x);
    EXPECT_EQ(item.top, at.y);
    EXPECT_EQ(kLongText, TipText(tip));
    EXPECT_EQ(static_cast<LRESULT>(GetSysColor(COLOR_WINDOW)), SendMessageA(tip.GetTipWindow(), TTM_GETTIPBKCOLOR, 0, 0));
    EXPECT_EQ(static_cast<LRESULT>(GetSysColor(COLOR_WINDOWTEXT)),
              SendMessageA(tip.GetTipWindow(), TTM_GETTIPTEXTCOLOR, 0, 0));

    // A short item, and the empty space below the items, show nothing.
    RECT first{};
    list.GetItemRect(0, &first);
    EXPECT_FALSE(tip.Track({first.left + 4, first.top + 2}));
    EXPECT_FALSE(tip.Track({10, 150}));
}

TEST_F(DataTipTest, OwnerDrawnComboBoxShowsItsSelectionText)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                             {10, 10, 130, 200}, &m_host, 4));
    combo.SetFont(m_font, false);
    combo.AddString("short");
    combo.AddString(kLongText);
    UIDataTip tip;
    ASSERT_TRUE(tip.Create(&combo));

    combo.SetCurSel(0);
    EXPECT_FALSE(tip.Track({5, 5}));
    combo.SetCurSel(1);
    ASSERT_TRUE(tip.Track({5, 5}));
    EXPECT_EQ(kLongText, TipText(tip));
}

TEST_F(DataTipTest, ListControlTipShowsTheCutOffCellAtTheCellsCorner)
{
    UIListCtrl list;
    ASSERT_TRUE(list.CreateEx(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, {10, 10, 310, 200}, &m_host, 5));
    list.SetFont(m_font, false);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = 80;
    list.SendMessage(LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    column.cx = 120;
    list.SendMessage(LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<char*>("Name");
    list.SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(kLongText);
    list.SendMessage(LVM_SETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
    UIDataTip tip;
    ASSERT_TRUE(tip.Create(&list));

    RECT cell{};
    cell.top = 1;
    cell.left = LVIR_BOUNDS;
    ASSERT_TRUE(list.SendMessage(LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&cell)));
    // The short first cell fits although the row is wide; the long second one does not.
    EXPECT_FALSE(tip.Track({5, cell.top + 2}));
    ASSERT_TRUE(tip.Track({cell.left + 5, cell.top + 2}));
    EXPECT_EQ(kLongText, TipText(tip));
    list.ClientToScreen(&cell);
    const POINT at = TipPosition(tip.GetTipWindow());
    EXPECT_EQ(cell.left + 1, at.x);
    EXPECT_EQ(cell.top + 3, at.y);
    EXPECT_FALSE(tip.Track({5, 180}));  // below the rows: no cell
}

TEST_F(DataTipTest, OverTheFileFolderEditsBrowseMarginTheTipIsHidden)
{
    UIEditFileFolder edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", kLongText, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, {10, 10, 210, 34}, &m_host, 6));
    edit.SetFont(m_font, false);
    edit.SendMessage(EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, 30));
    UIDataTip tip;
    ASSERT_TRUE(tip.Create(&edit));
    EXPECT_TRUE(tip.Track({200 - 31, 5}));
    EXPECT_FALSE(tip.Track({200 - 30, 5}));
}
