// Control wrappers on real common controls, where the parameters they pass
// decide what the program shows: the grid's list editors preselect the
// item whose text is the cell's.
#include "platform/ccombo_box.h"
#include "platform/clist_box.h"
#include "tests/support/host_window.h"

#include <gtest/gtest.h>

// Faults: a prefix taken for the whole text, case counted, CB_ERR and LB_ERR
// mixed up.
TEST(ControlsTest, ListsFindExactTextsIgnoringCase)
{
    HostWindow host;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, {0, 0, 150, 200}, &host, 1));
    CListBox listBox;
    ASSERT_TRUE(listBox.Create(WS_VISIBLE, {200, 0, 300, 200}, &host, 2));
    for (const char* text : {"Lower", "Low"}) {
        combo.AddString(text);
        listBox.AddString(text);
    }
    const std::pair<const char*, int> rows[] = {{"LOW", 1}, {"Lowe", -1}, {"Lo", -1}};
    for (const auto& [text, found] : rows) {
        EXPECT_EQ(found, combo.FindStringExact(-1, text)) << text;
        EXPECT_EQ(found, listBox.FindStringExact(-1, text)) << text;
    }
}
