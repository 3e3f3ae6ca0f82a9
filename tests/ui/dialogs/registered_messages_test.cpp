// The named-message table.
#include "ui/dialogs/registered_messages.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

TEST(RegisteredMessagesTest, AllThirteenNamesHaveTheirOwnNumbersEqualToAnyOtherRegistrationOfTheName)
{
    const UIRegisteredMessageTable& table = UIRegisteredMessages();
    const std::vector<std::pair<UINT, const char*>> named{
        {table.OnSelchange, "OnSelchange"},         {table.OnKillFocus, "OnKillFocus"},
        {table.OnEndMultiSelection, "OnEndMultiSelection"}, {table.OnKillFocusSpin, "OnKillFocusSpin"},
        {table.OnGetDialogId, "OnGetDialogId"},     {table.OnButtonMenuItem, "OnButtonMenuItem"},
        {table.OnMenuTrackPopup, "OnMenuTrackPopup"}, {table.OnMenuDrawItem, "OnMenuDrawItem"},
        {table.OnTvnSelchanged, "OnTvnSelchanged"}, {table.OnTcnSelchanged, "OnTcnSelchanged"},
        {table.OnLvnItemchanged, "OnLvnItemchanged"}, {table.OnDisabledTooltip, "OnDisabledTooltip"},
        {table.OnEndLabelEdit, "OnEndLabelEdit"},
    };
    static_assert(sizeof(UIRegisteredMessageTable) == 13 * sizeof(UINT));
    std::set<UINT> numbers;
    for (const auto& [number, name] : named) {
        EXPECT_GE(number, 0xC000u) << name;
        // Controls that register the name again themselves must meet the same message.
        EXPECT_EQ(RegisterWindowMessageA(name), number) << name;
        numbers.insert(number);
    }
    EXPECT_EQ(named.size(), numbers.size());
}
