// A dialog moved to a screen of another DPI (WM_DPICHANGED, sent in-process:
// its rectangle pointer does not cross processes) scales once, from what it
// was: its font and its children's, its layout rules, its minimum size, its
// buttons' images, and the property grid's font, name column and splitter
// zone; then it takes the suggested rectangle. Faults: anything left at the
// size of the first DPI, or scaled twice; the dialog not moved.
#include "platform/cdata_exchange.h"
#include "resources/resource.h"
#include "tests/support/message_pump.h"
#include "ui/controls/ui_bitmap_button.h"
#include "ui/dialogs/ui_dialog.h"
#include "ui/dialogs/window_dpi.h"
#include "ui/grid/ui_property_grid.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

constexpr LayoutSideRule Follow(std::int32_t side)
{
    return {LayoutSideRule::KeepDistance, 0, side};
}
constexpr auto kLeft = LayoutSideRule::Left, kTop = LayoutSideRule::Top;
constexpr auto kRight = LayoutSideRule::Right, kBottom = LayoutSideRule::Bottom;
const LayoutRule kRules[] = {
    {IDC_PROPERTY_GRID, Follow(kLeft), Follow(kTop), Follow(kRight), Follow(kBottom)},
    {IDOK, Follow(kRight), Follow(kBottom), Follow(kRight), Follow(kBottom)},
};

// The main template with its grid and two rules.
class GridDialog : public UIDialog {
public:
    GridDialog() : UIDialog(IDD_KESTADVCONFIG_DIALOG) {}
    UIPropertyGrid m_grid;

protected:
    void PreInitDialog() override
    {
        SetLimitMinimumSize(GetResizer().SetLayout(this, kRules, 2));
        UIDialog::PreInitDialog();
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        UIDialog::DoDataExchange(dx);
        DDX_Control(dx, IDC_PROPERTY_GRID, m_grid);
    }
};

LONG FontHeight(HWND window)
{
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// Each a length in pixels that grows with the DPI.
std::map<std::string, int> Lengths(GridDialog& dialog)
{
    CRect client, ok;
    dialog.GetClientRect(&client);
    ::GetWindowRect(::GetDlgItem(dialog, IDOK), &ok);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&ok), 2);
    MINMAXINFO limits{};
    dialog.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    const UIPropertyGridCtrl& grid = dialog.m_grid.m_grid;
    return {{"font", FontHeight(dialog)}, {"OK's font", FontHeight(::GetDlgItem(dialog, IDOK))},
            {"grid font", FontHeight(grid.m_hWnd)}, {"OK right gap", client.right - ok.right},
            {"OK bottom gap", client.bottom - ok.bottom}, {"OK width", ok.Width()}, {"OK height", ok.Height()},
            {"minimum width", limits.ptMinTrackSize.x}, {"minimum height", limits.ptMinTrackSize.y},
            {"name column", grid.GetColumnWidth(0)}};
}

// The grid's width the two columns leave; it does not scale.
int Spare(GridDialog& dialog)
{
    const UIPropertyGridCtrl& grid = dialog.m_grid.m_grid;
    CRect client;
    grid.GetClientRect(&client);
    return client.Width() - grid.GetColumnWidth(0) - grid.GetColumnWidth(1);
}

}  // namespace

TEST(DpiChangeTest, TheDialogScalesOnceToEachNewDpi)
{
    GridDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_KESTADVCONFIG_DIALOG));
    dialog.ShowWindow(SW_SHOW);
    PumpPendingMessages();
    const UINT first = WindowDpi(dialog);
    const auto was = Lengths(dialog);
    const int spare = Spare(dialog);
    CRect firstRect;
    dialog.GetWindowRect(&firstRect);
    const auto* ok = dynamic_cast<const UIBitmapButton*>(CWnd::FromHandlePermanent(::GetDlgItem(dialog, IDOK)));
    ASSERT_NE(nullptr, ok);
    // In turn, each from the one before: up, down to 125 %, back to the first.
    const struct {
        UINT dpi;
        int imageSize;
    } rows[] = {{144, 24}, {120, 24}, {first, first < 120 ? 16 : 24}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dpi);
        const auto scaled = [&](int pixels) { return MulDiv(pixels, static_cast<int>(row.dpi), static_cast<int>(first)); };
        RECT suggested = {firstRect.left, firstRect.top, firstRect.left + scaled(firstRect.Width()),
                          firstRect.top + scaled(firstRect.Height())};
        dialog.SendMessage(WM_DPICHANGED, MAKEWPARAM(row.dpi, row.dpi), reinterpret_cast<LPARAM>(&suggested));
        PumpPendingMessages();
        EXPECT_EQ(row.dpi, WindowDpi(dialog.m_grid.m_grid));
        CRect now;
        dialog.GetWindowRect(&now);
        EXPECT_EQ(CRect(suggested), now);
        EXPECT_EQ(row.imageSize, ok->GetBitmapInfo().bmWidth);
        for (const auto& [what, length] : Lengths(dialog))  // one pixel per rounding of the steps before
            EXPECT_NEAR(scaled(was.at(what)), length, 2) << what;
        EXPECT_NEAR(spare, Spare(dialog), 1);  // the value column gave up what the name column gained
        // The splitter zone reaches 6 pixels at 96 DPI either side of the boundary, less one.
        const int boundary = dialog.m_grid.m_grid.GetColumnWidth(0);
        const int reach = DpiScaled(6, row.dpi);
        EXPECT_TRUE(dialog.m_grid.m_grid.InSplitterZone(boundary + reach - 1));
        EXPECT_FALSE(dialog.m_grid.m_grid.InSplitterZone(boundary + reach));
    }
    dialog.DestroyWindow();
}
