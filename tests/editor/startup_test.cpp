// Start-up: the real program is started as a user starts it, on the sample
// file the build puts beside it; its dialog is found on screen and closed; the
// dialog class is also run in-process. The settings it saves are put back.
#include "editor/main_dialog.h"
#include "resources/resource.h"
#include "tests/support/message_pump.h"
#include "tests/support/program_process.h"
#include "tests/support/registry_listing.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kTitle[] = "Quorvelin Advanced Configuration";
const char kCompanyKey[] = "Software\\Tarnwick, Inc.";

std::string ProgramPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\') + 1) + "KestAdvConfig.exe";
}

}  // namespace

TEST(StartupTest, ProgramShowsItsDialogAndEndsWhenItCloses)
{
    const RegistryKeyKeeper keeper(kCompanyKey);
    ProgramProcess program(ProgramPath());
    ASSERT_TRUE(program.Started()) << GetLastError();

    const HWND dialog = program.WaitForWindow(kTitle, 30000);
    ASSERT_NE(nullptr, dialog);
    char className[32] = {};
    GetClassNameA(dialog, className, sizeof className);
    EXPECT_STREQ("#32770", className);
    EXPECT_TRUE(GetWindowLongPtrA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_TRUE(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_NE(nullptr, GetDlgItem(dialog, IDC_CATEGORY_TREE));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, ID_APPLY_NOW)));

    EXPECT_EQ(0u, program.CloseAndWait(dialog, 15000));
}

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
