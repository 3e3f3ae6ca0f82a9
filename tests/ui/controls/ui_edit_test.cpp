// UIEdit on a real window: its colours, and its buddy spin (which the program
// never uses) going disabled with it.
#include "ui/controls/ui_edit.h"

#include "tests/support/host_window.h"

#include <gtest/gtest.h>

namespace {

COLORREF BrushColour(LRESULT brush)
{
    LOGBRUSH description{};
    GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof description, &description);
    return description.lbColor;
}

}  // namespace

// Faults: a disabled field that looks like one that can be typed in, or an
// enabled one that keeps the disabled colour.
TEST(UIEditTest, PaintsWindowColourEnabledAndButtonFaceDisabledAndTakesItsSpinAlong)
{
    HostWindow host;
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
