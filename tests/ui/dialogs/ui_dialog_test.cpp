// UIDialog on real dialogs made from the program's templates: layout, the grip
// and the minimum size, the fixed answers and the image buttons; and the
// shipped program's own layout table, seen through its real windows.
#include "ui/dialogs/ui_dialog.h"

#include "platform/cbutton.h"
#include "resources/resource.h"
#include "tests/support/message_pump.h"
#include "tests/support/program_process.h"
#include "tests/support/registry_listing.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_paths.h"
#include "ui/controls/ui_bitmap_button.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

constexpr LayoutSideRule kRight{LayoutSideRule::KeepDistance, 0, LayoutSideRule::Right};
constexpr LayoutSideRule kBottom{LayoutSideRule::KeepDistance, 0, LayoutSideRule::Bottom};
const LayoutRule kOkInTheCorner[] = {{IDOK, kRight, kBottom, kRight, kBottom}};

// A template laid out by one rule: OK keeps to the bottom-right corner.
class LaidOutDialog : public UIDialog {
public:
    explicit LaidOutDialog(UINT id) : UIDialog(id) {}

protected:
    void PreInitDialog() override
    {
        SetLimitMinimumSize(GetResizer().SetLayout(this, kOkInTheCorner, 1));
        UIDialog::PreInitDialog();
    }
};

// A window's rectangle in its parent's client coordinates.
CRect RectInParent(HWND window)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The dialog's one scroll bar is its size grip.
HWND SizeGrip(HWND dialog)
{
    return FindWindowExA(dialog, nullptr, "ScrollBar", nullptr);
}

void Resize(HWND dialog, int dx, int dy)
{
    CRect window;
    ::GetWindowRect(dialog, &window);
    ::SetWindowPos(dialog, nullptr, 0, 0, window.Width() + dx, window.Height() + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpPendingMessages();
}

}  // namespace

// Faults: a control without a rule moved, a dialog that can be made smaller
// than it was made, a grip on a fixed dialog. (The grip of the program's own
// dialog is dragged by the main dialog test.)
TEST(UIDialogTest, ResizableDialogFollowsItsRulesHasAGripAndKeepsItsFirstSizeAsMinimum)
{
    LaidOutDialog dialog(IDD_KESTADVCONFIG_DIALOG);
    ASSERT_TRUE(dialog.Create(IDD_KESTADVCONFIG_DIALOG));
    CRect first;
    dialog.GetWindowRect(&first);
    const CRect label = RectInParent(::GetDlgItem(dialog, IDC_LABEL));
    Resize(dialog, 100, 50);
    EXPECT_EQ(label, RectInParent(::GetDlgItem(dialog, IDC_LABEL)));
    EXPECT_NE(nullptr, SizeGrip(dialog));
    MINMAXINFO limits{};
    dialog.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(first.Size(), CSize(limits.ptMinTrackSize.x, limits.ptMinTrackSize.y));
    dialog.DestroyWindow();
    LaidOutDialog about(IDD_ABOUTBOX);  // without a resizable frame: no grip and no layout
    ASSERT_TRUE(about.Create(IDD_ABOUTBOX));
    EXPECT_EQ(nullptr, SizeGrip(about));
    const CRect ok = RectInParent(::GetDlgItem(about, IDOK));
    Resize(about, 100, 50);
    EXPECT_EQ(ok, RectInParent(::GetDlgItem(about, IDOK)));
    about.DestroyWindow();
}

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

// Faults: children in another font than the dialog's, a white background, a
// tooltip showing "&" literally.
TEST(UIDialogTest, AnswersItsFontBackgroundAndTooltipDrawing)
{
    UIDialog dialog(IDD_ABOUTBOX);
    ASSERT_TRUE(dialog.Create(IDD_ABOUTBOX));
    ASSERT_NE(nullptr, dialog.GetFontObject().GetSafeHandle());
    EXPECT_EQ(dialog.GetFontObject().GetSafeHandle(), reinterpret_cast<HFONT>(::SendDlgItemMessageA(dialog, IDOK, WM_GETFONT, 0, 0)));
    const HDC dc = GetDC(dialog);
    LOGBRUSH background{};
    GetObjectA(reinterpret_cast<HBRUSH>(dialog.SendMessage(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                                            reinterpret_cast<LPARAM>(dialog.m_hWnd))),
               sizeof background, &background);
    ReleaseDC(dialog, dc);
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
// or turned into a tooltip; a button the dialog binds itself taken over; no
// fallback when a bitmap is missing. (How an image button draws is the
// buttons test's.)
TEST(UIDialogTest, StandardButtonsBecomeImageButtonsUnlessAlreadyBound)
{
    class ButtonsDialog : public UIDialog {
    public:
        ButtonsDialog() : UIDialog(IDD_KESTADVCONFIG_DIALOG)
        {
            GetButtonList()[0].m_nResourceId = 4242;  // OK: a bitmap the resources do not hold
        }
        CButton m_help;

    protected:
        void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDHELP, m_help); }
    };
    ButtonsDialog dialog;
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
