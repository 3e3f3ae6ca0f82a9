// The toolkit's buttons on real windows: kinds and checked state through the
// accessibility interface, bitmap buttons (image, caption and tooltip), PNG
// buttons.
#include "platform/com_scope.h"
#include "platform/window_accessible.h"
#include "resources/resource.h"
#include "tests/support/window_image.h"
#include "ui/controls/ui_bitmap_button.h"
#include "ui/controls/ui_button.h"
#include "ui/controls/ui_png_button.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <utility>
#include <vector>

namespace {

constexpr COLORREF kCancelRed = RGB(0xD0, 0x24, 0x24);  // a pixel of the Cancel image, 7 right and 6 down

class Host : public CWnd {
public:
    Host() { EXPECT_TRUE(CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300}, nullptr, 0)); }
};

VARIANT Child(LONG id)
{
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

struct Answers {
    HRESULT roleResult = E_FAIL;
    LONG role = -1;
    LONG state = 0;
};

// Role and state of the button itself, asked the way an accessibility client asks.
Answers AskAccessibility(HWND window)
{
    Answers answers;
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIIDAccessible,
                                          reinterpret_cast<void**>(&accessible))))
        return answers;
    VARIANT role;
    VariantInit(&role);
    answers.roleResult = accessible->get_accRole(Child(CHILDID_SELF), &role);
    answers.role = role.vt == VT_I4 ? role.lVal : -1;
    VARIANT state;
    VariantInit(&state);
    if (SUCCEEDED(accessible->get_accState(Child(CHILDID_SELF), &state)) && state.vt == VT_I4)
        answers.state = state.lVal;
    accessible->Release();
    return answers;
}

}  // namespace

TEST(UIButtonsTest, AccessibilityNamesTheKindAndTheCheckedState)
{
    CComScope com;  // as an accessibility client has it
    Host host;
    UIButton push;
    UIButton check;
    UIButton radio;
    ASSERT_TRUE(push.Create("Push", WS_VISIBLE | BS_PUSHBUTTON, {10, 10, 90, 34}, &host, 1));
    ASSERT_TRUE(check.Create("Check", WS_VISIBLE | BS_AUTOCHECKBOX, {10, 40, 90, 64}, &host, 2));
    ASSERT_TRUE(radio.Create("Radio", WS_VISIBLE | BS_AUTORADIOBUTTON, {10, 70, 90, 94}, &host, 3));

    const Answers pushAnswers = AskAccessibility(push);
    EXPECT_EQ(S_OK, pushAnswers.roleResult);
    EXPECT_EQ(ROLE_SYSTEM_PUSHBUTTON, pushAnswers.role);
    EXPECT_EQ(ROLE_SYSTEM_CHECKBUTTON, AskAccessibility(check).role);
    EXPECT_EQ(ROLE_SYSTEM_RADIOBUTTON, AskAccessibility(radio).role);
    for (const int state : {BST_CHECKED, BST_UNCHECKED}) {
        check.SetCheck(state);
        radio.SetCheck(state);
        EXPECT_EQ(state == BST_CHECKED, (AskAccessibility(check).state & STATE_SYSTEM_CHECKED) != 0);
        EXPECT_EQ(state == BST_CHECKED, (AskAccessibility(radio).state & STATE_SYSTEM_CHECKED) != 0);
    }
}

TEST(UIButtonsTest, BitmapButtonShowsItsImageCentredAndTurnsItsCaptionIntoItsTooltip)
{
    Host host;
    UIBitmapButton save;
    UIBitmapButton plain;
    UIBitmapButton ok;
    ASSERT_TRUE(save.Create("|Save file", WS_VISIBLE | BS_PUSHBUTTON, {10, 10, 70, 40}, &host, 100));
    ASSERT_TRUE(plain.Create("Save", WS_VISIBLE | BS_PUSHBUTTON, {10, 50, 70, 80}, &host, 101));
    ASSERT_TRUE(ok.Create("OK", WS_VISIBLE | BS_DEFPUSHBUTTON, {10, 90, 70, 120}, &host, IDOK));
    for (UIBitmapButton* button : {&save, &plain, &ok})
        ASSERT_TRUE(button->LoadBitmap(IDB_CANCEL_IMAGE));

    CString caption;
    save.GetCaption(caption);
    EXPECT_STREQ("|Save file", caption);
    EXPECT_STREQ("", save.GetWindowText());
    EXPECT_STREQ("Save file", save.GetTooltip());
    EXPECT_TRUE(plain.HasTooltip());
    EXPECT_STREQ("", plain.GetTooltip());
    EXPECT_STREQ("", plain.GetWindowText());
    // The dialog's standard buttons get no tooltip, but show no text either.
    EXPECT_FALSE(ok.HasTooltip());
    EXPECT_STREQ("", ok.GetWindowText());
    ok.GetCaption(caption);
    EXPECT_STREQ("OK", caption);

    // 60 x 30: the 16 x 16 image lies at the centre of the face less 2 pixels a side.
    EXPECT_EQ(CPoint(22, 7), save.GetImageOrigin());
    {
        const WindowImage face(save);
        EXPECT_EQ(kCancelRed, face.At(22 + 7, 7 + 6));
        EXPECT_NE(kCancelRed, face.At(22 + 1, 7 + 1));  // light grey is see-through
    }
    save.SetWindowPos(nullptr, 0, 0, 100, 50, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(CPoint(42, 17), save.GetImageOrigin());
    const WindowImage moved(save);
    EXPECT_EQ(kCancelRed, moved.At(42 + 7, 17 + 6));
}

TEST(UIButtonsTest, PngButtonIsOwnerDrawnAndShowsNoImageWhenThereIsNone)
{
    Host host;
    const HWND plain = CreateWindowExA(0, "BUTTON", "Справка", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24,
                                       host, reinterpret_cast<HMENU>(9), nullptr, nullptr);
    UIPNGButton button;
    ASSERT_TRUE(button.SubclassWindow(plain));
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), button.GetStyle() & BS_TYPEMASK);
    EXPECT_FALSE(button.SetImage(4242u));
    EXPECT_EQ(nullptr, button.GetImage());
    EXPECT_TRUE(button.SetImage(IDB_OK_IMAGE));  // a bitmap serves when there is no PNG
    EXPECT_NE(nullptr, button.GetImage());
    EXPECT_STREQ("Справка", button.GetWindowText());
}
