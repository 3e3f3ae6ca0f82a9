// The right-click road: the name test, the owner-drawn menu 134 tracked for
// the top-level window, and the registration tool started for real on a
// test component, whose registration leaves a mark in the registry.
//
// The tree reads the mouse pointer's position; the tests leave the pointer
// where it is and move the window so that the point they mean lies under it.
#include "components/dir_tree_ctrl.h"
#include "platform/cdialog.h"
#include "resources/resource.h"
#include "tests/components/component/test_component.h"
#include "tests/support/temp_folder.h"
#include "tests/support/message_pump.h"
#include "tests/support/pointer.h"
#include "tests/support/popup_watcher.h"
#include "tests/support/registration_tool.h"
#include "tests/support/registry_values.h"
#include "tests/support/test_paths.h"
#include "ui/dialogs/ui_menu_router.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The top-level window of the tree, routing menu items as the main dialog does.
class HostDialog : public CDialog {
public:
    HostDialog() : CDialog(IDD_ABOUTBOX) {}
    int m_routedMeasures = 0;
    int m_routedDraws = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if ((message == WM_MEASUREITEM || message == WM_DRAWITEM) &&
            UIMenuRouter::RouteOwnerDraw(m_hWnd, message, lParam)) {
            ++(message == WM_MEASUREITEM ? m_routedMeasures : m_routedDraws);
            return TRUE;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

class RightClickTest : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteRegistryKey(kTestComponentKey);
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
        // Only the drive of the temporary folder and the folder itself, so
        // that neither the machine's drives nor their order matter.
        m_tree.DeleteAllItems();
        m_drive = m_tree.InsertPathItem(TVI_ROOT, m_folder.Path().substr(0, 3).c_str());
        ASSERT_NE(nullptr, m_drive);
        m_root = m_tree.InsertPathItem(TVI_ROOT, m_folder.Path().c_str());
        ASSERT_NE(nullptr, m_root);
    }

    void TearDown() override
    {
        m_dialog.DestroyWindow();
        DeleteRegistryKey(kTestComponentKey);
    }

    void OpenTempFolder()
    {
        m_tree.InsertItem("", m_root);
        ASSERT_TRUE(m_tree.Expand(m_root, TVE_EXPAND));
    }

    HTREEITEM Child(const char* text) const
    {
        for (HTREEITEM child = m_tree.GetChildItem(m_root); child != nullptr; child = m_tree.GetNextSiblingItem(child))
            if (m_tree.GetItemText(child) == text)
                return child;
        return nullptr;
    }

