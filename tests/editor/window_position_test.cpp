// The window position text and the rules for restoring it, without windows:
// the stored text of a rectangle, what is restored from it and what is
// ignored.
#include "editor/window_position.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

// How gtest shows a rectangle in a failure.
void PrintTo(const WindowPositionRect& r, std::ostream* out)
{
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

// One 1920 x 1080 primary screen, with a 1280 x 1024 monitor on its left.
const WindowPositionScreens kScreens{1920, 1080, {-1280, 0, 1920, 1080}};

std::optional<WindowPositionRect> Restored(std::string_view text)
{
    return RestoredWindowPosition(text, kScreens);
}

TEST(WindowPositionTest, TextHoldsFractionsOfThePrimaryScreenAndTheSize)
{
    EXPECT_EQ("0.100000,0.100000,600,400", FormatWindowPosition({192, 108, 792, 508}, 1920, 1080));
    EXPECT_EQ("-0.500000,0.333333,400,300", FormatWindowPosition({-960, 360, -560, 660}, 1920, 1080));

    // What is saved comes back where it was, on either monitor.
    for (const WindowPositionRect window : {WindowPositionRect{480, 270, 1080, 670}, {-960, 540, -560, 840}})
        EXPECT_EQ(window, Restored(FormatWindowPosition(window, 1920, 1080)));
}

TEST(WindowPositionTest, ANegativeSizeIsNormalisedByTheSwap)
{
    EXPECT_EQ((WindowPositionRect{560, 540, 960, 840}), Restored("0.5,0.5,-400,300"));
    EXPECT_EQ((WindowPositionRect{960, 240, 1360, 540}), Restored("0.5,0.5,400,-300"));
    // Fields are read as "%f,%f,%d,%d" reads them: white space before a number,
    // anything after the last one.
    EXPECT_EQ((WindowPositionRect{960, 540, 1360, 840}), Restored(" 0.5, 0.5, 400, 300 and more"));
}

TEST(WindowPositionTest, MalformedTextIsIgnored)
{
    for (const char* text : {"", "0.5,0.5,0,300", "0.5,0.5,400,0", "0.5,0.5,400", "0.5 ,0.5,400,300", "0.5;0.5;400;300",
                             "x,0.5,400,300", "0.5,0.5,4e2,300", "0.5,0.5,99999999999,300", "nan,0.5,400,300",
                             "1e30,0.5,400,300", "-inf,0.5,400,300"})
        EXPECT_EQ(std::nullopt, Restored(text)) << text;
}

TEST(WindowPositionTest, OnlyA48ByteBufferIsRead)
{
    const std::string padded = "0.5,0.5,400," + std::string(35, ' ') + "3";  // exactly 48 bytes, no NUL
    ASSERT_EQ(48u, padded.size());
    EXPECT_EQ((WindowPositionRect{960, 540, 1360, 543}), Restored(padded));
    EXPECT_EQ(std::nullopt, Restored(" " + padded));  // the height falls outside
    EXPECT_EQ(std::nullopt, Restored(std::string("0.5,0.5,\0" "400,300", 16)));
}

TEST(WindowPositionTest, ARectangleMustReachMoreThan8PixelsIntoTheVirtualScreen)
{
    // Left of the left monitor, below the screens, and within the outer 8 pixels.
    EXPECT_EQ(std::nullopt, Restored("-1.0,0.1,400,300"));
    EXPECT_EQ(std::nullopt, Restored("0.1,1.0,400,300"));
    EXPECT_EQ(std::nullopt, Restored("1.0,0.1,-8,300"));      // 1912..1920
    EXPECT_EQ(std::nullopt, Restored("0.0,0.0,400,8"));       // rows 0..8
    EXPECT_EQ((WindowPositionRect{1911, 0, 1920, 9}), Restored("1.0,0.0,-9,9"));  // one pixel inside
    // A virtual screen of 16 pixels or less leaves nothing to reach into.
    EXPECT_EQ(std::nullopt, RestoredWindowPosition("0,0,400,300", {1920, 1080, {0, 0, 16, 16}}));
    EXPECT_EQ((WindowPositionRect{0, 0, 400, 300}), RestoredWindowPosition("0,0,400,300", {1920, 1080, {0, 0, 17, 17}}));
}

}  // namespace
