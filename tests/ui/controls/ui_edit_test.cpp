// UIEdit on real windows: its colours, the font it follows and the guard
// against its own set-font, the buddy spin, and the data tip's timer.
#include "ui/controls/ui_edit.h"

#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const char kLongText[] = "a text far too long to fit into the narrow edit that shows it";

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

LOGFONTA Font(const char* face, LONG height)
{
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

}  // namespace

TEST(UIEditTest, PaintsWindowColourEnabledAndButtonFaceDisabledAndTakesItsSpinAlong)
{
    Host host;
    UIEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, {10, 10, 110, 32}, &host, 1001));
    ASSERT_TRUE(edit.GetBuddySpin().Create(WS_VISIBLE, {110, 10, 126, 32}, &host, 1002));
    const HDC dc = GetDC(edit);

    // The parent's colour request is answered by the edit's own brushes.
    const LRESULT enabled = host.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit.m_hWnd));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), BrushColour(enabled));
    EXPECT_NE(reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW)), enabled);

    SetBkColor(dc, RGB(1, 2, 3));
    edit.EnableWindow(false);
    EXPECT_FALSE(edit.GetBuddySpin().IsWindowEnabled());
    const LRESULT disabled = host.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit.m_hWnd));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), BrushColour(disabled));
    EXPECT_NE(reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)), disabled);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetBkColor(dc));

    edit.EnableWindow(true);
    EXPECT_TRUE(edit.GetBuddySpin().IsWindowEnabled());
    EXPECT_EQ(enabled, host.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit.m_hWnd)));
    ReleaseDC(edit, dc);

    edit.ShowWindow(SW_HIDE);
    EXPECT_FALSE(edit.GetBuddySpin().IsWindowVisible());
    edit.ShowWindow(SW_SHOW);
    EXPECT_TRUE(edit.GetBuddySpin().IsWindowVisible());
}

TEST(UIEditTest, FollowsAFontSetOnItButNotTheSetFontOfItsOwnFontObject)
{
    Host host;
    UIEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, {10, 10, 110, 32}, &host, 1001));
    // Create gave the edit the font object's font.
    ASSERT_NE(nullptr, edit.GetFontObject().GetSafeHandle());
    EXPECT_EQ(edit.GetFontObject().GetSafeHandle(), edit.GetFont());

    const LOGFONTA wanted = Font("Courier New", -19);
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
    class TickCountingEdit : public UIEdit {
    public:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            m_ticks += message == WM_TIMER ? 1 : 0;
            return UIEdit::WindowProc(message, wParam, lParam);
        }
        int m_ticks = 0;
    };
    Host host;
    UIEdit other;
    ASSERT_TRUE(other.Create(WS_VISIBLE | WS_BORDER, {10, 50, 110, 72}, &host, 1002));
    TickCountingEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, {10, 10, 60, 32}, &host, 1001));
    edit.SetWindowText(kLongText);
    edit.EnableDataTip();
    other.SetFocus();
    RECT client{};
    edit.GetClientRect(&client);
    const POINT inside{client.right / 2, client.bottom / 2};
    POINT screen = inside;
    edit.ClientToScreen(&screen);
    SetCursorPos(screen.x, screen.y);

    edit.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(inside.x, inside.y));
    ASSERT_TRUE(edit.IsTipTracking());
    EXPECT_TRUE(IsWindowVisible(edit.GetDataTip().GetTipWindow()));
    edit.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(inside.x + 1, inside.y));
    EXPECT_TRUE(edit.IsTipTracking());

    // Ticks while the cursor is inside leave the tip up; outside, the next one ends it.
    EXPECT_TRUE(PumpMessagesUntil([&] { return edit.m_ticks >= 2; }));
    EXPECT_TRUE(IsWindowVisible(edit.GetDataTip().GetTipWindow()));
    SetCursorPos(screen.x, screen.y + 200);
    EXPECT_TRUE(PumpMessagesUntil([&] { return !edit.IsTipTracking(); }));
    EXPECT_FALSE(IsWindowVisible(edit.GetDataTip().GetTipWindow()));
    EXPECT_FALSE(KillTimer(edit, 1));  // the timer is gone
}
