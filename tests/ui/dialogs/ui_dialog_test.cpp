// UIDialog on real dialogs made from the program's templates; and the shipped
// program's own layout table, seen through its real windows.
#include "ui/dialogs/ui_dialog.h"

#include "platform/cbutton.h"
#include "platform/cdata_exchange.h"
#include "platform/cdc.h"
#include "resources/resource.h"
#include "tests/support/message_pump.h"
#include "tests/support/program_process.h"
#include "tests/support/registry_listing.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_paths.h"
#include "ui/controls/ui_bitmap_button.h"
#include "ui/dialogs/window_dpi.h"
#include "ui/grid/ui_property_grid.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace {

constexpr LayoutSideRule Follow(std::int32_t side)
{
    return {LayoutSideRule::KeepDistance, 0, side};
}
constexpr auto kLeft = LayoutSideRule::Left, kTop = LayoutSideRule::Top;
constexpr auto kRight = LayoutSideRule::Right, kBottom = LayoutSideRule::Bottom;
const LayoutRule kRules[] = {
    {IDOK, Follow(kRight), Follow(kBottom), Follow(kRight), Follow(kBottom)},
    {IDC_PROPERTY_GRID, Follow(kLeft), Follow(kTop), Follow(kRight), Follow(kBottom)},
};

// A template laid out by the rules above: OK keeps to the bottom-right corner,
// and on the main template the grid (bound to a real property grid) grows and
// Help is bound by the dialog itself.
class LaidOutDialog : public UIDialog {
public:
    explicit LaidOutDialog(UINT id = IDD_KESTADVCONFIG_DIALOG) : UIDialog(id), m_bMain(id == IDD_KESTADVCONFIG_DIALOG) {}
    UIPropertyGrid m_grid;
    CButton m_help;

protected:
    void PreInitDialog() override
    {
        SetLimitMinimumSize(GetResizer().SetLayout(this, kRules, m_bMain ? 2 : 1));
        UIDialog::PreInitDialog();
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        UIDialog::DoDataExchange(dx);
        if (m_bMain) {
            DDX_Control(dx, IDC_PROPERTY_GRID, m_grid);
            DDX_Control(dx, IDHELP, m_help);
        }
    }
    bool m_bMain;
};

// A window's rectangle in its parent's client coordinates.
CRect RectInParent(HWND window)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void Resize(HWND dialog, int dx, int dy)
{
    CRect window;
    ::GetWindowRect(dialog, &window);
    ::SetWindowPos(dialog, nullptr, 0, 0, window.Width() + dx, window.Height() + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpPendingMessages();
}

LONG FontHeight(HWND window)
{
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// Each a length in pixels that grows with the DPI.
std::map<std::string, int> Lengths(LaidOutDialog& dialog)
{
    CRect client;
    dialog.GetClientRect(&client);
    const CRect ok = RectInParent(::GetDlgItem(dialog, IDOK));
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
int Spare(LaidOutDialog& dialog)
{
    const UIPropertyGridCtrl& grid = dialog.m_grid.m_grid;
    CRect client;
    grid.GetClientRect(&client);
    return client.Width() - grid.GetColumnWidth(0) - grid.GetColumnWidth(1);
}

}  // namespace

// The shipped program made larger from outside: each control moves or grows
// as a user expects (fault: a wrong rule in the program's own layout table).
TEST(UIDialogTest, TheProgramsControlsKeepTheirPlacesWhenItIsMadeLarger)
{
    const RegistryKeyKeeper keeper("Software\\Tarnwick, Inc.");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tarnwick, Inc.");  // first size, first place
    const TempFolder folder;
    ProgramProcess program(ExecutableFolder() + "KestAdvConfig.exe", folder.Path().c_str());
    const HWND dialog = program.WaitForWindow("Quorvelin Advanced Configuration", 30000);
    ASSERT_NE(nullptr, dialog);
    // How each side moves with the width (x) and the height (y) the dialog gains.
    const struct {
        int id;
        int left, top, right, bottom;
    } rows[] = {
        {IDC_CATEGORY_TREE, 0, 0, 0, 1}, {IDC_PROPERTY_GRID, 0, 0, 1, 1}, {IDC_DIRECTORY_TREE, 0, 0, 1, 1},
        {IDC_LABEL, 0, 1, 0, 1},         {IDOK, 1, 1, 1, 1},              {IDCANCEL, 1, 1, 1, 1},
        {ID_APPLY_NOW, 1, 1, 1, 1},      {IDHELP, 1, 1, 1, 1},
    };
    std::map<int, CRect> before;
    for (const auto& row : rows)
        before[row.id] = RectInParent(::GetDlgItem(dialog, row.id));
    Resize(dialog, 100, 50);
    const ULONGLONG deadline = GetTickCount64() + 5000;  // laid out on the program's thread
    while (RectInParent(::GetDlgItem(dialog, IDOK)) == before[IDOK] && GetTickCount64() < deadline)
        WaitForSingleObject(program.Handle(), 20);
    for (const auto& row : rows) {
        const CRect was = before[row.id];
        const CRect expected(was.left + 100 * row.left, was.top + 50 * row.top, was.right + 100 * row.right,
                             was.bottom + 50 * row.bottom);
        EXPECT_EQ(expected, RectInParent(::GetDlgItem(dialog, row.id))) << "control " << row.id;
    }
    EXPECT_NE(static_cast<DWORD>(STILL_ACTIVE), program.CloseAndWait(dialog, 15000));
}

// Faults: a grip or a layout on a dialog without a resizable frame, children
// in another font than the dialog's, a white background, a tooltip showing
// "&" literally.
TEST(UIDialogTest, AFixedDialogHasNoGripNorLayoutAndAnswersItsFontBackgroundAndTooltipDrawing)
{
    LaidOutDialog dialog(IDD_ABOUTBOX);
    ASSERT_TRUE(dialog.Create(IDD_ABOUTBOX));
    EXPECT_EQ(nullptr, FindWindowExA(dialog, nullptr, "ScrollBar", nullptr));  // no size grip
    const CRect ok = RectInParent(::GetDlgItem(dialog, IDOK));
    Resize(dialog, 100, 50);
    EXPECT_EQ(ok, RectInParent(::GetDlgItem(dialog, IDOK)));
    ASSERT_NE(nullptr, dialog.GetFontObject().GetSafeHandle());
    EXPECT_EQ(dialog.GetFontObject().GetSafeHandle(), reinterpret_cast<HFONT>(::SendDlgItemMessageA(dialog, IDOK, WM_GETFONT, 0, 0)));
    const CClientDC dc(&dialog);
    LOGBRUSH background{};
    GetObjectA(reinterpret_cast<HBRUSH>(dialog.SendMessage(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc.m_hDC),
                                                            reinterpret_cast<LPARAM>(dialog.m_hWnd))),
               sizeof background, &background);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), background.lbColor);
    NMTTCUSTOMDRAW draw{};
    const HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, dialog, nullptr, nullptr, nullptr);
    draw.nmcd.hdr = {tip, 0, static_cast<UINT>(NM_CUSTOMDRAW)};
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    draw.uDrawFlags = DT_NOPREFIX | DT_SINGLELINE;
    EXPECT_EQ(0, dialog.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&draw)));
    EXPECT_EQ(static_cast<UINT>(DT_SINGLELINE), draw.uDrawFlags);
    DestroyWindow(tip);
    dialog.DestroyWindow();
}

