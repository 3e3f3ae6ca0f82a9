// The resources built into every executable, and what of the main dialog a
// user meets at once that no other test shows.
#include "platform/cdialog.h"
#include "platform/cgdi_objects.h"
#include "platform/cmenu.h"
#include "platform/cstring.h"
#include "platform/resource_module.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

// Faults: the duplicate-Id box formats the Id, which is text, as a number;
// both menu items send one command; an image or the icon is missing.
TEST(ResourcesTest, TextsMenuAndImagesAreWhatTheProgramLoads)
{
    CString duplicate;
    ASSERT_TRUE(duplicate.LoadString(IDS_DUPLICATE_ATTRIBUTE_ID));
    EXPECT_NE(-1, duplicate.Find("%s")) << "the Id is text";
    EXPECT_EQ(duplicate.Find('%'), duplicate.ReverseFind('%')) << "one conversion only";

    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_COMPONENT_MENU));
    const HMENU popup = menu.GetSubMenu(0);
    ASSERT_EQ(2, GetMenuItemCount(popup));
    EXPECT_EQ(static_cast<UINT>(ID_REGISTER_COMPONENT), GetMenuItemID(popup, 0));
    EXPECT_EQ(static_cast<UINT>(ID_UNREGISTER_COMPONENT), GetMenuItemID(popup, 1));

    for (UINT id : {IDB_OK_IMAGE, IDB_APPLY_IMAGE, IDB_CANCEL_IMAGE, IDB_HELP_IMAGE}) {
        CBitmap bitmap;
        EXPECT_TRUE(bitmap.LoadBitmap(id)) << id;
    }
    EXPECT_NE(nullptr, LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME)));
}

// Faults: Apply enabled before anything changed; the dialog cannot be
// resized; no task bar button.
TEST(ResourcesTest, MainDialogIsAResizableTaskBarWindowWithItsCaption)
{
    CDialog dialog(IDD_KESTADVCONFIG_DIALOG);
    ASSERT_TRUE(dialog.Create(IDD_KESTADVCONFIG_DIALOG));
    EXPECT_STREQ("Quorvelin Advanced Configuration", dialog.GetWindowText());
    EXPECT_TRUE(dialog.GetStyle() & WS_THICKFRAME);
    EXPECT_TRUE(dialog.GetExStyle() & WS_EX_APPWINDOW);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, ID_APPLY_NOW)));
    dialog.DestroyWindow();
}

// Faults: the ANSI code page (Russian turns into question marks); the old
// common controls; blurred scaling on a screen of another DPI (Wine answers
// both awareness levels alike, so the manifest itself is read).
TEST(ResourcesTest, ManifestSelectsUtf8CommonControls6AndDpiAwareness)
{
    EXPECT_EQ(65001u, GetACP());
    // Version 6 comes from the side-by-side store (DLL versions differ between systems).
    char path[MAX_PATH] = {};
    GetModuleFileNameA(GetModuleHandleA("comctl32.dll"), path, MAX_PATH);
    EXPECT_NE(nullptr, strstr(CharLowerA(path), "common-controls_6595b64144ccf1df_6.")) << path;
    const HRSRC manifest = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(nullptr, manifest);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(nullptr, manifest))),
                           SizeofResource(nullptr, manifest));
    EXPECT_NE(std::string::npos, text.find(">PerMonitorV2")) << text;
}
