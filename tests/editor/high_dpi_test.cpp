// The program started at 96, 144 and 192 DPI (this user's LogPixels, which
// Wine reads when a process starts): the buttons show the image drawn for
// that DPI, and the dialog's controls neither overlap nor leave its
// client area, and the grid's description sits as far below the name as the
// font has grown. Faults: a 16-pixel image at every DPI; a layout that keeps
// pixel sizes of 96 DPI while the font grows (controls piled up, the
// description cut off or over the name). LogPixels is put back.
#include "resources/resource.h"
#include "tests/editor/support/program_under_test.h"
#include "tests/support/registry_listing.h"
#include "tests/support/registry_values.h"
#include "tests/support/window_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

const char kDesktopKey[] = "Control Panel\\Desktop";

// Sets LogPixels for the programs started while it lives.
class LogPixelsScope {
public:
    explicit LogPixelsScope(DWORD dpi) : m_previous(ReadRegistryDword(kDesktopKey, "LogPixels"))
    {
        m_bSet = WriteRegistryDword(kDesktopKey, "LogPixels", dpi);
    }
    ~LogPixelsScope()
    {
        if (m_previous)
            WriteRegistryDword(kDesktopKey, "LogPixels", *m_previous);
        else
            SHDeleteValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels");
    }
    LogPixelsScope(const LogPixelsScope&) = delete;
    LogPixelsScope& operator=(const LogPixelsScope&) = delete;
    bool Set() const { return m_bSet; }

private:
    std::optional<DWORD> m_previous;
    bool m_bSet = false;
};

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

// Columns of the button's face that show the image's colour: 0 when it shows none.
int ColourSpan(HWND button, COLORREF colour)
{
    const RECT box = InkBox(button, colour);
    return box.right < box.left ? 0 : box.right - box.left + 1;
}

// Starts the program at `dpi` and checks its buttons' images (`imageSize`
// pixels wide) and the places of its controls.
void CheckDialogAt(DWORD dpi, int imageSize)
{
    // The columns one colour of each image spans at 100 % (OK's green,
    // Cancel's red, Help's blue); at 150 % and 200 % the image is 24 and
    // 32 pixels wide, and the span grows with it.
    struct Button {
        int id;
        COLORREF colour;
        int span16;
    };
    // (Apply is disabled until a change, and its image greyed.)
    const Button buttons[] = {{IDOK, RGB(0x1E, 0x8C, 0x2E), 12},
                              {IDCANCEL, RGB(0xD0, 0x24, 0x24), 9},
                              {IDHELP, RGB(0x20, 0x5A, 0xC8), 9}};
    SCOPED_TRACE(dpi);
    const RegistryKeyKeeper keeper("Software\\Tarnwick, Inc.");
    // No window position or column widths from an earlier run: the dialog
    // starts at its template's size for this DPI.
    DeleteRegistryKey("Software\\Tarnwick, Inc.");
    {
        const LogPixelsScope scope(dpi);
        ASSERT_TRUE(scope.Set());
        ProgramUnderTest program(TestDataPath("dialog\\pages.xml"));
        ASSERT_TRUE(program.Start());
        const HWND dialog = program.WaitForDialog();
        ASSERT_NE(nullptr, dialog);
        KeepScreenshot(dialog, ("high-dpi-" + std::to_string(dpi)).c_str());
        ASSERT_TRUE(program.WaitUntil([&] {
            return std::all_of(std::begin(buttons), std::end(buttons),
                               [&](const Button& b) { return ColourSpan(program.Item(b.id), b.colour) > 0; });
        }, 30000));  // every face painted (a first start at a new DPI takes its time)

        for (const Button& button : buttons) {
            SCOPED_TRACE(button.id);
            const int expected = button.span16 * imageSize / 16;
            EXPECT_NEAR(expected, ColourSpan(program.Item(button.id), button.colour), imageSize / 16);
        }

        RECT client{};
        GetClientRect(dialog, &client);
        MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
        std::vector<std::pair<HWND, RECT>> controls;
        for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
            if (IsWindowVisible(child))
                GetWindowRect(child, &controls.emplace_back(child, RECT{}).second);
        for (size_t i = 0; i < controls.size(); ++i) {
            RECT inside{};
            IntersectRect(&inside, &controls[i].second, &client);
            EXPECT_TRUE(EqualRect(&inside, &controls[i].second)) << "control " << GetDlgCtrlID(controls[i].first)
                                                                  << " leaves the client area";
            for (size_t j = i + 1; j < controls.size(); ++j) {
                // The property grid and the directory tree take the same place: a page shows one of them.
                if (GetDlgCtrlID(controls[i].first) + GetDlgCtrlID(controls[j].first) ==
                    IDC_PROPERTY_GRID + IDC_DIRECTORY_TREE)
                    continue;
                RECT both{};
                EXPECT_FALSE(IntersectRect(&both, &controls[i].second, &controls[j].second))
                    << "controls " << GetDlgCtrlID(controls[i].first) << " and " << GetDlgCtrlID(controls[j].first)
                    << " overlap";
            }
        }
        // The description label: the description's line lies 20 pixels at
        // 96 DPI below the name's, more at a higher DPI, as the font grows.
        ASSERT_TRUE(program.SelectCategory(1));
        HWND label = GetWindow(program.Grid(), GW_HWNDFIRST);  // the grid's sibling, a static control
        wchar_t className[16] = {};
        while (label != nullptr && (GetClassNameW(label, className, 16) == 0 || wcscmp(className, L"Static") != 0))
            label = GetWindow(label, GW_HWNDNEXT);
        ASSERT_NE(nullptr, label);
        ASSERT_TRUE(program.WaitUntil([&] { return InkBox(label, RGB(0, 0, 0)).bottom >= 0; }));
        EXPECT_NEAR(MulDiv(20, static_cast<int>(dpi), 96),
                    InkBox(label, RGB(0, 0, 0)).top - InkBox(label, RGB(0, 0, 255)).top, 1);
        program.Click(IDCANCEL);
        EXPECT_EQ(0u, program.WaitForExit());
    }
}

}  // namespace

TEST(HighDpiTest, ButtonImagesFollowTheDpiAndControlsStayApart)
{
    CheckDialogAt(96, 16);
}

// At 144 and 192 DPI the dialog needs one and a half and twice its 96-DPI
// size: at 144 it is already wider than the 1024 x 768 screen of the other
// tests, which Wine then clips. editor_tests_on_a_large_screen runs these on
// a screen that holds it.
TEST(HighDpiTest, At192DpiOnALargeScreen)
{
    if (GetSystemMetrics(SM_CXSCREEN) < 2048 || GetSystemMetrics(SM_CYSCREEN) < 1536)
        GTEST_SKIP() << "needs a screen of 2048 x 1536 pixels";
    for (const auto& [dpi, imageSize] : {std::pair<DWORD, int>{144, 24}, {192, 32}})
        CheckDialogAt(dpi, imageSize);
}
