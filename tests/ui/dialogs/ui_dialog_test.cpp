// UIDialog on real dialogs made from the program's templates: the main
// dialog's layout rules, the grip and the minimum size, placement beside a
// tab control, the fixed answers, and the image buttons.
#include "ui/dialogs/ui_dialog.h"

#include "platform/cbutton.h"
#include "platform/ctab_ctrl.h"
#include "resources/resource.h"
#include "tests/support/message_pump.h"
#include "tests/support/window_image.h"
#include "ui/controls/ui_bitmap_button.h"
#include "ui/controls/ui_png_button.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

namespace {

constexpr std::int32_t kDistance = LayoutSideRule::KeepDistance;

LayoutSideRule Follow(std::int32_t side)
{
    return LayoutSideRule{kDistance, 0, side};
}

// The main dialog's eight rules: the tree grows down, the grid and the
// component tree grow both ways, the label rides the bottom edge and the
// buttons keep to the bottom-right corner.
const LayoutRule kMainDialogRules[] = {
    {IDC_CATEGORY_TREE, Follow(LayoutSideRule::Left), Follow(LayoutSideRule::Top), Follow(LayoutSideRule::Left),
     Follow(LayoutSideRule::Bottom)},
    {IDC_PROPERTY_GRID, Follow(LayoutSideRule::Left), Follow(LayoutSideRule::Top), Follow(LayoutSideRule::Right),
     Follow(LayoutSideRule::Bottom)},
    {IDC_DIRECTORY_TREE, Follow(LayoutSideRule::Left), Follow(LayoutSideRule::Top), Follow(LayoutSideRule::Right),
     Follow(LayoutSideRule::Bottom)},
    {IDC_LABEL, Follow(LayoutSideRule::Left), Follow(LayoutSideRule::Bottom), Follow(LayoutSideRule::Left),
     Follow(LayoutSideRule::Bottom)},
    {IDOK, Follow(LayoutSideRule::Right), Follow(LayoutSideRule::Bottom), Follow(LayoutSideRule::Right),
     Follow(LayoutSideRule::Bottom)},
    {IDCANCEL, Follow(LayoutSideRule::Right), Follow(LayoutSideRule::Bottom), Follow(LayoutSideRule::Right),
     Follow(LayoutSideRule::Bottom)},
    {ID_APPLY_NOW, Follow(LayoutSideRule::Right), Follow(LayoutSideRule::Bottom), Follow(LayoutSideRule::Right),
     Follow(LayoutSideRule::Bottom)},
    {IDHELP, Follow(LayoutSideRule::Right), Follow(LayoutSideRule::Bottom), Follow(LayoutSideRule::Right),
     Follow(LayoutSideRule::Bottom)},
};

// Template 102 laid out by the main dialog's rules, as the main dialog sets them.
class MainTemplateDialog : public UIDialog {
public:
    MainTemplateDialog() : UIDialog(IDD_KESTADVCONFIG_DIALOG) {}
    bool m_bLayoutAccepted = false;

protected:
    void PreInitDialog() override
    {
        m_bLayoutAccepted = GetResizer().SetLayout(this, kMainDialogRules, 8);
        SetLimitMinimumSize(m_bLayoutAccepted);
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
    DWORD exStyle = 0;
    std::memcpy(&exStyle, copy.data() + 8, sizeof exStyle);  // DLGTEMPLATEEX: version, signature, help id, ...
    std::memcpy(&style, copy.data() + 12, sizeof style);
    style = (style & ~removeStyle) | addStyle;
    exStyle = (style & WS_CHILD) != 0 ? 0 : exStyle;
    std::memcpy(copy.data() + 8, &exStyle, sizeof exStyle);
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

CRect ItemRect(const CWnd& dialog, int id)
{
    return RectInParent(::GetDlgItem(dialog.m_hWnd, id));
}

std::map<int, CRect> ItemRects(const CWnd& dialog)
{
    std::map<int, CRect> rects;
    for (const LayoutRule& rule : kMainDialogRules)
        rects[rule.controlId] = ItemRect(dialog, rule.controlId);
    return rects;
}

HWND SizeGrip(const CWnd& dialog)
{
    for (HWND child = ::GetWindow(dialog.m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        if (std::strcmp(className, "ScrollBar") == 0 && (GetWindowLongA(child, GWL_STYLE) & SBS_SIZEGRIP) != 0)
            return child;
    }
    return nullptr;
}

void Resize(CWnd& dialog, int dx, int dy)
{
    CRect window;
    dialog.GetWindowRect(&window);
    dialog.SetWindowPos(nullptr, 0, 0, window.Width() + dx, window.Height() + dy, SWP_NOMOVE | SWP_NOZORDER);
    PumpPendingMessages();
}

}  // namespace

TEST(UIDialogTest, MainTemplateGetsImageButtonsResizesByItsRulesAndKeepsItsFirstSizeAsMinimum)
{
    MainTemplateDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_KESTADVCONFIG_DIALOG));
    ASSERT_TRUE(dialog.m_bLayoutAccepted);
    // OK, Cancel, Apply and Help carry the images 7003, 7005, 7004 and 7006.
    for (const auto& [id, bitmap] : std::vector<std::pair<int, UINT>>{
             {IDOK, IDB_OK_IMAGE}, {IDCANCEL, IDB_CANCEL_IMAGE}, {ID_APPLY_NOW, IDB_APPLY_IMAGE}, {IDHELP, IDB_HELP_IMAGE}}) {
        auto* button = dynamic_cast<UIBitmapButton*>(CWnd::FromHandlePermanent(::GetDlgItem(dialog, id)));
        ASSERT_NE(nullptr, button) << id;
        EXPECT_EQ(bitmap, button->GetBitmapId());
    }
    dialog.ShowWindow(SW_SHOW);
    PumpPendingMessages();
    EXPECT_TRUE(KeepScreenshot(dialog, "main_template_first_size.bmp"));
    const std::map<int, CRect> before = ItemRects(dialog);

