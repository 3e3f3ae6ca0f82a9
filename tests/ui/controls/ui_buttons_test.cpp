// The image button on a real window: its image, caption and tooltip.
#include "resources/resource.h"
#include "tests/support/host_window.h"
#include "tests/support/window_image.h"
#include "ui/controls/ui_bitmap_button.h"

#include <gtest/gtest.h>

namespace {
constexpr COLORREF kCancelRed = RGB(0xD0, 0x24, 0x24);  // a pixel of the Cancel image, 7 right and 6 down
}  // namespace

// Faults: the tooltip taken from the wrong part of the caption, a caption
// shown over the image, the image off centre after a resize.
TEST(UIButtonsTest, BitmapButtonShowsItsImageCentredAndTurnsItsCaptionIntoItsTooltip)
{
    HostWindow host;
    UIBitmapButton save, plain, ok;
    ASSERT_TRUE(save.Create("|Save file", WS_VISIBLE | BS_PUSHBUTTON, {10, 10, 70, 40}, &host, 100));
    ASSERT_TRUE(plain.Create("Save", WS_VISIBLE | BS_PUSHBUTTON, {10, 50, 70, 80}, &host, 101));
    ASSERT_TRUE(ok.Create("OK", WS_VISIBLE | BS_DEFPUSHBUTTON, {10, 90, 70, 120}, &host, IDOK));
    const struct {
        UIBitmapButton& button;
        const char* caption;
        bool hasTip;
        const char* tip;
    } rows[] = {{save, "|Save file", true, "Save file"}, {plain, "Save", true, ""}, {ok, "OK", false, ""}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.caption);
        ASSERT_TRUE(row.button.LoadBitmap(IDB_CANCEL_IMAGE));
        CString caption;
        row.button.GetCaption(caption);
        EXPECT_STREQ(row.caption, caption);
        EXPECT_STREQ("", row.button.GetWindowText());
        EXPECT_EQ(row.hasTip, row.button.HasTooltip());
        EXPECT_STREQ(row.tip, row.button.GetTooltip());
    }
    // 60 x 30, then 100 x 50: the 16 x 16 image lies at the centre of the face less 2 pixels a side.
    for (const CPoint origin : {CPoint(22, 7), CPoint(42, 17)}) {
        if (origin.x == 42)
            save.SetWindowPos(nullptr, 0, 0, 100, 50, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(origin, save.GetImageOrigin());
        const WindowImage face(save);
        EXPECT_EQ(kCancelRed, face.At(origin.x + 7, origin.y + 6));
        EXPECT_NE(kCancelRed, face.At(origin.x + 1, origin.y + 1));  // light grey is see-through
    }
}
