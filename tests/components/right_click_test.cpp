// The right-click road: the name test, the owner-drawn menu tracked for the
// top-level window, and the registration tool started for real on a test
// component, whose registration leaves a mark in the registry.
//
// The tree reads the mouse pointer's position; the tests leave the pointer
// where it is and move the window so that the point they mean lies under it.
#include "components/dir_tree_ctrl.h"
#include "platform/cdialog.h"
#include "resources/resource.h"
#include "tests/components/component/test_component.h"
#include "tests/support/message_pump.h"
#include "tests/support/pointer.h"
#include "tests/support/popup_watcher.h"
#include "tests/support/registration_tool.h"
#include "tests/support/registry_values.h"
#include "tests/support/temp_folder.h"
#include "ui/dialogs/ui_menu_router.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The top-level window of the tree, routing menu items as the main dialog does.
class HostDialog : public CDialog {
public:
    HostDialog() : CDialog(IDD_ABOUTBOX) {}
    int m_routed = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if ((message == WM_MEASUREITEM || message == WM_DRAWITEM) && UIMenuRouter::RouteOwnerDraw(m_hWnd, message, lParam))
            return ++m_routed, TRUE;
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

class RightClickTest : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteRegistryKey(kTestComponentKey);
        // The tool loads "<folder>.dll" for a path without extension, so the
        // component beside the folder regme shows which path the tool was given.
        const std::string component = ExecutableFolder() + kTestComponentFileName;
        m_folder.CopyFileTo(component, "comp\\grid.ocx");
        m_folder.CopyFileTo(component, "regme.dll");
        for (const char* name : {"regme", "lib.dll.d", "plain"})
            m_folder.MakeFolder(name);
        for (const char* name : {"my.dll.txt", "setup.exe", "readme.txt", "ocx.txt"})
            m_folder.MakeFile(name);
        ASSERT_TRUE(m_dialog.Create(IDD_ABOUTBOX));
        m_dialog.MoveWindow(40, 40, 420, 460);
        m_dialog.ShowWindow(SW_SHOW);
        // The tree sits in a panel, so its owner is two parents up.
        ASSERT_TRUE(m_panel.CreateEx(WS_EX_CONTROLPARENT, nullptr, "", WS_CHILD | WS_VISIBLE, {0, 0, 400, 420},
                                     &m_dialog, 500));
        ASSERT_TRUE(m_tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                                  {0, 0, 400, 420}, &m_panel, IDC_DIRECTORY_TREE));
        m_tree.AddFilter("*.*");
        ASSERT_TRUE(m_tree.Populate());
        m_tree.DeleteAllItems();
        // Only the drive of the temporary folder and the folder itself, so
        // that neither the machine's drives nor their order matter.
        m_drive = m_tree.InsertPathItem(TVI_ROOT, m_folder.Path().substr(0, 3).c_str());
        m_root = m_tree.InsertPathItem(TVI_ROOT, m_folder.Path().c_str());
        ASSERT_NE(nullptr, m_root);
        m_tree.InsertItem("", m_root);
        ASSERT_TRUE(m_tree.Expand(m_root, TVE_EXPAND));
    }

    void TearDown() override
    {
        m_dialog.DestroyWindow();
        DeleteRegistryKey(kTestComponentKey);
    }

    // The item of a path below the temporary folder, opening folders on the way.
    HTREEITEM Item(std::string relative)
    {
        HTREEITEM item = m_root;
        for (size_t end = 0; item != nullptr && !relative.empty(); relative.erase(0, end + 1)) {
            end = std::min(relative.find('\\'), relative.size());
            m_tree.Expand(item, TVE_EXPAND);
            HTREEITEM child = m_tree.GetChildItem(item);
            while (child != nullptr && m_tree.GetItemText(child) != relative.substr(0, end).c_str())
                child = m_tree.GetNextSiblingItem(child);
            item = child;
        }
        return item;
    }

    // The tree reads the pointer: the dialog moves so that `point` lies under it.
    void PutUnderPointer(POINT point)
    {
        MoveUnderPointer(m_dialog.m_hWnd, m_tree.m_hWnd, point);
        POINT pointer{};
        ASSERT_TRUE(GetCursorPos(&pointer));
        m_tree.ScreenToClient(&pointer);
        ASSERT_EQ(point.x, pointer.x);
        ASSERT_EQ(point.y, pointer.y);
    }

    // Points at an item (null: empty space) and right-clicks: what the tree's parent receives.
    void RightClick(HTREEITEM item)
    {
        RECT rect{};
        m_tree.GetClientRect(&rect);
        POINT point{rect.right / 2, rect.bottom - 6};
        std::memcpy(&rect, &item, sizeof item);  // the message takes the item in the rectangle
        if (item != nullptr && m_tree.SendMessage(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect)))
            point = {rect.left + 4, (rect.top + rect.bottom) / 2};
        ASSERT_EQ(item, m_tree.HitTest(point));
        PutUnderPointer(point);
        NMHDR notify{m_tree.m_hWnd, IDC_DIRECTORY_TREE, static_cast<UINT>(NM_RCLICK)};
        m_panel.SendMessage(WM_NOTIFY, IDC_DIRECTORY_TREE, reinterpret_cast<LPARAM>(&notify));
        PumpPendingMessages();
    }

    TempFolder m_folder;
    HostDialog m_dialog;
    CWnd m_panel;
    CDirTreeCtrl m_tree;
    HTREEITEM m_drive = nullptr;
    HTREEITEM m_root = nullptr;
};

