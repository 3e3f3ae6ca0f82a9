// UIDialog on real dialogs made from the program's templates: layout, the grip
// and the minimum size, the fixed answers and the image buttons; and the
// shipped program's own layout table, seen through its real windows.
#include "ui/dialogs/ui_dialog.h"

#include "platform/cbutton.h"
#include "platform/ctab_ctrl.h"
#include "resources/resource.h"
#include "tests/support/message_pump.h"
#include "tests/support/program_process.h"
#include "tests/support/registry_listing.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_image.h"
#include "ui/controls/ui_bitmap_button.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

namespace {

constexpr LayoutSideRule kRight{LayoutSideRule::KeepDistance, 0, LayoutSideRule::Right};
constexpr LayoutSideRule kBottom{LayoutSideRule::KeepDistance, 0, LayoutSideRule::Bottom};
const LayoutRule kOkInTheCorner[] = {{IDOK, kRight, kBottom, kRight, kBottom}};

// The main template laid out by one rule: OK keeps to the bottom-right corner.
class LaidOutDialog : public UIDialog {
public:
    LaidOutDialog() : UIDialog(IDD_KESTADVCONFIG_DIALOG) {}

protected:
    void PreInitDialog() override
    {
        SetLimitMinimumSize(GetResizer().SetLayout(this, kOkInTheCorner, 1));
        UIDialog::PreInitDialog();
    }
};

// A copy of a dialog template of the resources with another style.
std::vector<BYTE> TemplateWithStyle(UINT id, DWORD removeStyle, DWORD addStyle)
{
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), reinterpret_cast<LPCSTR>(RT_DIALOG));
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    std::vector<BYTE> copy(data, data + SizeofResource(nullptr, found));
    DWORD style = 0;
    std::memcpy(&style, copy.data() + 12, sizeof style);  // DLGTEMPLATEEX: version, signature, help id, ex-style, style
    style = (style & ~removeStyle) | addStyle;
    if ((style & WS_CHILD) != 0)
        std::memset(copy.data() + 8, 0, sizeof(DWORD));
    std::memcpy(copy.data() + 12, &style, sizeof style);
    return copy;
}

// A window's rectangle in its parent's client coordinates.
CRect RectInParent(HWND window)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND SizeGrip(HWND dialog)
{
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        if (std::strcmp(className, "ScrollBar") == 0 && (GetWindowLongA(child, GWL_STYLE) & SBS_SIZEGRIP) != 0)
            return child;
    }
    return nullptr;
}

void Resize(HWND dialog, int dx, int dy)
{
    CRect window;
    ::GetWindowRect(dialog, &window);
    ::SetWindowPos(dialog, nullptr, 0, 0, window.Width() + dx, window.Height() + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpPendingMessages();
}

}  // namespace

TEST(UIDialogTest, ResizableDialogFollowsItsRulesHasAGripAndKeepsItsFirstSizeAsMinimum)
{
    LaidOutDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_KESTADVCONFIG_DIALOG));
    CRect first;
    dialog.GetWindowRect(&first);
    dialog.ShowWindow(SW_SHOW);
    const CRect ok = RectInParent(::GetDlgItem(dialog, IDOK));
    const CRect label = RectInParent(::GetDlgItem(dialog, IDC_LABEL));
    Resize(dialog, 100, 50);
    EXPECT_EQ(CRect(ok.left + 100, ok.top + 50, ok.right + 100, ok.bottom + 50), RectInParent(::GetDlgItem(dialog, IDOK)));
    EXPECT_EQ(label, RectInParent(::GetDlgItem(dialog, IDC_LABEL)));  // no rule: stays

    const HWND grip = SizeGrip(dialog);
    ASSERT_NE(nullptr, grip);
    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(CRect(client.right - 11, client.bottom - 11, client.right, client.bottom), RectInParent(grip));
    EXPECT_TRUE(::IsWindowVisible(grip));

    Resize(dialog, -100, -50);
    EXPECT_EQ(ok, RectInParent(::GetDlgItem(dialog, IDOK)));
    MINMAXINFO limits{};
    dialog.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(first.Width(), limits.ptMinTrackSize.x);
    EXPECT_EQ(first.Height(), limits.ptMinTrackSize.y);
    EXPECT_GT(limits.ptMinTrackSize.x, 400);
    dialog.DestroyWindow();

    // Without a resizable frame: no grip and no layout.
    const std::vector<BYTE> fixed = TemplateWithStyle(IDD_KESTADVCONFIG_DIALOG, WS_THICKFRAME, 0);
    LaidOutDialog framed;
    ASSERT_TRUE(framed.CreateIndirect(fixed.data()));
    EXPECT_EQ(nullptr, SizeGrip(framed));
    Resize(framed, 100, 50);
    EXPECT_EQ(ok, RectInParent(::GetDlgItem(framed, IDOK)));
    framed.DestroyWindow();
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
    struct Row {
        int id;
        int left, top, right, bottom;
    };
    const Row rows[] = {
        {IDC_CATEGORY_TREE, 0, 0, 0, 1}, {IDC_PROPERTY_GRID, 0, 0, 1, 1}, {IDC_DIRECTORY_TREE, 0, 0, 1, 1},
        {IDC_LABEL, 0, 1, 0, 1},         {IDOK, 1, 1, 1, 1},              {IDCANCEL, 1, 1, 1, 1},
        {ID_APPLY_NOW, 1, 1, 1, 1},      {IDHELP, 1, 1, 1, 1},
    };
    std::map<int, CRect> before;
    for (const Row& row : rows)
        before[row.id] = RectInParent(::GetDlgItem(dialog, row.id));
    Resize(dialog, 100, 50);
    const ULONGLONG deadline = GetTickCount64() + 5000;  // laid out on the program's thread
    while (RectInParent(::GetDlgItem(dialog, IDOK)) == before[IDOK] && GetTickCount64() < deadline)
        WaitForSingleObject(program.Handle(), 20);
    for (const Row& row : rows) {
        const CRect was = before[row.id];
        const CRect expected(was.left + 100 * row.left, was.top + 50 * row.top, was.right + 100 * row.right,
                             was.bottom + 50 * row.bottom);
        EXPECT_EQ(expected, RectInParent(::GetDlgItem(dialog, row.id))) << "control " << row.id;
    }
    EXPECT_NE(static_cast<DWORD>(STILL_ACTIVE), program.CloseAndWait(dialog, 15000));
}

