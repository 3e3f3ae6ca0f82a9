// The stored text of the window's rectangle, and what is restored from it or ignored.
#include "editor/window_position.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

void PrintTo(const WindowPositionRect& r, std::ostream* out)
{
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

// One 1920 x 1080 primary screen, with a 1280 x 1024 monitor on its left.
const WindowPositionScreens kScreens{1920, 1080, {-1280, 0, 1920, 1080}};

// What each stored text restores to; nothing where it is ignored. What is
// saved (fractions of the primary screen to six places, and the size) comes
// back where it was, on either monitor.
TEST(WindowPositionTest, EachTextRestoresToItsRectangleOrIsIgnored)
{
    EXPECT_EQ("-0.500000,0.333333,400,300", FormatWindowPosition({-960, 360, -560, 660}, 1920, 1080));
    for (const WindowPositionRect window : {WindowPositionRect{480, 270, 1080, 670}, {-960, 540, -560, 840}})
        EXPECT_EQ(window, RestoredWindowPosition(FormatWindowPosition(window, 1920, 1080), kScreens));
    using Rect = std::optional<WindowPositionRect>;
    const std::string padded = "0.5,0.5,400," + std::string(35, ' ') + "3";  // exactly 48 bytes, no NUL
    const struct {
        std::string text;
        Rect restored;
        WindowPositionScreens screens = kScreens;
    } cases[] = {
        // A negative size is normalised by the swap.
        {"0.5,0.5,-400,300", WindowPositionRect{560, 540, 960, 840}},
        {"0.5,0.5,400,-300", WindowPositionRect{960, 240, 1360, 540}},
        // Read as "%f,%f,%d,%d" reads: space before a number, anything after the last.
        {" 0.5, 0.5, 400, 300 and more", WindowPositionRect{960, 540, 1360, 840}},
        // Malformed.
        {"", {}}, {"0.5,0.5,0,300", {}}, {"0.5,0.5,400,0", {}}, {"0.5,0.5,400", {}}, {"0.5 ,0.5,400,300", {}},
        {"0.5;0.5;400;300", {}}, {"x,0.5,400,300", {}}, {"0.5,0.5,4e2,300", {}}, {"0.5,0.5,99999999999,300", {}},
        {"nan,0.5,400,300", {}}, {"1e30,0.5,400,300", {}}, {"-inf,0.5,400,300", {}},
        // Only a 48-byte buffer is read: one more byte puts the height outside.
        {padded, WindowPositionRect{960, 540, 1360, 543}},
        {" " + padded, {}},
        {std::string("0.5,0.5,\0" "400,300", 16), {}},
        // A rectangle must reach more than 8 pixels into the virtual screen:
        // left of the left monitor, below the screens, the outer 8 pixels.
        {"-1.0,0.1,400,300", {}}, {"0.1,1.0,400,300", {}}, {"1.0,0.1,-8,300", {}}, {"0.0,0.0,400,8", {}},
        {"1.0,0.0,-9,9", WindowPositionRect{1911, 0, 1920, 9}},  // one pixel inside
        // A virtual screen of 16 pixels or less leaves nothing to reach into.
        {"0,0,400,300", {}, {1920, 1080, {0, 0, 16, 16}}},
        {"0,0,400,300", WindowPositionRect{0, 0, 400, 300}, {1920, 1080, {0, 0, 17, 17}}},
    };
    for (const auto& item : cases)
        EXPECT_EQ(item.restored, RestoredWindowPosition(item.text, item.screens)) << '"' << item.text << '"';
}

}  // namespace
