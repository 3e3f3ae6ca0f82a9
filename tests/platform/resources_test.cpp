// The resources as built into every executable: string table, dialog
// templates, menu, images, icon and what the manifest turns on.
#include "platform/cdialog.h"
#include "platform/cgdi_objects.h"
#include "platform/cmenu.h"
#include "platform/resource_module.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring LoadWide(UINT id)
{
    const wchar_t* text = nullptr;
    const int length = LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

struct ExpectedItem {
    int id;
    std::wstring className;  // class name, or "#0x0080" style ordinal text
    std::wstring text;       // title, or "#128" for an ordinal title
    RECT dialogUnits;        // left, top, width, height
    DWORD style;             // exact style bits of the template
};

// One item of an extended dialog template, as stored in the resource.
struct TemplateItem {
    int id = 0;
    std::wstring className;
    std::wstring text;
    RECT dialogUnits{};
    DWORD style = 0;
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT dialogUnits{};
    std::wstring caption;
    WORD pointSize = 0;
    std::wstring typeface;
    std::vector<TemplateItem> items;
};

// Reads a "sz_Or_Ord" field: an ordinal is returned as "#<number>".
std::wstring ReadNameOrOrdinal(const WORD*& at)
{
    if (*at == 0xFFFF) {
        const WORD ordinal = at[1];
        at += 2;
        return L"#" + std::to_wstring(ordinal);
    }
    std::wstring text(reinterpret_cast<const wchar_t*>(at));
    at += text.size() + 1;
    return text;
}

const WORD* AlignToDword(const WORD* at)
{
    return reinterpret_cast<const WORD*>((reinterpret_cast<ULONG_PTR>(at) + 3) & ~ULONG_PTR{3});
}

// Parses the DLGTEMPLATEEX resource `id` of the resource module.
DialogTemplate ParseDialogTemplate(UINT id)
{
    DialogTemplate result;
    const HMODULE module = AfxGetResourceHandle();
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), reinterpret_cast<LPCWSTR>(RT_DIALOG));
    if (found == nullptr)
        return result;
    const auto* at = static_cast<const WORD*>(LockResource(LoadResource(module, found)));
    if (at[0] != 1 || at[1] != 0xFFFF)
        return result;  // not an extended template
    const auto dword = [](const WORD* p) { return static_cast<DWORD>(p[0] | (p[1] << 16)); };
    result.exStyle = dword(at + 4);
    result.style = dword(at + 6);
    const WORD count = at[8];
    result.dialogUnits = {static_cast<SHORT>(at[9]), static_cast<SHORT>(at[10]), static_cast<SHORT>(at[11]),
                          static_cast<SHORT>(at[12])};
    at += 13;
    ReadNameOrOrdinal(at);  // menu
    ReadNameOrOrdinal(at);  // window class
    result.caption = ReadNameOrOrdinal(at);
    if (result.style & DS_SETFONT) {
        result.pointSize = at[0];
        at += 3;  // point size, weight, italic and character set
        result.typeface = ReadNameOrOrdinal(at);
    }
    for (WORD i = 0; i < count; ++i) {
        at = AlignToDword(at);
        TemplateItem item;
        item.style = dword(at + 4);
        item.dialogUnits = {static_cast<SHORT>(at[6]), static_cast<SHORT>(at[7]), static_cast<SHORT>(at[8]),
                            static_cast<SHORT>(at[9])};
        item.id = static_cast<int>(dword(at + 10));
        at += 12;
        item.className = ReadNameOrOrdinal(at);
        item.text = ReadNameOrOrdinal(at);
        const WORD extra = *at++;
        at = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(at) + extra);
        result.items.push_back(item);
    }
    return result;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void ExpectItems(const DialogTemplate& dialog, const std::vector<ExpectedItem>& expected)
{
    ASSERT_EQ(expected.size(), dialog.items.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const TemplateItem& item = dialog.items[i];
        SCOPED_TRACE("item " + std::to_string(expected[i].id));
        EXPECT_EQ(expected[i].id, item.id);
        EXPECT_EQ(0, _wcsicmp(expected[i].className.c_str(), item.className.c_str()));  // names ignore case

        EXPECT_EQ(expected[i].text, item.text);
        EXPECT_TRUE(SameRect(expected[i].dialogUnits, item.dialogUnits));
        EXPECT_EQ(expected[i].style, item.style) << std::hex << (expected[i].style ^ item.style);
    }
}

