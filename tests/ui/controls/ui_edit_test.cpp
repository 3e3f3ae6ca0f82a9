// UIEdit on real windows: its colours; the buddy spin and the data tip, one
// check each. (The font it follows is the combo box test's: both follow it
// through the same font object.)
#include "ui/controls/ui_edit.h"

#include "tests/support/message_pump.h"

#include <gtest/gtest.h>


namespace {

class Host : public CWnd {
public:
    Host() { EXPECT_TRUE(CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300}, nullptr, 0)); }
};

COLORREF BrushColour(LRESULT brush)
{
    LOGBRUSH description{};
    GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof description, &description);
    return description.lbColor;
}

}  // namespace

TEST(UIEditTest, PaintsWindowColourEnabledAndButtonFaceDisabledAndTakesItsSpinAlong)
{
    Host host;
    UIEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, {10, 10, 110, 32}, &host, 1001));
    ASSERT_TRUE(edit.GetBuddySpin().Create(WS_VISIBLE, {110, 10, 126, 32}, &host, 1002));
    const HDC dc = GetDC(edit);
    const auto ask = [&](UINT message) {
        return host.SendMessage(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit.m_hWnd));
    };
    const LRESULT enabled = ask(WM_CTLCOLOREDIT);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), BrushColour(enabled));
    edit.EnableWindow(false);
    EXPECT_FALSE(edit.GetBuddySpin().IsWindowEnabled());
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), BrushColour(ask(WM_CTLCOLORSTATIC)));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetBkColor(dc));
    edit.EnableWindow(true);
    EXPECT_EQ(enabled, ask(WM_CTLCOLOREDIT));
    ReleaseDC(edit, dc);
}

TEST(UIEditTest, DataTipShowsWhileTheMouseRestsAndGoesWhenItHasLeft)
{
    Host host;
    UIEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, {10, 10, 60, 32}, &host, 1001));
    edit.SetWindowText("a text far too long to fit into the narrow edit that shows it");
    edit.EnableDataTip();
    POINT screen{10, 8};
    edit.ClientToScreen(&screen);
    SetCursorPos(screen.x, screen.y);
    edit.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 8));
    EXPECT_TRUE(IsWindowVisible(edit.GetDataTip().GetTipWindow()));
    SetCursorPos(screen.x, screen.y + 200);
    EXPECT_TRUE(PumpMessagesUntil([&] { return !edit.IsTipTracking(); }));
    EXPECT_FALSE(IsWindowVisible(edit.GetDataTip().GetTipWindow()));
}