    void PointAt(HTREEITEM item)
    {
        RECT rect{};
        std::memcpy(&rect, &item, sizeof item);  // the message takes the item in the rectangle
        ASSERT_TRUE(m_tree.SendMessage(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect)));
        PutUnderPointer({rect.left + 4, (rect.top + rect.bottom) / 2});
    }

    void PointAtEmptySpace()
    {
        RECT client{};
        m_tree.GetClientRect(&client);
        const POINT point{client.right / 2, client.bottom - 6};
        ASSERT_EQ(nullptr, m_tree.HitTest(point));
        PutUnderPointer(point);
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

    // What the tree's parent receives on a right-click.
    void RightClick()
    {
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

const std::string kComponentSource = ExecutableFolder() + kTestComponentFileName;

}  // namespace

TEST_F(RightClickTest, OnlyNamesHoldingOcxDllOrExeGetTheMenu)
{
    for (const char* name : {"grid.ocx", "my.dll.txt", "setup.exe", "readme.txt", "ocx.txt"})
        m_folder.MakeFile(name);
    m_folder.MakeFolder("lib.dll.d");
    m_folder.MakeFolder("plain");
    OpenTempFolder();

    PopupWatcher watcher(0);
    for (const char* name : {"readme.txt", "ocx.txt", "plain"}) {
        const HTREEITEM before = m_tree.GetSelectedItem();
        PointAt(Child(name));
        RightClick();
        EXPECT_EQ(before, m_tree.GetSelectedItem()) << name;
    }
    PointAt(m_drive);
    RightClick();
    m_tree.SelectItem(nullptr);  // empty space with nothing selected
    PointAtEmptySpace();
    RightClick();
    EXPECT_TRUE(watcher.m_menus.empty());
    EXPECT_TRUE(watcher.m_boxes.empty());

    // The test is on the text, so a folder named like a component passes too.
    // The item is selected first; the owner-drawn menu is the top-level
    // window's, not the panel's.
    for (const char* name : {"grid.ocx", "my.dll.txt", "setup.exe", "lib.dll.d"}) {
        PointAt(Child(name));
        RightClick();
        EXPECT_EQ(Child(name), m_tree.GetSelectedItem()) << name;
    }
    ASSERT_EQ(4u, watcher.m_menus.size());
    EXPECT_EQ(2, watcher.m_menus[0].itemCount);
    EXPECT_EQ(2, watcher.m_menus[0].ownerDrawnItems);
    EXPECT_GT(m_dialog.m_routedMeasures, 0);
    EXPECT_GT(m_dialog.m_routedDraws, 0);
    EXPECT_TRUE(watcher.m_boxes.empty());
    EXPECT_FALSE(UIMenuRouter::IsTrackingPopup(m_dialog.m_hWnd));
}

TEST_F(RightClickTest, RegisterAndUnregisterStartTheToolWithThePathAsItStands)
{
    const std::string component = m_folder.CopyFileTo(kComponentSource, "comp\\grid.ocx");
    // The tool loads "<folder>.dll" for a path without extension, so the
    // component beside the folder shows which path the tool was given.
    m_folder.MakeFolder("regme");
    m_folder.CopyFileTo(kComponentSource, "regme.dll");
    OpenTempFolder();
    const HTREEITEM folder = Child("comp");
    ASSERT_TRUE(m_tree.Expand(folder, TVE_EXPAND));
    const HTREEITEM grid = m_tree.GetChildItem(folder);
    ASSERT_EQ(component, m_tree.ItemPath(grid).str());
    enum How { kPointAtTheFile, kKeyboard, kEmptySpaceWithTheFolderSelected };
    const struct {
        const char* name;
        How how;
        int item;  // of the menu: 1 register, 2 unregister
        DWORD registered;
        std::string tail;  // of the tool's command line
    } rows[] = {
        {"the file, register", kPointAtTheFile, 1, 1, " " + component},
        // Shift+F10 or the menu key: the system's context-menu request without a point.
        {"the selected file from the keyboard, unregister", kKeyboard, 2, 0, " /u " + component},
        {"empty space with a folder selected, register", kEmptySpaceWithTheFolderSelected, 1, 1,
         " " + m_folder.Path() + "\\regme"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        DeleteRegistryKey(kTestComponentKey);
        const std::vector<DWORD> toolsBefore = RegistrationToolProcesses();
        {
            PopupWatcher watcher(row.item);
            if (row.how == kKeyboard) {
                m_tree.SelectItem(grid);
                m_tree.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_tree.m_hWnd), MAKELPARAM(-1, -1));
                PumpPendingMessages();
            } else {
                if (row.how == kPointAtTheFile) {
                    PointAt(grid);
                } else {
                    m_tree.SelectItem(Child("regme"));
                    PointAtEmptySpace();
                }
                RightClick();
            }
            ASSERT_EQ(1u, watcher.m_menus.size());
            EXPECT_TRUE(watcher.m_boxes.empty());  // nothing of the program's own on success
        }
        ASSERT_TRUE(WaitForRegistrationMark(row.registered, toolsBefore));
        const std::string commandLine = RegistrationMark(row.registered);
        EXPECT_NE(std::string::npos, commandLine.find("egsvr32")) << commandLine;
        ASSERT_GE(commandLine.size(), row.tail.size()) << commandLine;
        EXPECT_EQ(row.tail, commandLine.substr(commandLine.size() - row.tail.size())) << commandLine;
        EXPECT_EQ(row.registered == 0, commandLine.find("/u") != std::string::npos) << commandLine;
        EXPECT_EQ(std::string::npos, commandLine.find("/s")) << commandLine;  // the tool reports for itself
    }
}

TEST_F(RightClickWithoutToolTest, ToolThatCannotBeStartedIsReportedWithTheErrorIcon)
{
    char system[MAX_PATH] = {};
    ASSERT_NE(0u, GetSystemDirectoryA(system, MAX_PATH));
    if (GetFileAttributesA((std::string(system) + "\\regsvr32.exe").c_str()) != INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "the registration tool is there: CTest runs this case as "
                        "components_tests_without_registration_tool";
    m_folder.MakeFile("grid.ocx");
    OpenTempFolder();
    PopupWatcher watcher(1);  // 32771
    PointAt(Child("grid.ocx"));
    RightClick();

    ASSERT_EQ(1u, watcher.m_menus.size());
    ASSERT_EQ(1u, watcher.m_boxes.size());
    EXPECT_EQ("Registry operation failed.", watcher.m_boxes[0].text);
    EXPECT_EQ(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_ERROR)), watcher.m_boxes[0].icon);
}
