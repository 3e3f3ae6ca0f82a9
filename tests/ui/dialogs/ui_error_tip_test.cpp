// UIErrorTip's modal wait on a real edit. Faults: a click that does not end
// it, a tip placed off the edit's corner or out of the tooltip colours, a
// message dispatched while it is up, the ending key typed into the field.
#include "ui/dialogs/ui_error_tip.h"

#include "tests/support/host_window.h"
#include "tests/support/message_log.h"
#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

constexpr UINT kPostedWhileUp = WM_APP + 1, kPostedAfterTheEnd = WM_APP + 2;

// Records what reaches the edit, then lets the edit handle it.
class RecordingEdit : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_KEYDOWN || message == WM_CHAR || message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN ||
            message == kPostedWhileUp || message == kPostedAfterTheEnd)
            m_log.Add("edit", message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    MessageLog m_log;
};

// What another thread saw while the tip was up (sent messages reach the tip
// even while its thread dispatches nothing): visible, where, its colours.
struct Seen {
    bool visible = false;
    POINT at{};
    COLORREF background = 0, text = 0;
};

// Waits until the tip shows, reads it, then posts what a user's action
// brings: something unrelated, the ending input, and something after it. A
// tip that stays up is ended by a key, so the test fails instead of hanging.
std::thread EndTipFromAnotherThread(HWND tip, HWND edit, UINT ending, Seen& seen)
{
    return std::thread([=, &seen] {
        const auto waitWhile = [tip](bool visible, DWORD ms) {
            for (const ULONGLONG end = GetTickCount64() + ms; (IsWindowVisible(tip) != FALSE) == visible && GetTickCount64() < end;)
                Sleep(1);  // another thread's window: nothing to wait on
        };
        waitWhile(false, 5000);
        seen.visible = IsWindowVisible(tip) != FALSE;
        ClientToScreen(tip, &seen.at);  // the tooltip's client area sits at the tracking position
        seen.background = static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPBKCOLOR, 0, 0));
        seen.text = static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPTEXTCOLOR, 0, 0));
        for (const UINT message : {kPostedWhileUp, ending, kPostedAfterTheEnd})
            PostMessageA(edit, message, 'X', MAKELPARAM(5, 5));
        waitWhile(true, 3000);
        if (IsWindowVisible(tip))
            PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    });
}

}  // namespace

TEST(ErrorTipTest, KeyOrEitherClickEndsTheTipAndReachesNoWindow)
{
    HostWindow host({100, 100, 500, 300}, WS_POPUP | WS_VISIBLE);
    RecordingEdit edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, {20, 20, 220, 44}, &host, 1));
    edit.SetFocus();
    PumpPendingMessages();
    UIErrorTip tip;
    ASSERT_TRUE(tip.Create(&edit));
    POINT corner{0, 0};
    edit.ClientToScreen(&corner);
    for (const UINT ending : {UINT{WM_KEYDOWN}, UINT{WM_LBUTTONDOWN}, UINT{WM_RBUTTONDOWN}}) {
        SCOPED_TRACE(MessageLog::MessageName(ending));
        edit.m_log.Clear();
        Seen seen;
        std::thread user = EndTipFromAnotherThread(tip.GetTipWindow(), edit, ending, seen);
        tip.Show("Value must be between 1 and 100.");
        user.join();
        EXPECT_TRUE(seen.visible);
        EXPECT_EQ(corner.x, seen.at.x);
        EXPECT_EQ(corner.y, seen.at.y);
        EXPECT_EQ(GetSysColor(COLOR_INFOBK), seen.background);
        EXPECT_EQ(GetSysColor(COLOR_INFOTEXT), seen.text);
        EXPECT_FALSE(IsWindowVisible(tip.GetTipWindow()));
        // What came before the input went with it; what came after is left
        // for the program's own loop.
        PumpPendingMessages();
        EXPECT_TRUE(edit.m_log.Is({"edit:" + MessageLog::MessageName(kPostedAfterTheEnd)}));
        EXPECT_STREQ("", edit.GetWindowText());
    }
    const HWND tipWindow = tip.GetTipWindow();
    {
        const UIErrorTip gone(tip);  // an error tip takes its window with it
    }
    EXPECT_FALSE(IsWindow(tipWindow));
}
