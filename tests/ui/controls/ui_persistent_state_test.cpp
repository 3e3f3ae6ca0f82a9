// Persistent control states, which the program never uses: one check, on
// real windows and the real registry. (Registry transactions, which it never
// uses either, keep none.)
#include "platform/cwinapp.h"
#include "tests/support/registry_listing.h"
#include "tests/support/registry_values.h"
#include "ui/controls/ui_modal_edit.h"
#include "ui/dialogs/registered_messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kVendorKey[] = "Software\\Tarnwick, Inc.";
const char kEditStates[] = "Software\\Tarnwick, Inc.\\\\GUI\\Persistent controls\\Modal Edit States";

// A parent that answers "OnGetDialogId" with 7.
class Parent : public CWnd {
public:
    Parent() { EXPECT_TRUE(CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, {0, 0, 300, 200}, nullptr, 0)); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return message == UIRegisteredMessages().OnGetDialogId ? 7 : CWnd::WindowProc(message, wParam, lParam);
    }
};

}  // namespace

// Faults: the stored text not shown at attachment, or not stored on destruction.
TEST(UIPersistentStateTest, AnEditOfADialogWithAnIdShowsItsStoredTextAndStoresItsTextWhenItGoes)
{
    const RegistryKeyKeeper keeper(kVendorKey);
    DeleteRegistryKey(kVendorKey);
    const std::string value = std::string(AfxGetAppName().GetString()) + "::7::1001";
    ASSERT_TRUE(WriteRegistryText(kEditStates, value.c_str(), "stored"));
    Parent dialog;
    UIModalEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(CreateWindowExA(0, "EDIT", "typed", WS_CHILD, 10, 10, 100, 24, dialog,
                                                    reinterpret_cast<HMENU>(1001), nullptr, nullptr)));
    EXPECT_STREQ("stored", edit.GetWindowText());
    edit.m_bSaveOnDestroy = true;
    edit.SetWindowText("Ввод");
    dialog.DestroyWindow();
    EXPECT_EQ("Ввод", ReadRegistryText(kEditStates, value.c_str()).value_or("(none)"));
}
