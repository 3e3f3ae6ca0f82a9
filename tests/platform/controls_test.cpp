// Control wrappers on real common controls: the parameters they pass are
// the ones the controls understand.
#include "platform/ccombo_box.h"
#include "platform/clist_box.h"
#include "platform/clist_ctrl.h"
#include "platform/cspin_button_ctrl.h"
#include "platform/ctab_ctrl.h"
#include "platform/cedit.h"
#include "platform/ctool_tip_ctrl.h"
#include "platform/crect.h"

#include <gtest/gtest.h>

namespace {

class Host : public CWnd {
public:
    Host() { EXPECT_TRUE(CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 500, 400}, nullptr, 0)); }
};

}  // namespace

TEST(ControlsTest, ListControlGivesCellsColumnsDataAndSelection)
{
    Host host;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, {0, 0, 300, 200}, &host, 57342));
    EXPECT_EQ(0, list.InsertColumn(0, "Name", LVCFMT_LEFT, 100));
    EXPECT_EQ(1, list.InsertColumn(1, nullptr, LVCFMT_LEFT, 150));
    ASSERT_NE(nullptr, list.GetHeaderCtrl());
    EXPECT_EQ(2, list.GetHeaderCtrl()->GetItemCount());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(list.GetHeaderCtrl()->m_hWnd));  // not bound
    EXPECT_TRUE(list.SetColumnWidth(1, 120));
    EXPECT_EQ(120, list.GetColumnWidth(1));

    EXPECT_EQ(0, list.InsertItem(0, "Яркость"));
    EXPECT_EQ(1, list.InsertItem(1, "second"));
    EXPECT_TRUE(list.SetItemText(0, 1, "Высокая"));
    EXPECT_STREQ("Высокая", list.GetItemText(0, 1));
    EXPECT_TRUE(list.SetItemData(1, 1012));
    EXPECT_EQ(1012u, list.GetItemData(1));
    EXPECT_EQ(2, list.GetItemCount());
    EXPECT_EQ(0, list.GetTopIndex());
    EXPECT_GE(list.GetCountPerPage(), 2);

    CRect bounds;
    CRect cell;
    ASSERT_TRUE(list.GetItemRect(1, &bounds, LVIR_BOUNDS));
    ASSERT_TRUE(list.GetSubItemRect(1, 1, LVIR_BOUNDS, &cell));
    EXPECT_EQ(bounds.left + 100, cell.left);
    EXPECT_EQ(bounds.top, cell.top);
    LVHITTESTINFO hit{};
    hit.pt = {cell.left + 5, cell.top + 2};
    EXPECT_EQ(1, list.SubItemHitTest(&hit));
    EXPECT_EQ(1, hit.iSubItem);

    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
              list.GetExtendedStyle() & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
    EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(1u, list.GetSelectedCount());
    EXPECT_EQ(1, list.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(-1, list.GetNextItem(1, LVNI_SELECTED));
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(0, list.GetItemCount());
}

TEST(ControlsTest, ListsFindExactTextsKeepDataAndSizeTheirItems)
{
    Host host;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, {0, 0, 150, 200}, &host, 1));
    CListBox listBox;
    ASSERT_TRUE(listBox.Create(WS_VISIBLE, {200, 0, 300, 200}, &host, 2));
    for (const char* text : {"Low", "Lower", "low"}) {
        combo.AddString(text);
        listBox.AddString(text);
    }
    // Whole texts only, ignoring case, from after the start index.
    EXPECT_EQ(0, combo.FindStringExact(-1, "LOW"));
    EXPECT_EQ(2, combo.FindStringExact(0, "low"));
    EXPECT_EQ(CB_ERR, combo.FindStringExact(-1, "Lowe"));
    EXPECT_EQ(0, listBox.FindStringExact(-1, "low"));
    EXPECT_EQ(LB_ERR, listBox.FindStringExact(-1, "Lo"));

    EXPECT_NE(CB_ERR, combo.SetItemData(1, 77));
    EXPECT_EQ(77u, combo.GetItemData(1));
    EXPECT_NE(LB_ERR, listBox.SetItemData(2, 88));
    EXPECT_EQ(88u, listBox.GetItemData(2));

    EXPECT_EQ(260, combo.SetDroppedWidth(260));
    EXPECT_EQ(260, combo.GetDroppedWidth());
    const int fieldHeight = combo.GetItemHeight(-1);  // the selection field
    EXPECT_NE(CB_ERR, combo.SetItemHeight(-1, fieldHeight + 10));
    EXPECT_GE(combo.GetItemHeight(-1), fieldHeight + 10);
    EXPECT_GT(combo.GetItemHeight(0), 0);
    EXPECT_NE(LB_ERR, listBox.SetItemHeight(0, 19));
    EXPECT_EQ(19, listBox.GetItemHeight(0));
    combo.ResetContent();
    listBox.ResetContent();
    EXPECT_EQ(0, combo.GetCount());
    EXPECT_EQ(0, listBox.GetCount());
}

TEST(ControlsTest, TabTooltipSpinAndEditWrappers)
{
    Host host;
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_VISIBLE, {10, 10, 310, 210}, &host, 3));
    EXPECT_EQ(0, tabs.InsertItem(0, "Свойства"));
    EXPECT_EQ(1, tabs.InsertItem(1, "Компоненты"));
    EXPECT_EQ(2, tabs.GetItemCount());
    CRect first;
    CRect second;
    ASSERT_TRUE(tabs.GetItemRect(0, &first));
    ASSERT_TRUE(tabs.GetItemRect(1, &second));
    EXPECT_GT(first.Height(), 0);
    EXPECT_EQ(first.top, second.top);
    EXPECT_GT(second.left, first.left);
    EXPECT_FALSE(tabs.GetItemRect(5, &first));
    tabs.SetCurSel(1);
    EXPECT_EQ(1, tabs.GetCurSel());

    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, {10, 250, 110, 272}, &host, 4));
    edit.SetWindowText("12345");
    edit.SetSel(1, 3);
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(1, start);
    EXPECT_EQ(3, end);
    EXPECT_TRUE(edit.SetReadOnly());
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);

    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT, {110, 250, 126, 272}, &host, 5));
    spin.SetBuddy(&edit);
    EXPECT_EQ(edit.m_hWnd, spin.GetBuddy()->m_hWnd);
    spin.SetRange32(-5, 100000);
    int lower = 0;
    int upper = 0;
    spin.GetRange32(lower, upper);
    EXPECT_EQ(-5, lower);
    EXPECT_EQ(100000, upper);
    spin.SetPos32(70000);
    EXPECT_EQ(70000, spin.GetPos32());

    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&host, TTS_ALWAYSTIP));
    ASSERT_TRUE(tips.AddTool(&edit, "Right click on an .OCX or .DLL file to register a component."));
    const RECT area{0, 0, 50, 50};
    ASSERT_TRUE(tips.AddTool(&host, "area", &area, 1));
    EXPECT_EQ(2, tips.GetToolCount());
    EXPECT_STREQ("Right click on an .OCX or .DLL file to register a component.", tips.GetText(&edit));
    tips.UpdateTipText("Новый", &host, 1);
    EXPECT_STREQ("Новый", tips.GetText(&host, 1));
    EXPECT_EQ(200, (tips.SetMaxTipWidth(200), tips.SetMaxTipWidth(300)));
    tips.DelTool(&edit);
    EXPECT_EQ(1, tips.GetToolCount());
}