// Faults: a standard button left without its image, or with its caption shown
// or as a tooltip; a button the dialog binds itself taken over; no fallback
// when a bitmap is missing.
TEST(UIDialogTest, StandardButtonsBecomeImageButtonsUnlessAlreadyBound)
{
    LaidOutDialog dialog;
    dialog.GetButtonList()[0].m_nResourceId = 4242;  // OK: a bitmap the resources do not hold
    ASSERT_TRUE(dialog.Create(IDD_KESTADVCONFIG_DIALOG));
    for (const auto& [id, bitmap] : {std::pair<int, UINT>{IDCANCEL, IDB_CANCEL_IMAGE}, std::pair<int, UINT>{ID_APPLY_NOW, IDB_APPLY_IMAGE}}) {
        auto* button = dynamic_cast<UIBitmapButton*>(CWnd::FromHandlePermanent(::GetDlgItem(dialog, id)));
        ASSERT_NE(nullptr, button) << id;
        EXPECT_EQ(bitmap, button->GetBitmapId());
        EXPECT_STREQ("", button->GetWindowText());
        EXPECT_FALSE(button->HasTooltip());
    }
    CWnd* ok = CWnd::FromHandlePermanent(::GetDlgItem(dialog, IDOK));
    ASSERT_NE(nullptr, ok);
    EXPECT_STREQ("UIPNGButton", ok->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), ok->GetStyle() & BS_TYPEMASK);
    EXPECT_EQ(&dialog.m_help, CWnd::FromHandlePermanent(::GetDlgItem(dialog, IDHELP)));
    dialog.DestroyWindow();
}

// WM_DPICHANGED, sent in-process (its rectangle pointer does not cross
// processes). Faults: no grip, a dialog that can be made smaller than it was
// made; a length left at the first DPI's size, or scaled twice instead of
// once from what it was; the dialog not moved where suggested.
TEST(DpiChangeTest, TheResizableDialogKeepsItsFirstSizeAsMinimumAndScalesOnceToEachNewDpi)
{
    LaidOutDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_KESTADVCONFIG_DIALOG));
    dialog.ShowWindow(SW_SHOW);
    PumpPendingMessages();
    const UINT first = WindowDpi(dialog);
    const auto was = Lengths(dialog);
    const int spare = Spare(dialog);
    CRect firstRect;
    dialog.GetWindowRect(&firstRect);
    EXPECT_NE(nullptr, FindWindowExA(dialog, nullptr, "ScrollBar", nullptr));  // the size grip
    EXPECT_EQ(firstRect.Size(), CSize(was.at("minimum width"), was.at("minimum height")));
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
