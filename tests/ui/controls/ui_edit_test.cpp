// UIEdit on real windows: its colours, the font it follows and the guard
// against its own set-font; the buddy spin and the data tip, which the
// program never uses, one check each.
#include "ui/controls/ui_edit.h"

#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

#include <cstring>

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

TEST(UIEditTest, FollowsAFontSetOnItButNotTheSetFontOfItsOwnFontObject)
{
    Host host;
    UIEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, {10, 10, 110, 32}, &host, 1001));
    EXPECT_EQ(edit.GetFontObject().GetSafeHandle(), edit.GetFont());
    LOGFONTA wanted{};
    wanted.lfHeight = -19;
    std::strcpy(wanted.lfFaceName, "Courier New");
    const HFONT given = CreateFontIndirectA(&wanted);
    edit.SetFont(given);
    // The edit shows the given font; the font object follows its description
    // with a font of its own, whose own set-font the guard turned away.
    EXPECT_EQ(given, edit.GetFont());
    EXPECT_NE(given, edit.GetFontObject().GetSafeHandle());
    EXPECT_STREQ("Courier New", edit.GetFontObject().GetLogFont().lfFaceName);
    EXPECT_EQ(-19, edit.GetFontObject().GetLogFont().lfHeight);
    // A handle that is no font changes nothing.
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(0, edit.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(brush), TRUE));
    EXPECT_EQ(given, edit.GetFont());
    DeleteObject(brush);
    edit.DestroyWindow();
    DeleteObject(given);
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