    Resize(dialog, 100, 50);
    EXPECT_TRUE(KeepScreenshot(dialog, "main_template_100_wider_50_higher.bmp"));
    const std::map<int, CRect> after = ItemRects(dialog);
    for (int button : {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP}) {
        CRect moved = before.at(button);
        moved.OffsetRect(100, 50);
        EXPECT_EQ(moved, after.at(button)) << "button " << button;
    }
    for (int pane : {IDC_PROPERTY_GRID, IDC_DIRECTORY_TREE})
        EXPECT_EQ(CRect(before.at(pane).left, before.at(pane).top, before.at(pane).right + 100, before.at(pane).bottom + 50),
                  after.at(pane)) << "pane " << pane;
    const CRect tree = before.at(IDC_CATEGORY_TREE);
    EXPECT_EQ(CRect(tree.left, tree.top, tree.right, tree.bottom + 50), after.at(IDC_CATEGORY_TREE));
    CRect label = before.at(IDC_LABEL);
    label.OffsetRect(0, 50);
    EXPECT_EQ(label, after.at(IDC_LABEL));

    // The grip sits in the bottom-right corner of the new client area.
    const HWND grip = SizeGrip(dialog);
    ASSERT_NE(nullptr, grip);
    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(CRect(client.right - 11, client.bottom - 11, client.right, client.bottom), RectInParent(grip));
    EXPECT_TRUE(::IsWindowVisible(grip));

    // Back to the first size, every control is where it began.
    Resize(dialog, -100, -50);
    EXPECT_EQ(before, ItemRects(dialog));