// The tab page placement the program never uses: one check.
TEST(UIDialogTest, ChildBesideATabControlBecomesItsPage)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 800, 600}, nullptr, 0));
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_VISIBLE, {20, 30, 720, 530}, &parent, 1));
    tabs.InsertItem(0, "Свойства");
    CRect tab;
    ASSERT_TRUE(tabs.GetItemRect(0, &tab));
    const std::vector<BYTE> page =
        TemplateWithStyle(IDD_KESTADVCONFIG_DIALOG, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_CHILD);
    UIDialog dialog(IDD_KESTADVCONFIG_DIALOG);
    ASSERT_TRUE(dialog.CreateIndirect(page.data(), &parent));
    EXPECT_EQ(CRect(20 + 6, 30 + tab.Height() + 8, 720 - 6, 530 - 6), RectInParent(dialog.m_hWnd));
    parent.DestroyWindow();
}

TEST(UIDialogTest, AnswersItsFontBackgroundAndTooltipDrawing)
{
    UIDialog dialog(IDD_ABOUTBOX);
    ASSERT_TRUE(dialog.Create(IDD_ABOUTBOX));
    ASSERT_NE(nullptr, dialog.GetFontObject().GetSafeHandle());
    EXPECT_EQ(dialog.GetFontObject().GetSafeHandle(), reinterpret_cast<HFONT>(::SendDlgItemMessageA(dialog, IDOK, WM_GETFONT, 0, 0)));
    const HDC dc = GetDC(dialog);
    const auto background = reinterpret_cast<HBRUSH>(
        dialog.SendMessage(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dialog.m_hWnd)));
    ReleaseDC(dialog, dc);
    LOGBRUSH description{};
    ASSERT_EQ(static_cast<int>(sizeof description), GetObjectA(background, sizeof description, &description));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), description.lbColor);

    // A tooltip about to paint gets "&" handled as a mnemonic again.
    NMTTCUSTOMDRAW draw{};
    draw.nmcd.hdr = {dialog.m_hWnd, 0, static_cast<UINT>(NM_CUSTOMDRAW)};
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    draw.uDrawFlags = DT_NOPREFIX | DT_SINGLELINE;
    const HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, dialog, nullptr, nullptr, nullptr);
    draw.nmcd.hdr.hwndFrom = tip;
    EXPECT_EQ(0, dialog.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&draw)));
    EXPECT_EQ(static_cast<UINT>(DT_SINGLELINE), draw.uDrawFlags);
    DestroyWindow(tip);
    dialog.DestroyWindow();
}

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
    for (const auto& [id, bitmap] : std::vector<std::pair<int, UINT>>{{IDCANCEL, IDB_CANCEL_IMAGE}, {ID_APPLY_NOW, IDB_APPLY_IMAGE}}) {
        auto* button = dynamic_cast<UIBitmapButton*>(CWnd::FromHandlePermanent(::GetDlgItem(dialog, id)));
        ASSERT_NE(nullptr, button) << id;
        EXPECT_EQ(bitmap, button->GetBitmapId());
        EXPECT_STREQ("", button->GetWindowText());
        EXPECT_FALSE(button->HasTooltip());  // standard buttons keep their captions out of tooltips
    }
    // Without its bitmap OK is an owner-drawn PNG button; a bound Help stays as bound.
    CWnd* ok = CWnd::FromHandlePermanent(::GetDlgItem(dialog, IDOK));
    ASSERT_NE(nullptr, ok);
    EXPECT_STREQ("UIPNGButton", ok->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), ok->GetStyle() & BS_TYPEMASK);
    EXPECT_EQ(&dialog.m_help, CWnd::FromHandlePermanent(::GetDlgItem(dialog, IDHELP)));

    auto* cancel = static_cast<UIBitmapButton*>(CWnd::FromHandlePermanent(::GetDlgItem(dialog, IDCANCEL)));
    const WindowImage face(*cancel);
    const CPoint origin = cancel->GetImageOrigin();
    EXPECT_EQ(RGB(0xD0, 0x24, 0x24), face.At(origin.x + 7, origin.y + 6));  // a red pixel of the Cancel image, at the centre
    dialog.DestroyWindow();
}
