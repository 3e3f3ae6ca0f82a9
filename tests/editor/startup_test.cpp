// Start-up of the dialog class in-process: the About item of its system menu
// and its icons (faults: no way to the About box; the default icon in the
// caption and the taskbar). The settings it saves are put back. The program
// itself is started by the installer's and the main dialog's tests.
#include "editor/main_dialog.h"
#include "resources/resource.h"
#include "tests/support/registry_listing.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kCompanyKey[] = "Software\\Tarnwick, Inc.";

}  // namespace

TEST(StartupTest, DialogAddsTheAboutItemAndSetsItsIcons)
{
    const RegistryKeyKeeper keeper(kCompanyKey);
    CKestAdvConfigDlg dialog;
    ASSERT_NE(nullptr, dialog.GetIcon());
    ASSERT_TRUE(dialog.Create(IDD_KESTADVCONFIG_DIALOG));

    const HMENU systemMenu = GetSystemMenu(dialog.m_hWnd, FALSE);
    ASSERT_NE(nullptr, systemMenu);
    const int count = GetMenuItemCount(systemMenu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), GetMenuItemID(systemMenu, count - 1));
    EXPECT_TRUE(GetMenuState(systemMenu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
    wchar_t text[64] = {};
    GetMenuStringW(systemMenu, count - 1, text, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(L"\u041E KestAdvConfig..."), text);

    const auto icon = reinterpret_cast<LPARAM>(dialog.GetIcon());
    EXPECT_EQ(icon, dialog.SendMessage(WM_GETICON, ICON_BIG));
    EXPECT_EQ(icon, dialog.SendMessage(WM_GETICON, ICON_SMALL));
    EXPECT_EQ(icon, dialog.SendMessage(WM_QUERYDRAGICON));
    dialog.DestroyWindow();
}
