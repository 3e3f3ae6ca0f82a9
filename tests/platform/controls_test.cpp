// Control wrappers on real common controls, where the parameters they pass
// decide what the program shows: exact-text search in lists (the grid's
// list editor preselects by it).
#include "platform/ccombo_box.h"
#include "platform/clist_box.h"
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
