// The resources as built into every executable: what the program loads
// exists, Russian texts arrive as Cyrillic, and the few properties of the
// main dialog and the menu a user meets at once.
#include "platform/cdialog.h"
#include "platform/cgdi_objects.h"
#include "platform/cmenu.h"
#include "platform/resource_module.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::wstring LoadWide(UINT id)
{
    const wchar_t* text = nullptr;
    const int length = LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

bool HasCyrillic(const std::wstring& text)
{
    for (wchar_t c : text)
        if (c >= 0x0410 && c <= 0x044F)
            return true;
    return false;
}

}  // namespace

// Faults: a string the program loads is missing; a Russian text compiled in
// the wrong code page (mojibake); the duplicate-Id box formats the Id as a
// number. The Id is text, so the one conversion must be %s.
TEST(ResourcesTest, StringTableHoldsEveryTextExactly)
{
    const struct {
        UINT id;
        bool russian;
    } rows[] = {
        {IDS_ABOUTBOX, true},           {IDS_REGISTRY_SUCCEEDED, false}, {IDS_REGISTRY_FAILED, false},
        {IDS_DIRTREE_TIP, false},       {IDS_DEFINITION_FILE_MISSING, false}, {IDS_APPLY_FAILED, true},
        {IDS_PROPERTIES_TITLE, true},   {IDS_COMPONENTS_TITLE, true},   {IDS_INVALID_PROPERTY, false},
        {IDS_INVALID_ATTRIBUTE, false}, {IDS_DUPLICATE_ATTRIBUTE_ID, false},
    };
    for (const auto& row : rows) {
        const std::wstring text = LoadWide(row.id);
        EXPECT_FALSE(text.empty()) << row.id;
        EXPECT_EQ(row.russian, HasCyrillic(text)) << row.id;
        EXPECT_EQ(std::wstring::npos, text.find(L'\u00D0')) << row.id;  // UTF-8 read as 1252
    }
    const std::wstring duplicate = LoadWide(IDS_DUPLICATE_ATTRIBUTE_ID);
    EXPECT_NE(std::wstring::npos, duplicate.find(L"%s")) << "the Id is text";
    EXPECT_EQ(duplicate.find(L'%'), duplicate.rfind(L'%')) << "one conversion only";
}

// Faults: Apply enabled before anything changed; the dialog cannot be
// resized; no task bar button; the wrong size or font.
TEST(ResourcesTest, MainDialogIsAResizableTaskBarWindowWithItsCaptionAndFont)
{
    CDialog dialog(IDD_KESTADVCONFIG_DIALOG);
    ASSERT_TRUE(dialog.Create(IDD_KESTADVCONFIG_DIALOG));
    EXPECT_STREQ("Quorvelin Advanced Configuration", dialog.GetWindowText());
    EXPECT_TRUE(dialog.GetStyle() & WS_THICKFRAME);
    EXPECT_TRUE(dialog.GetExStyle() & WS_EX_APPWINDOW);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, ID_APPLY_NOW)));
    for (int id : {IDOK, IDCANCEL, IDHELP, IDC_CATEGORY_TREE, IDC_PROPERTY_GRID, IDC_LABEL, IDC_DIRECTORY_TREE})
        EXPECT_NE(nullptr, ::GetDlgItem(dialog.m_hWnd, id)) << id;

    RECT size{0, 0, 441, 245};
    MapDialogRect(dialog.m_hWnd, &size);
    RECT client{};
    dialog.GetClientRect(&client);
    EXPECT_EQ(size.right, client.right);
    EXPECT_EQ(size.bottom, client.bottom);
    LOGFONTA font{};
    ASSERT_EQ(static_cast<int>(sizeof font), GetObjectA(dialog.GetFont(), sizeof font, &font));
    EXPECT_STREQ("MS Shell Dlg", font.lfFaceName);
    dialog.DestroyWindow();
}

// Fault: both items of the right-click menu send the same command.
TEST(ResourcesTest, ComponentMenuOffersRegisterAndUnregister)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_COMPONENT_MENU));
    const HMENU popup = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, popup);
    ASSERT_EQ(2, GetMenuItemCount(popup));
    EXPECT_EQ(static_cast<UINT>(ID_REGISTER_COMPONENT), GetMenuItemID(popup, 0));
    EXPECT_EQ(static_cast<UINT>(ID_UNREGISTER_COMPONENT), GetMenuItemID(popup, 1));
    wchar_t text[64] = {};
    GetMenuStringW(popup, 1, text, 64, MF_BYPOSITION);
    EXPECT_TRUE(HasCyrillic(text));
}

// Fault: an image or icon the program loads is missing or of another size.
TEST(ResourcesTest, ButtonImagesAndTheIconExistInTheirSizes)
{
    for (UINT id : {IDB_OK_IMAGE, IDB_APPLY_IMAGE, IDB_CANCEL_IMAGE, IDB_HELP_IMAGE}) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(id)) << id;
        BITMAP info{};
        ASSERT_TRUE(bitmap.GetBitmap(&info));
        EXPECT_EQ(16, info.bmWidth) << id;
        EXPECT_EQ(16, info.bmHeight) << id;
    }
    for (int size : {16, 32}) {
        const HICON icon = static_cast<HICON>(
            LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
        ASSERT_NE(nullptr, icon) << size;
        DestroyIcon(icon);
    }
}

// Faults: the process runs in the ANSI code page (Russian turns into
// question marks); the old common controls; blurred scaling.
TEST(ResourcesTest, ManifestSelectsUtf8CommonControls6AndDpiAwareness)
{
    EXPECT_EQ(65001u, GetACP());
    const HMODULE comctl = GetModuleHandleA("comctl32.dll");
    ASSERT_NE(nullptr, comctl);
    // The version-6 assembly is loaded from the side-by-side store (the
    // version number the DLL reports for itself differs between systems).
    char path[MAX_PATH] = {};
    GetModuleFileNameA(comctl, path, MAX_PATH);
    CharLowerA(path);
    EXPECT_NE(nullptr, strstr(path, "common-controls_6595b64144ccf1df_6.")) << path;
    EXPECT_TRUE(IsProcessDPIAware());
}
