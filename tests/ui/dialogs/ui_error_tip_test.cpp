// UIErrorTip's modal wait on a real edit: the tip shows at the edit, nothing
// is dispatched while it is up, and the key or click that ends it reaches no
// window.
#include "ui/dialogs/ui_error_tip.h"

#include "platform/cwnd.h"
#include "tests/support/message_log.h"
#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

const RECT kHostRect{100, 100, 500, 300};
constexpr UINT kPostedWhileUp = WM_APP + 1;
constexpr UINT kPostedAfterTheKey = WM_APP + 2;

// Records what reaches the edit, then lets the edit handle it.
class RecordingEdit : public CWnd {
public:
    explicit RecordingEdit(MessageLog& log) : m_log(log) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_KEYDOWN || message == WM_CHAR || message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN ||
            message == kPostedWhileUp || message == kPostedAfterTheKey)
            m_log.Add("edit", message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    MessageLog& m_log;
};

// What the user's side sees while the tip is up, read from another thread
// (sent messages reach the tip even while its thread dispatches nothing).
struct SeenWhileUp {
    bool visible = false;
    POINT at{};
    COLORREF background = 0;
    COLORREF text = 0;
};

// Waits on another thread until the tip is visible, reads it, then posts the
// messages that a user's action would bring: something unrelated, the ending
// input, and something after it.
std::thread EndTipFromAnotherThread(HWND tip, HWND edit, UINT ending, WPARAM wParam, SeenWhileUp& seen)
{
    return std::thread([=, &seen] {
        const ULONGLONG deadline = GetTickCount64() + 5000;
        while (!IsWindowVisible(tip) && GetTickCount64() < deadline)
            Sleep(1);  // another thread's window: nothing to wait on
        seen.visible = IsWindowVisible(tip) != FALSE;
        seen.at = {0, 0};
        ClientToScreen(tip, &seen.at);  // the tooltip's client area sits at the tracking position
        seen.background = static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPBKCOLOR, 0, 0));
        seen.text = static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPTEXTCOLOR, 0, 0));
        PostMessageA(edit, kPostedWhileUp, 0, 0);
        PostMessageA(edit, ending, wParam, MAKELPARAM(5, 5));
        PostMessageA(edit, kPostedAfterTheKey, 0, 0);
        // A tip that stays up is ended by a key, so that the test fails
        // (what came after the input is gone too) instead of waiting for ever.
        const ULONGLONG patience = GetTickCount64() + 3000;
        while (IsWindowVisible(tip) && GetTickCount64() < patience)
            Sleep(1);
        if (IsWindowVisible(tip))
            PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    });
}

}  // namespace

TEST(ErrorTipTest, KeyOrEitherClickEndsTheTipAndReachesNoWindow)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, kHostRect, nullptr, 0));
    MessageLog log;
    RecordingEdit edit(log);
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, {20, 20, 220, 44}, &host, 1));
    edit.SetFocus();
    PumpPendingMessages();

    UIErrorTip tip;
    ASSERT_TRUE(tip.Create(&edit));
    POINT corner{0, 0};
    edit.ClientToScreen(&corner);

    for (const UINT ending : {UINT{WM_KEYDOWN}, UINT{WM_LBUTTONDOWN}, UINT{WM_RBUTTONDOWN}}) {
        SCOPED_TRACE(MessageLog::MessageName(ending));
        log.Clear();
        SeenWhileUp seen;
        std::thread user = EndTipFromAnotherThread(tip.GetTipWindow(), edit, ending, 'X', seen);
        tip.Show("Value must be between 1 and 100.");
        user.join();

        EXPECT_TRUE(seen.visible);
        EXPECT_EQ(corner.x, seen.at.x);
        EXPECT_EQ(corner.y, seen.at.y);
        EXPECT_EQ(GetSysColor(COLOR_INFOBK), seen.background);
        EXPECT_EQ(GetSysColor(COLOR_INFOTEXT), seen.text);
        EXPECT_FALSE(IsWindowVisible(tip.GetTipWindow()));

        // What came before the key was dropped with it; what came after is
        // still there for the program's own loop.
        PumpPendingMessages();
        EXPECT_EQ(std::vector<std::string>{"edit:" + MessageLog::MessageName(kPostedAfterTheKey)}, log.Entries())
            << log.Text();
        EXPECT_STREQ("", edit.GetWindowText());
    }

    const HWND tipWindow = tip.GetTipWindow();
    {
        const UIErrorTip gone(tip);  // an error tip takes its window with it
    }
    EXPECT_FALSE(IsWindow(tipWindow));
    host.DestroyWindow();
}
