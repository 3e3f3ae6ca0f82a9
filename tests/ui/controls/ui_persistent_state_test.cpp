// Persistent edits and buttons on real windows and the real registry: what
// they read at attachment, what they write on destruction, and that without
// a dialog id they touch nothing.
#include "platform/cwinapp.h"
#include "ui/controls/ui_bitmap_checkbox.h"
#include "ui/controls/ui_modal_button.h"
#include "ui/controls/ui_modal_edit.h"
#include "ui/dialogs/registered_messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char kToolkitKey[] = "Software\\Tarnwick, Inc.\\\\GUI";
const char kEditStates[] = "Software\\Tarnwick, Inc.\\\\GUI\\Persistent controls\\Modal Edit States";
const char kButtonStates[] = "Software\\Tarnwick, Inc.\\\\GUI\\Persistent controls\\Modal Button States";

// A parent that answers "OnGetDialogId" with its id (0: as if it did not handle it).
class Parent : public CWnd {
public:
    explicit Parent(int dialogId) : m_nDialogId(dialogId)
    {
        EXPECT_TRUE(CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, {0, 0, 300, 200}, nullptr, 0));
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == UIRegisteredMessages().OnGetDialogId)
            return m_nDialogId;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    HWND AddControl(const char* className, const char* text, DWORD style, int id)
    {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 10, 10, 100, 24, m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    int m_nDialogId;
};

std::string ValueName(int dialogId, int controlId)
{
    return std::string(AfxGetAppName().GetString()) + "::" + std::to_string(dialogId) + "::" + std::to_string(controlId);
}

void Store(const char* key, const std::string& name, DWORD type, const void* data, DWORD size)
{
    HKEY opened = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(opened, name.c_str(), 0, type, static_cast<const BYTE*>(data), size));
    RegCloseKey(opened);
}

void StoreText(const std::string& name, const char* text, DWORD type = REG_SZ)
{
    Store(kEditStates, name, type, text, static_cast<DWORD>(std::strlen(text) + 1));
}

void StoreNumber(const char* key, const std::string& name, DWORD value)
{
    Store(key, name, REG_DWORD, &value, sizeof value);
}

// Type and bytes of a stored value; type 0 when there is none.
std::pair<DWORD, std::string> Stored(const char* key, const std::string& name)
{
    char data[512] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size) != ERROR_SUCCESS)
        return {0, ""};
    return {type, std::string(data, size)};
}

bool KeyExists(const char* key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

// Each test leaves the registry as it found it.
class UIPersistentStateTest : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kToolkitKey); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kToolkitKey); }
};

}  // namespace

