// Control wrappers on real common controls, where the parameters they pass
// decide what the program shows: exact-text search in lists (the grid's
// list editor preselects by it) and a tooltip's texts (button tips).
#include "platform/ccombo_box.h"
#include "platform/clist_box.h"
#include "platform/ctool_tip_ctrl.h"
#include "tests/support/host_window.h"

#include <gtest/gtest.h>

// Faults: a prefix taken for the whole text, case counted, the start index
// searched itself, CB_ERR and LB_ERR mixed up.
TEST(ControlsTest, ListsFindExactTextsIgnoringCaseFromAfterTheStart)
{
    HostWindow host;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, {0, 0, 150, 200}, &host, 1));
    CListBox listBox;
    ASSERT_TRUE(listBox.Create(WS_VISIBLE, {200, 0, 300, 200}, &host, 2));
    for (const char* text : {"Low", "Lower", "low"}) {
        combo.AddString(text);
        listBox.AddString(text);
    }
    const struct {
        int start;
        const char* text;
        int found;  // -1: CB_ERR and LB_ERR
    } rows[] = {{-1, "LOW", 0}, {0, "low", 2}, {-1, "Lowe", -1}, {-1, "Lo", -1}, {2, "Lower", 1}};
    for (const auto& row : rows) {
        EXPECT_EQ(row.found, combo.FindStringExact(row.start, row.text)) << row.text << " from " << row.start;
        EXPECT_EQ(row.found, listBox.FindStringExact(row.start, row.text)) << row.text << " from " << row.start;
    }
}

// Fault: a tool's text read back from another tool, or not replaced.
TEST(ControlsTest, ToolTipKeepsOneTextPerToolAndReplacesIt)
{
    HostWindow host;
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, {10, 250, 110, 272}, &host, 4));
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&host, TTS_ALWAYSTIP));
    ASSERT_TRUE(tips.AddTool(&edit, "Right click on an .OCX or .DLL file to register a component."));
    const RECT area{0, 0, 50, 50};
    ASSERT_TRUE(tips.AddTool(&host, "area", &area, 1));
    EXPECT_EQ(2, tips.GetToolCount());
    EXPECT_STREQ("Right click on an .OCX or .DLL file to register a component.", tips.GetText(&edit));
    tips.UpdateTipText("Новый", &host, 1);
    EXPECT_STREQ("Новый", tips.GetText(&host, 1));
    tips.DelTool(&edit);
    EXPECT_EQ(1, tips.GetToolCount());
}
