// The program started at 96, 144 and 192 DPI (this user's LogPixels, which
// Wine reads when a process starts): the buttons show the image drawn for
// that DPI, the dialog's controls neither overlap nor leave its client area,
// and the grid's description sits as far below the name as the font has
// grown. Faults: a 16-pixel image at every DPI; a layout that keeps pixel
// sizes of 96 DPI while the font grows (controls piled up, the description
// cut off or over the name).
#include "resources/resource.h"
#include "tests/editor/support/program_under_test.h"
#include "tests/support/registry_listing.h"
#include "tests/support/registry_values.h"
#include "tests/support/window_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The box of the pixels of the window, as the screen shows it, that hold
// `colour`; right < left when none does.
RECT InkBox(HWND window, COLORREF colour)
{
    const WindowImage image(window, WindowImage::Area::Screen);
    RECT box{image.Width(), image.Height(), -1, -1};
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y) == colour)
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                       std::max<LONG>(box.bottom, y)};
    return box;
}

// Columns of the button's face that show the image's colour: 0 when none.
int ColourSpan(HWND button, COLORREF colour)
{
    const RECT box = InkBox(button, colour);
    return box.right < box.left ? 0 : box.right - box.left + 1;
}

// Starts the program at `dpi` and checks its buttons' images (`imageSize`
// pixels wide) and the places of its controls.
void CheckDialogAt(DWORD dpi, int imageSize)
{
    // The columns one colour of each image spans at 16 pixels (OK's green,
    // Cancel's red, Help's blue; Apply is disabled, its image greyed).
    const struct {
        int id;
        COLORREF colour;
        int span16;
    } buttons[] = {{IDOK, RGB(0x1E, 0x8C, 0x2E), 12}, {IDCANCEL, RGB(0xD0, 0x24, 0x24), 9},
                   {IDHELP, RGB(0x20, 0x5A, 0xC8), 9}};
    SCOPED_TRACE(dpi);
    // No window position or column widths from an earlier run: the dialog
    // starts at its template's size for this DPI. LogPixels is put back.
    const RegistryKeyKeeper settings("Software\\Tarnwick, Inc."), desktop("Control Panel\\Desktop");
    DeleteRegistryKey("Software\\Tarnwick, Inc.");
    ASSERT_TRUE(WriteRegistryDword("Control Panel\\Desktop", "LogPixels", dpi));
    ProgramUnderTest program(TestDataPath("dialog\\pages.xml"));
    ASSERT_TRUE(program.Start());
    const HWND dialog = program.WaitForDialog();
    ASSERT_NE(nullptr, dialog);
    KeepScreenshot(dialog, ("high-dpi-" + std::to_string(dpi)).c_str());
    ASSERT_TRUE(program.WaitUntil([&] {
        return std::ranges::all_of(buttons, [&](const auto& b) { return ColourSpan(program.Item(b.id), b.colour) > 0; });
    }, 30000));  // every face painted (a first start at a new DPI takes its time)
    for (const auto& button : buttons)
        EXPECT_NEAR(button.span16 * imageSize / 16, ColourSpan(program.Item(button.id), button.colour), imageSize / 16)
            << "button " << button.id;

    RECT client{};
    GetClientRect(dialog, &client);
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::vector<std::pair<int, RECT>> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child))
            GetWindowRect(child, &controls.emplace_back(GetDlgCtrlID(child), RECT{}).second);
    for (size_t i = 0; i < controls.size(); ++i) {
        RECT inside{};
        IntersectRect(&inside, &controls[i].second, &client);
        EXPECT_TRUE(EqualRect(&inside, &controls[i].second)) << "control " << controls[i].first << " leaves the client";
        // The property grid and the directory tree take the same place: a page shows one of them.
        for (size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_TRUE(controls[i].first + controls[j].first == IDC_PROPERTY_GRID + IDC_DIRECTORY_TREE ||
                        !IntersectRect(&inside, &controls[i].second, &controls[j].second))
                << "controls " << controls[i].first << " and " << controls[j].first << " overlap";
    }
    // The description's line (blue) lies 20 pixels at 96 DPI below the
    // name's (black), more at a higher DPI, as the font grows.
    ASSERT_TRUE(program.SelectCategory(1));
    const HWND label = GetDlgItem(program.Item(IDC_PROPERTY_GRID), 57341);
    ASSERT_TRUE(program.WaitUntil([&] { return InkBox(label, RGB(0, 0, 0)).bottom >= 0; }));
    EXPECT_NEAR(MulDiv(20, static_cast<int>(dpi), 96),
                InkBox(label, RGB(0, 0, 0)).top - InkBox(label, RGB(0, 0, 255)).top, 1);
    program.Click(IDCANCEL);
    EXPECT_EQ(0u, program.WaitForExit());
}

}  // namespace

TEST(HighDpiTest, ButtonImagesFollowTheDpiAndControlsStayApart)
{
    CheckDialogAt(96, 16);
}

// At 144 DPI the dialog is already wider than the 1024 x 768 screen of the
// other tests, which Wine then clips: editor_tests_on_a_large_screen runs
// this on a screen that holds it.
TEST(HighDpiTest, At192DpiOnALargeScreen)
{
    if (GetSystemMetrics(SM_CXSCREEN) < 2048 || GetSystemMetrics(SM_CYSCREEN) < 1536)
        GTEST_SKIP() << "needs a screen of 2048 x 1536 pixels";
    for (const auto& [dpi, imageSize] : {std::pair<DWORD, int>{144, 24}, {192, 32}})
        CheckDialogAt(dpi, imageSize);
}