// The start of the registration tool fails for real only on a system
// without it: CTest runs these cases in a copy of the test prefix from which
// the tool is removed (tests/components/without_registration_tool).
class RightClickWithoutToolTest : public RightClickTest {};

}  // namespace

// Faults: a menu for a name without ".OCX", ".DLL" or ".EXE" in it (the test
// is on the text, so a folder named like a component passes too), none for
// an .exe; the item not selected first; the tool started with the wrong
// switch, silently, or with a path other than the one it always got.
TEST_F(RightClickTest, RegisterAndUnregisterStartTheToolWithThePathAsItStands)
{
    enum How { kPointer, kKeyboard, kEmptySpaceWithItSelected };
    const std::string component = m_folder.Path() + "\\comp\\grid.ocx";
    const struct {
        const char* item;  // below the temporary folder, or the drive; null: none
        How how;
        bool menu;
        int choice;      // of the menu: 0 none, 1 register, 2 unregister
        std::string tail;  // of the tool's command line
    } rows[] = {
        {"readme.txt", kPointer, false, 0, ""},
        {"ocx.txt", kPointer, false, 0, ""},
        {"plain", kPointer, false, 0, ""},
        {"<drive>", kPointer, false, 0, ""},
        {nullptr, kEmptySpaceWithItSelected, false, 0, ""},
        {"my.dll.txt", kPointer, true, 0, ""},
        {"setup.exe", kPointer, true, 0, ""},
        {"lib.dll.d", kPointer, true, 0, ""},
        {"comp\\grid.ocx", kPointer, true, 1, " " + component},
        // Shift+F10 or the menu key: the system's context-menu request without a point.
        {"comp\\grid.ocx", kKeyboard, true, 2, " /u " + component},
        {"regme", kEmptySpaceWithItSelected, true, 1, " " + m_folder.Path() + "\\regme"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item != nullptr ? row.item : "nothing selected");
        DeleteRegistryKey(kTestComponentKey);
        const HTREEITEM item = row.item == nullptr ? nullptr : row.item[0] == '<' ? m_drive : Item(row.item);
        ASSERT_EQ(row.item != nullptr, item != nullptr);
        if (row.how != kPointer)
            m_tree.SelectItem(item);
        const HTREEITEM before = m_tree.GetSelectedItem();
        const std::vector<DWORD> toolsBefore = RegistrationToolProcesses();
        PopupWatcher watcher(row.choice);
        if (row.how == kKeyboard) {
            m_tree.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_tree.m_hWnd), MAKELPARAM(-1, -1));
            PumpPendingMessages();
        } else {
            RightClick(row.how == kPointer ? item : nullptr);
        }
        EXPECT_EQ(row.menu ? item : before, m_tree.GetSelectedItem());
        ASSERT_EQ(row.menu ? 1u : 0u, watcher.m_menus.size());
        EXPECT_TRUE(watcher.m_boxes.empty());  // nothing of the program's own on success
        EXPECT_EQ(row.menu ? 2 : 0, row.menu ? watcher.m_menus[0].ownerDrawnItems : 0);
        if (row.choice == 0)
            continue;
        const DWORD registered = row.choice == 1 ? 1 : 0;
        ASSERT_TRUE(WaitForRegistrationMark(registered, toolsBefore));
        const std::string commandLine = RegistrationMark(registered);
        EXPECT_NE(std::string::npos, commandLine.find("egsvr32")) << commandLine;
        EXPECT_TRUE(commandLine.ends_with(row.tail)) << commandLine;
        EXPECT_EQ(registered == 0, commandLine.find("/u") != std::string::npos) << commandLine;
        EXPECT_EQ(std::string::npos, commandLine.find("/s")) << commandLine;  // the tool reports for itself
    }
    EXPECT_GT(m_dialog.m_routed, 0);  // the menu's owner is the top-level window
    EXPECT_FALSE(UIMenuRouter::IsTrackingPopup(m_dialog.m_hWnd));
}

TEST_F(RightClickWithoutToolTest, ToolThatCannotBeStartedIsReportedWithTheErrorIcon)
{
    char system[MAX_PATH] = {};
    ASSERT_NE(0u, GetSystemDirectoryA(system, MAX_PATH));
    if (GetFileAttributesA((std::string(system) + "\\regsvr32.exe").c_str()) != INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "the registration tool is there: CTest runs this case as "
                        "components_tests_without_registration_tool";
    PopupWatcher watcher(1);
    RightClick(Item("comp\\grid.ocx"));
    ASSERT_EQ(1u, watcher.m_menus.size());
    ASSERT_EQ(1u, watcher.m_boxes.size());
    EXPECT_EQ("Registry operation failed.", watcher.m_boxes[0].text);
    EXPECT_EQ(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_ERROR)), watcher.m_boxes[0].icon);
}