// Predefined control classes are stored as ordinals.
const std::wstring kButton = L"#128";
const std::wstring kStatic = L"#130";
const DWORD kChild = WS_CHILD | WS_VISIBLE;

}  // namespace

TEST(ResourcesTest, StringTableHoldsEveryTextExactly)
{
    const std::vector<std::pair<UINT, std::wstring>> table{
        {101, L"\u041E KestAdvConfig..."},
        {102, L"Quorvelin X"},
        {103, L"\u0418\u0437\u043C\u0435\u043D\u0435\u043D\u0438\u0435 \u0441\u0432\u043E\u0439\u0441\u0442\u0432 Quorvelin X"},
        {104, L"Registry operation completed successfully."},
        {105, L"Registry operation failed."},
        {106, L"Right click on an .OCX or .DLL file to register a component."},
        {107, L"\"KestAdvConfig.xml\" file not found.  Please copy this file to the same folder as the executable."},
        {108, L"\u0421\u0431\u043E\u0439 \u0437\u0430\u043F\u0438\u0441\u0438 \u0434\u0430\u043D\u043D\u044B\u0445 \u0432 \u0440\u0435\u0433\u0438\u0441\u0442\u0440."},
        {109, L"\u0421\u0432\u043E\u0439\u0441\u0442\u0432\u0430 Quorvelin"},
        {110, L"\u041A\u043E\u043C\u043F\u043E\u043D\u0435\u043D\u0442\u044B"},
        {111, L"Invalid property pointer returned."},
        {112, L"Invalid attribute pointer returned."},
        {113, L"Duplicate Attribute ID found for %s.  Please check the 'KestAdvConfig.xml' file."},
    };
    for (const auto& [id, text] : table)
        EXPECT_EQ(text, LoadWide(id)) << "string " << id;
}

TEST(ResourcesTest, MainDialogTemplateHoldsItsItemsExactly)
{
    const DialogTemplate dialog = ParseDialogTemplate(IDD_KESTADVCONFIG_DIALOG);
    EXPECT_EQ(static_cast<DWORD>(DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME), dialog.style);
    EXPECT_EQ(static_cast<DWORD>(WS_EX_APPWINDOW), dialog.exStyle);
    EXPECT_TRUE(SameRect({0, 0, 441, 245}, dialog.dialogUnits));
    EXPECT_EQ(L"Quorvelin Advanced Configuration", dialog.caption);
    EXPECT_EQ(8, dialog.pointSize);
    EXPECT_EQ(L"MS Shell Dlg", dialog.typeface);

    const DWORD tree = kChild | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | WS_BORDER | WS_TABSTOP;
    ExpectItems(dialog, {
        {IDOK, kButton, L"OK", {273, 216, 36, 18}, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, kButton, L"\u041E\u0442\u043C\u0435\u043D\u0430", {313, 216, 36, 18}, kChild | WS_TABSTOP | BS_PUSHBUTTON},
        {IDC_CATEGORY_TREE, L"SysTreeView32", L"", {17, 14, 145, 185}, tree | TVS_SHOWSELALWAYS | WS_HSCROLL},
        {ID_APPLY_NOW, kButton, L"\u041F\u0440\u0438\u043C.", {353, 216, 36, 18}, kChild | WS_TABSTOP | WS_DISABLED},
        {IDHELP, kButton, L"\u0421\u043F\u0440\u0430\u0432\u043A\u0430", {393, 216, 36, 18}, kChild | WS_TABSTOP},
        {IDC_PROPERTY_GRID, kStatic, L"Properties grid goes here", {170, 14, 256, 185}, kChild | WS_GROUP | SS_LEFT},
        {IDC_LABEL, kStatic, L"", {17, 213, 239, 22}, kChild | WS_GROUP | SS_LEFT},
        {IDC_DIRECTORY_TREE, L"SysTreeView32", L"", {170, 14, 256, 185}, tree | TVS_DISABLEDRAGDROP},
    });
}

TEST(ResourcesTest, AboutBoxTemplateHoldsItsItemsExactly)
{
    const DialogTemplate dialog = ParseDialogTemplate(IDD_ABOUTBOX);
    EXPECT_EQ(L"About KestAdvConfig", dialog.caption);
    EXPECT_TRUE(SameRect({0, 0, 170, 62}, dialog.dialogUnits));
    EXPECT_EQ(8, dialog.pointSize);
    EXPECT_EQ(L"MS Shell Dlg", dialog.typeface);
    ExpectItems(dialog, {
        {IDC_ABOUT_ICON, L"Static", L"#128", {14, 14, 21, 20}, kChild | SS_ICON},
        {IDC_STATIC, kStatic, L"KestAdvConfig, Version 1.0", {42, 14, 114, 8}, kChild | SS_NOPREFIX},
        {IDC_STATIC, kStatic, L"Copyright (C) Tarnwick, Inc.", {42, 26, 114, 8}, kChild | WS_GROUP},
        {IDOK, kButton, L"OK", {113, 41, 50, 14}, kChild | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON},
    });
}