    // Never smaller than the first size.
    MINMAXINFO limits{};
    dialog.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(dialog.GetFirstWindowRect().Width(), limits.ptMinTrackSize.x);
    EXPECT_EQ(dialog.GetFirstWindowRect().Height(), limits.ptMinTrackSize.y);
    EXPECT_GT(limits.ptMinTrackSize.x, 400);
    dialog.DestroyWindow();
}

TEST(UIDialogTest, WithoutAResizableFrameThereIsNoGripAndNoLayout)
{
    const std::vector<BYTE> fixed = TemplateWithStyle(IDD_KESTADVCONFIG_DIALOG, WS_THICKFRAME, 0);
    MainTemplateDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(fixed.data()));
    EXPECT_EQ(nullptr, SizeGrip(dialog));
    const std::map<int, CRect> before = ItemRects(dialog);
    Resize(dialog, 100, 50);
    EXPECT_EQ(before, ItemRects(dialog));
    dialog.DestroyWindow();
}

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
    EXPECT_TRUE(dialog.IsTabPage());
    EXPECT_EQ(CRect(20 + 6, 30 + tab.Height() + 8, 720 - 6, 530 - 6), RectInParent(dialog.m_hWnd));
    parent.DestroyWindow();
}

TEST(UIDialogTest, AnswersItsSignatureFontBackgroundAndTooltipDrawing)
{
    UIDialog dialog(IDD_ABOUTBOX);
    ASSERT_TRUE(dialog.Create(IDD_ABOUTBOX));
    EXPECT_EQ(0x534B0001, dialog.SendMessage(WM_USER));
    ASSERT_NE(nullptr, dialog.GetFontObject().GetSafeHandle());
    EXPECT_EQ(dialog.GetFontObject().GetSafeHandle(), dialog.GetFont());
    EXPECT_EQ(dialog.GetFontObject().GetSafeHandle(), reinterpret_cast<HFONT>(::SendDlgItemMessageA(dialog, IDOK, WM_GETFONT, 0, 0)));

    const HDC dc = GetDC(dialog);
    const auto background = reinterpret_cast<HBRUSH>(
        dialog.SendMessage(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dialog.m_hWnd)));
    ReleaseDC(dialog, dc);
    LOGBRUSH description{};
    ASSERT_EQ(static_cast<int>(sizeof description), GetObjectA(background, sizeof description, &description));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), description.lbColor);
    EXPECT_FALSE(dialog.IsTabPage());

    // A tooltip about to paint gets "&" handled as a mnemonic again.
    const HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, dialog, nullptr, nullptr, nullptr);
    NMTTCUSTOMDRAW draw{};
    draw.nmcd.hdr = {tip, 0, static_cast<UINT>(NM_CUSTOMDRAW)};
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    draw.uDrawFlags = DT_NOPREFIX | DT_SINGLELINE;
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
        EXPECT_NE(nullptr, button->GetImage());
        EXPECT_STREQ("", button->GetWindowText());
        EXPECT_FALSE(button->HasTooltip());  // standard buttons keep their captions out of tooltips
    }
    CWnd* ok = CWnd::FromHandlePermanent(::GetDlgItem(dialog, IDOK));
    ASSERT_NE(nullptr, ok);
    EXPECT_STREQ("UIPNGButton", ok->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), ok->GetStyle() & BS_TYPEMASK);
    EXPECT_EQ(&dialog.m_help, CWnd::FromHandlePermanent(::GetDlgItem(dialog, IDHELP)));
    EXPECT_STREQ("Справка", dialog.m_help.GetWindowText());
    EXPECT_EQ(3, dialog.GetCreatedButtons().GetSize());

    // The Cancel image is drawn at the centre of its button.
    auto* cancel = static_cast<UIBitmapButton*>(CWnd::FromHandlePermanent(::GetDlgItem(dialog, IDCANCEL)));
    const WindowImage face(*cancel);
    const CPoint origin = cancel->GetImageOrigin();
    EXPECT_EQ(RGB(0xD0, 0x24, 0x24), face.At(origin.x + 7, origin.y + 6));
    dialog.DestroyWindow();
}