TEST_F(UIPersistentStateTest, ControlsOfADialogWithAnIdReadTheirStateAtAttachmentAndWriteItWhenAsked)
{
    Parent dialog(7);
    StoreText(ValueName(7, 1001), "stored text");
    StoreText(ValueName(7, 1002), "");
    StoreNumber(kEditStates, ValueName(7, 1003), 5);  // the wrong type for an edit
    StoreNumber(kButtonStates, ValueName(7, 1004), BST_CHECKED);
    StoreNumber(kButtonStates, ValueName(7, 1005), BST_CHECKED);
    StoreText(ValueName(7, 1006), "%TEMP%", REG_EXPAND_SZ);

    UIModalEdit edit;
    UIModalEdit emptyStored;
    UIModalEdit wrongType;
    UIModalEdit expandable;
    ASSERT_TRUE(edit.SubclassWindow(dialog.AddControl("EDIT", "typed", 0, 1001)));
    ASSERT_TRUE(emptyStored.SubclassWindow(dialog.AddControl("EDIT", "kept", 0, 1002)));
    ASSERT_TRUE(wrongType.SubclassWindow(dialog.AddControl("EDIT", "kept", 0, 1003)));
    ASSERT_TRUE(expandable.SubclassWindow(dialog.AddControl("EDIT", "", 0, 1006)));
    EXPECT_STREQ("stored text", edit.GetWindowText());
    EXPECT_STREQ("stored text", edit.GetStoredText());
    EXPECT_STREQ("kept", emptyStored.GetWindowText());
    EXPECT_STREQ("kept", wrongType.GetWindowText());
    EXPECT_STREQ("%TEMP%", expandable.GetWindowText());  // taken as stored, not expanded

    UIBitmapCheckbox checkbox;
    UIModalButton plain;
    ASSERT_TRUE(checkbox.SubclassWindow(dialog.AddControl("BUTTON", "", BS_AUTOCHECKBOX, 1004)));
    ASSERT_TRUE(plain.SubclassWindow(dialog.AddControl("BUTTON", "", BS_AUTOCHECKBOX, 1005)));
    EXPECT_EQ(BST_CHECKED, checkbox.GetState());
    EXPECT_EQ(BST_CHECKED, checkbox.GetCheck());
    EXPECT_EQ(0, plain.GetState());  // only the bitmap check box reads its state
    EXPECT_EQ(BST_UNCHECKED, plain.GetCheck());

    edit.m_bSaveOnDestroy = true;
    edit.SetWindowText("Ввод");
    checkbox.m_bSaveOnDestroy = true;
    checkbox.SetState(BST_INDETERMINATE);
    dialog.DestroyWindow();
    // The text with its terminating zero; the state as 4 bytes.
    EXPECT_EQ(std::make_pair(static_cast<DWORD>(REG_SZ), std::string("Ввод", std::strlen("Ввод") + 1)),
              Stored(kEditStates, ValueName(7, 1001)));
    const DWORD indeterminate = BST_INDETERMINATE;
    EXPECT_EQ(std::make_pair(static_cast<DWORD>(REG_DWORD), std::string(reinterpret_cast<const char*>(&indeterminate), 4)),
              Stored(kButtonStates, ValueName(7, 1004)));
    // Controls not asked to save leave their values alone.
    EXPECT_EQ(REG_DWORD, Stored(kButtonStates, ValueName(7, 1005)).first);
}

TEST_F(UIPersistentStateTest, WithoutADialogIdNothingIsReadOrWritten)
{
    Parent dialog(0);
    UIModalEdit edit;
    UIBitmapCheckbox checkbox;
    ASSERT_TRUE(edit.SubclassWindow(dialog.AddControl("EDIT", "typed", 0, 1001)));
    ASSERT_TRUE(checkbox.SubclassWindow(dialog.AddControl("BUTTON", "", BS_AUTOCHECKBOX, 1004)));
    EXPECT_STREQ("typed", edit.GetWindowText());
    EXPECT_TRUE(edit.GetPersistentState().GetValueName().IsEmpty());
    edit.m_bSaveOnDestroy = true;
    checkbox.m_bSaveOnDestroy = true;
    dialog.DestroyWindow();
    EXPECT_FALSE(KeyExists(kToolkitKey));

    // Nor without a parent at all.
    UIModalEdit alone;
    ASSERT_TRUE(alone.CreateEx(0, "EDIT", "alone", WS_POPUP, {0, 0, 50, 20}, nullptr, 0));
    EXPECT_STREQ("alone", alone.GetWindowText());
    EXPECT_TRUE(alone.GetPersistentState().GetValueName().IsEmpty());
}

TEST_F(UIPersistentStateTest, KeyRecordInATransactionWithoutHandleUsesThePlainCallsOnlyWhenAllowed)
{
    UIRegistryTransaction transaction;
    UIRegistryKey key;
    key.m_pTransaction = &transaction;
    EXPECT_EQ(ERROR_INVALID_FUNCTION, key.Create(HKEY_CURRENT_USER, kEditStates, KEY_ALL_ACCESS));
    EXPECT_EQ(nullptr, key.m_hKey);
    EXPECT_FALSE(KeyExists(kEditStates));
    transaction.m_bAllowFallback = true;
    EXPECT_EQ(ERROR_SUCCESS, key.Create(HKEY_CURRENT_USER, kEditStates, KEY_ALL_ACCESS));
    EXPECT_NE(nullptr, key.m_hKey);
    EXPECT_EQ(ERROR_SUCCESS, key.Open(HKEY_CURRENT_USER, kEditStates, KEY_READ));
    key.Close();
    EXPECT_EQ(nullptr, key.m_hKey);
}
