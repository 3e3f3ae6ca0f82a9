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

namespace {

constexpr LayoutSideRule Follow(std::int32_t side)
{
    return {LayoutSideRule::KeepDistance, 0, side};
}
const LayoutRule kRules[] = {
    {IDC_PROPERTY_GRID, Follow(LayoutSideRule::Left), Follow(LayoutSideRule::Top), Follow(LayoutSideRule::Right),
     Follow(LayoutSideRule::Bottom)},
    {IDOK, Follow(LayoutSideRule::Right), Follow(LayoutSideRule::Bottom), Follow(LayoutSideRule::Right),
     Follow(LayoutSideRule::Bottom)},
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

// What the test compares, each a length in pixels that grows with the DPI.
struct Sizes {
    LONG fontHeight;
    LONG gridFontHeight;
    int okRightGap, okBottomGap, okWidth, okHeight;  // OK's distance to the client's corner, its size
    int minimumWidth, minimumHeight;
    int nameColumn;
    int spare;  // the grid's width the two columns leave; it does not scale
};

Sizes Measure(GridDialog& dialog)
{
    CRect client;
    dialog.GetClientRect(&client);
    CRect ok;
    ::GetWindowRect(::GetDlgItem(dialog, IDOK), &ok);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&ok), 2);
    MINMAXINFO limits{};
    dialog.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    const UIPropertyGridCtrl& grid = dialog.m_grid.m_grid;
    CRect gridClient;
    grid.GetClientRect(&gridClient);
    return {FontHeight(dialog), FontHeight(grid.m_hWnd), client.right - ok.right, client.bottom - ok.bottom,
            ok.Width(), ok.Height(), limits.ptMinTrackSize.x, limits.ptMinTrackSize.y,
            grid.GetColumnWidth(0), gridClient.Width() - grid.GetColumnWidth(0) - grid.GetColumnWidth(1)};
}

}  // namespace

TEST(DpiChangeTest, TheDialogScalesOnceToEachNewDpi)
{
    GridDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_KESTADVCONFIG_DIALOG));
    dialog.ShowWindow(SW_SHOW);
    PumpPendingMessages();
    const UINT first = WindowDpi(dialog);
    const Sizes was = Measure(dialog);
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
        EXPECT_EQ(FontHeight(dialog), FontHeight(::GetDlgItem(dialog, IDOK)));
        const Sizes is = Measure(dialog);
        const struct {
            const char* what;
            int was, is;
        } lengths[] = {
            {"font", was.fontHeight, is.fontHeight},
            {"grid font", was.gridFontHeight, is.gridFontHeight},
            {"OK right gap", was.okRightGap, is.okRightGap},
            {"OK bottom gap", was.okBottomGap, is.okBottomGap},
            {"OK width", was.okWidth, is.okWidth},
            {"OK height", was.okHeight, is.okHeight},
            {"minimum width", was.minimumWidth, is.minimumWidth},
            {"minimum height", was.minimumHeight, is.minimumHeight},
            {"name column", was.nameColumn, is.nameColumn},
        };
        for (const auto& length : lengths)  // one pixel per rounding of the steps before
            EXPECT_NEAR(scaled(length.was), length.is, 2) << length.what;
        EXPECT_NEAR(was.spare, is.spare, 1);  // the value column gave up what the name column gained

        // The splitter zone reaches 6 pixels at 96 DPI either side of the boundary, less one.
        const int boundary = dialog.m_grid.m_grid.GetColumnWidth(0);
        const int reach = DpiScaled(6, row.dpi);
        EXPECT_TRUE(dialog.m_grid.m_grid.InSplitterZone(boundary + reach - 1));
        EXPECT_FALSE(dialog.m_grid.m_grid.InSplitterZone(boundary + reach));
    }
    dialog.DestroyWindow();
}
