// The named-message table, and the named messages travelling between real
// windows the way the toolkit's controls use them.
#include "ui/dialogs/registered_messages.h"

#include "platform/cdialog.h"
#include "platform/cwnd.h"
#include "resources/resource.h"
#include "tests/support/message_log.h"
#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

const RECT kRect{50, 50, 450, 350};

// Posts "OnSelchange" on to its parent unchanged, as the grid control and the
// property grid container do; the last window of the chain only records it.
class SelchangeHop : public CWnd {
public:
    SelchangeHop(MessageLog& log, const char* name, bool forward) : m_log(log), m_name(name), m_bForward(forward) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == UIRegisteredMessages().OnSelchange) {
            char entry[96];
            wsprintfA(entry, "%s:OnSelchange %08lx %ld", m_name, static_cast<unsigned long>(wParam),
                      static_cast<long>(lParam));
            m_log.Add(entry);
            if (m_bForward)
                ::PostMessageA(::GetParent(m_hWnd), message, wParam, lParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    MessageLog& m_log;
    const char* m_name;
    bool m_bForward;
};

}  // namespace

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

TEST(RegisteredMessagesTest, OnSelchangeCrossesGridContainerAndDialogWithTheSameParameters)
{
    MessageLog log;
    SelchangeHop dialog(log, "dialog", false);
    SelchangeHop container(log, "container", true);
    SelchangeHop grid(log, "grid", true);
    ASSERT_TRUE(dialog.CreateEx(0, nullptr, "dialog", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    ASSERT_TRUE(container.Create(nullptr, "", WS_VISIBLE, {10, 10, 300, 200}, &dialog, 1003));
    ASSERT_TRUE(grid.Create(nullptr, "", WS_VISIBLE, {0, 0, 250, 150}, &container, 1));

    // A cell editor's choice: row 3, column 1, item 2.
    const WPARAM cell = (3u << 16) | 1u;
    ASSERT_TRUE(grid.PostMessage(UIRegisteredMessages().OnSelchange, cell, 2));
    ASSERT_TRUE(PumpMessagesUntil([&] { return log.Entries().size() >= 3; }, 2000)) << log.Text();

    const std::vector<std::string> expected{"grid:OnSelchange 00030001 2", "container:OnSelchange 00030001 2",
                                            "dialog:OnSelchange 00030001 2"};
    EXPECT_EQ(expected, log.Entries()) << log.Text();
    dialog.DestroyWindow();
}

TEST(RegisteredMessagesTest, OnGetDialogIdSentToADialogThatDoesNotHandleItAnswersZero)
{
    CDialog dialog(IDD_ABOUTBOX);
    ASSERT_TRUE(dialog.Create(IDD_ABOUTBOX));
    // As a persistent control asks its parent: sent, waiting for the answer.
    EXPECT_EQ(0, ::SendMessageA(dialog, UIRegisteredMessages().OnGetDialogId, 0, 0));
    dialog.DestroyWindow();
}