TEST(ResourcesTest, MainDialogIsAResizableTaskBarWindowWithItsCaptionAndFont)
{
    CDialog dialog(IDD_KESTADVCONFIG_DIALOG);
    ASSERT_TRUE(dialog.Create(IDD_KESTADVCONFIG_DIALOG));
    EXPECT_STREQ("Quorvelin Advanced Configuration", dialog.GetWindowText());
    const DWORD style = dialog.GetStyle();
    EXPECT_EQ(static_cast<DWORD>(WS_THICKFRAME | WS_SYSMENU | WS_CAPTION),
              style & (WS_THICKFRAME | WS_SYSMENU | WS_CAPTION));
    EXPECT_TRUE(dialog.GetExStyle() & WS_EX_APPWINDOW);

    RECT size{0, 0, 441, 245};
    MapDialogRect(dialog.m_hWnd, &size);
    RECT client{};
    dialog.GetClientRect(&client);
    EXPECT_EQ(size.right, client.right);
    EXPECT_EQ(size.bottom, client.bottom);

    LOGFONTA font{};
    ASSERT_EQ(static_cast<int>(sizeof font), GetObjectA(dialog.GetFont(), sizeof font, &font));
    EXPECT_STREQ("MS Shell Dlg", font.lfFaceName);
    const HDC screen = GetDC(nullptr);
    EXPECT_EQ(-MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72), font.lfHeight);
    ReleaseDC(nullptr, screen);
    dialog.DestroyWindow();
}

TEST(ResourcesTest, ComponentMenuOffersRegisterAndUnregister)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_COMPONENT_MENU));
    ASSERT_EQ(1, menu.GetMenuItemCount());
    const HMENU popup = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, popup);
    ASSERT_EQ(2, GetMenuItemCount(popup));
    EXPECT_EQ(32771u, GetMenuItemID(popup, 0));
    EXPECT_EQ(32772u, GetMenuItemID(popup, 1));
    wchar_t text[64] = {};
    GetMenuStringW(popup, 0, text, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(L"\u0420\u0435\u0433\u0438\u0441\u0442\u0440\u0438\u0440\u043E\u0432\u0430\u0442\u044C "
                           L"\u043A\u043E\u043C\u043F\u043E\u043D\u0435\u043D\u0442"), text);
    GetMenuStringW(popup, 1, text, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(L"\u0421\u0431\u0440\u043E\u0441 \u0440\u0435\u0433\u0438\u0441\u0442\u0440\u0430\u0446\u0438\u0438 "
                           L"\u043A\u043E\u043C\u043F\u043E\u043D\u0435\u043D\u0442\u0430"), text);
}

TEST(ResourcesTest, ButtonImagesAreSixteenPixelsWithLightGreyBackground)
{
    for (UINT id : {IDB_OK_IMAGE, IDB_APPLY_IMAGE, IDB_CANCEL_IMAGE, IDB_HELP_IMAGE}) {
        SCOPED_TRACE(id);
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(id));
        BITMAP info{};
        ASSERT_TRUE(bitmap.GetBitmap(&info));
        EXPECT_EQ(16, info.bmWidth);
        EXPECT_EQ(16, info.bmHeight);
        const HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, bitmap);
        EXPECT_EQ(RGB(0xC0, 0xC0, 0xC0), GetPixel(dc, 0, 0));
        EXPECT_EQ(RGB(0xC0, 0xC0, 0xC0), GetPixel(dc, 15, 15));
        int drawn = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                drawn += GetPixel(dc, x, y) != RGB(0xC0, 0xC0, 0xC0);
        EXPECT_GT(drawn, 10);
        SelectObject(dc, old);
        DeleteDC(dc);
    }
}

TEST(ResourcesTest, ProgramIconComesInBothSizes)
{
    for (int size : {16, 32}) {
        const HICON icon = static_cast<HICON>(
            LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
        ASSERT_NE(nullptr, icon) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(size, bitmap.bmWidth);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

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
