// CDirTreeCtrl on real folders, in a panel of a dialog as on the Components
// page, and its right-click road to the real registration tool.
#include "components/dir_tree_ctrl.h"
#include "platform/cdialog.h"
#include "resources/resource.h"
#include "tests/components/component/test_component.h"
#include "tests/support/message_pump.h"
#include "tests/support/pointer.h"
#include "tests/support/popup_watcher.h"
#include "tests/support/registration_tool.h"
#include "tests/support/registry_listing.h"
#include "tests/support/registry_values.h"
#include "tests/support/temp_folder.h"
#include "ui/dialogs/ui_menu_router.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
const Texts kPlaceholder{""};  // a folder not read yet: its expand button's empty child

// The top-level window of the tree, routing menu items as the main dialog does.
struct HostDialog : CDialog {
    HostDialog() : CDialog(IDD_ABOUTBOX) {}
    int m_routed = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const bool menuItem = message == WM_MEASUREITEM || message == WM_DRAWITEM;
        if (menuItem && UIMenuRouter::RouteOwnerDraw(m_hWnd, message, lParam))
            return ++m_routed, TRUE;
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

class DirTreeTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Create(IDD_ABOUTBOX));
        m_dialog.MoveWindow(40, 40, 420, 460);
        m_dialog.ShowWindow(SW_SHOW);
        // The tree sits in a panel, so its owner is two parents up.
        ASSERT_TRUE(m_panel.CreateEx(WS_EX_CONTROLPARENT, nullptr, "", WS_CHILD | WS_VISIBLE, {0, 0, 400, 420},
                                     &m_dialog, 500));
        ASSERT_TRUE(m_tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS,
                                  {0, 0, 400, 420}, &m_panel, IDC_DIRECTORY_TREE));
        m_tree.AddFilter("*.ocx");
        m_tree.AddFilter("*.dll");
        ASSERT_TRUE(m_tree.Populate());
        m_root = m_tree.InsertPathItem(TVI_ROOT, m_folder.Path().c_str());
        ASSERT_NE(nullptr, m_root);
    }

    void TearDown() override { m_dialog.DestroyWindow(); }

    Texts Children(HTREEITEM parent) const
    {
        Texts texts;
        for (HTREEITEM child = parent != nullptr ? m_tree.GetChildItem(parent) : m_tree.GetRootItem();
             child != nullptr; child = m_tree.GetNextSiblingItem(child))
            texts.push_back(m_tree.GetItemText(child).str());
        return texts;
    }

    // The child of `parent` (null: a root item) shown as `text`.
    HTREEITEM Child(HTREEITEM parent, const std::string& text) const
    {
        HTREEITEM child = parent != nullptr ? m_tree.GetChildItem(parent) : m_tree.GetRootItem();
        while (child != nullptr && m_tree.GetItemText(child) != text.c_str())
            child = m_tree.GetNextSiblingItem(child);
        return child;
    }

    // Makes the names (a trailing backslash: a folder), then opens the
    // temporary folder the user's way: its placeholder and the notification.
    void LoadTempFolder(std::initializer_list<std::string> names = {})
    {
        for (const std::string& name : names)
            name.ends_with('\\') ? m_folder.MakeFolder(name) : m_folder.MakeFile(name);
        m_tree.InsertItem("", m_root);
        ASSERT_TRUE(m_tree.Expand(m_root, TVE_EXPAND));
    }

    TempFolder m_folder;
    HostDialog m_dialog;
    CWnd m_panel;
    CDirTreeCtrl m_tree;
    HTREEITEM m_root = nullptr;
};

// Every name shown ("*.*"), among them a copy of the test component.
class RightClickTest : public DirTreeTest {
protected:
    void SetUp() override
    {
        // The tool loads "regme.dll" for the folder regme: the path it was given shows.
        const std::string component = ExecutableFolder() + kTestComponentFileName;
        m_folder.CopyFileTo(component, "grid.ocx");
        m_folder.CopyFileTo(component, "regme.dll");
        DirTreeTest::SetUp();
        m_tree.AddFilter("*.*");
        LoadTempFolder({"regme\\", "lib.dll.d\\", "my.dll.txt", "setup.exe", "ocx.txt"});
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
        // The tree reads the pointer, which stays: the dialog moves to put `point` under it.
        MoveUnderPointer(m_dialog.m_hWnd, m_tree.m_hWnd, point);
        NMHDR notify{m_tree.m_hWnd, IDC_DIRECTORY_TREE, static_cast<UINT>(NM_RCLICK)};
        m_panel.SendMessage(WM_NOTIFY, IDC_DIRECTORY_TREE, reinterpret_cast<LPARAM>(&notify));
        PumpPendingMessages();
    }

    const RegistryKeyKeeper m_componentKey{kTestComponentKey};  // the component's mark goes at the end
};

// CTest runs these in a copy of the prefix without the registration tool.
class RightClickWithoutToolTest : public RightClickTest {};

}  // namespace

// Faults: drives missing, out of order or shown as "C:\"; no shell icons;
// labels the user could edit; a path the shell cannot show inserted, or
// reported otherwise than in a plain box.
TEST_F(DirTreeTest, DrivesAreListedWithShellIconsAndAPathWithoutOneIsRefused)
{
    Texts expected;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if ((GetLogicalDrives() & (1u << (letter - 'A'))) != 0)
            expected.push_back({letter, ':'});
    expected.push_back(m_folder.Path());  // a root item shows its whole path
    EXPECT_EQ(expected, Children(nullptr));
    EXPECT_EQ(0u, m_tree.GetStyle() & TVS_EDITLABELS);
    SHFILEINFOA info{};
    EXPECT_EQ(SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON),
              static_cast<DWORD_PTR>(m_tree.SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL)));
    PopupWatcher watcher;
    EXPECT_EQ(nullptr, m_tree.InsertPathItem(m_root, (m_folder.Path() + "\\missing\\gone.dll").c_str()));
    EXPECT_EQ(Texts{}, Children(m_root));
    ASSERT_EQ(1u, watcher.m_boxes.size());
    EXPECT_EQ("Error Getting SystemFileInfo!", watcher.m_boxes[0].text);
    EXPECT_EQ(nullptr, watcher.m_boxes[0].icon);
}

// Faults: files before folders, an order that heeds case, filtered files listed.
TEST_F(DirTreeTest, FoldersComeBeforeFilesEachInCaseInsensitiveOrder)
{
    LoadTempFolder({"cherry\\", "apple\\", "Banana\\", "Files.dll\\", "zeta.dll", "Alpha.OCX", "notes.txt", "beta.dll",
                    "Old.DLL.bak"});
    EXPECT_EQ((Texts{"apple", "Banana", "cherry", "Files.dll", "Alpha.OCX", "beta.dll", "Old.DLL.bak", "zeta.dll"}),
              Children(m_root));
}

// Faults: "*.*" (and only it) not replacing the others; a name part ignored;
// tests that heed case, or look for the extension without its dot.
TEST(DirTreeFilterTest, StarDotStarReplacesAndBlocksAndTestsAreSubstringsOfTheWholePath)
{
    const struct { std::vector<const char*> filters; const char* path; bool filteredOut; } rows[] = {
        {{}, "C:\\a\\b.txt", false},
        {{"*.ocx", "*.dll"}, "C:\\x\\GRID.Ocx", false},
        {{"*.ocx", "*.dll"}, "C:\\Libs\\Old.DLL.bak", false},
        {{"*.ocx", "*.dll"}, "C:\\Files.dll\\readme.txt", false},
        {{"*.ocx", "*.dll"}, "C:\\a\\b.txt", true},
        {{"*.ocx", "*.dll"}, "C:\\a\\dll.txt", true},
        {{"*.dll", "setup.*"}, "C:\\x\\SETUP.txt", false},
        {{"*.dll", "*.*"}, "C:\\a\\b.txt", false},
        {{"*.*", "*.dll"}, "C:\\a\\b.txt", false},
        {{"*.ocx", "*.*x"}, "C:\\a\\b.txt", true},
    };
    for (const auto& row : rows) {
        CDirTreeCtrl tree;
        for (const char* filter : row.filters)
            tree.AddFilter(filter);
        EXPECT_EQ(row.filteredOut, tree.IsFilteredOut(row.path))
            << row.path << " with " << (row.filters.empty() ? "no filter" : row.filters.back());
    }
}

// Faults: an expand button on a folder holding nothing or only hidden files;
// none on one holding only filtered files; a drawn folder's button changing
// with the disk before it is read; a key opening a drawn folder empty.
TEST_F(DirTreeTest, ExpandButtonsFollowWhatAFolderHolds)
{
    m_folder.MakeFile("hidden_only\\secret.dll", true);
    LoadTempFolder({"text_only\\a.txt", "empty\\", "nested\\inner\\", "emptied\\a.dll", "filled\\", "keys\\k.dll"});
    m_tree.UpdateWindow();  // each folder gets or loses its expand button as it is drawn
    ASSERT_TRUE(DeleteFileA((m_folder.Path() + "\\emptied\\a.dll").c_str()));
    m_folder.MakeFile("filled\\b.dll");
    m_tree.SetFocus();
    m_tree.SelectItem(Child(m_root, "keys"));
    m_tree.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    const struct { const char* folder; Texts shown; Texts read; } rows[] = {
        {"hidden_only", {}, {"secret.dll"}}, {"empty", {}, {}},   {"nested", kPlaceholder, {"inner"}},
        {"text_only", kPlaceholder, {}},     {"emptied", kPlaceholder, {}}, {"filled", {}, {"b.dll"}},
        {"keys", {"k.dll"}, {"k.dll"}}};
    for (const auto& row : rows) {
        const HTREEITEM folder = Child(m_root, row.folder);
        EXPECT_EQ(row.shown, Children(folder)) << row.folder;
        m_tree.RefreshChildren(folder);
        EXPECT_EQ(row.read, Children(folder)) << row.folder;
    }
}

// Faults: a folder reopened showing its placeholder or what it held before;
// opening not selecting the folder.
TEST_F(DirTreeTest, FoldersAreReadWhenOpenedAndDroppedWhenClosed)
{
    LoadTempFolder({"deep\\deeper\\x.dll"});
    const HTREEITEM deep = Child(m_root, "deep");
    ASSERT_TRUE(m_tree.Expand(deep, TVE_EXPAND));
    EXPECT_EQ(Texts{"deeper"}, Children(deep));
    EXPECT_EQ(deep, m_tree.GetSelectedItem());
    const HTREEITEM deeper = Child(deep, "deeper");
    m_tree.Expand(deeper, TVE_EXPAND);
    EXPECT_EQ(m_folder.Path() + "\\deep\\deeper\\x.dll", m_tree.ItemPath(Child(deeper, "x.dll")).str());

    // A user's collapse drops what was read; reopening reads the disk, by key and by program.
    m_tree.SetFocus();
    m_tree.SelectItem(deep);
    m_tree.SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(kPlaceholder, Children(deep));
    m_folder.MakeFile("deep\\new.ocx");
    m_tree.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ((Texts{"deeper", "new.ocx"}), Children(deep));
    m_tree.SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    m_folder.MakeFile("deep\\later.dll");
    ASSERT_TRUE(m_tree.Expand(deep, TVE_EXPAND));
    EXPECT_EQ((Texts{"deeper", "later.dll", "new.ocx"}), Children(deep));
}

// Faults: a menu for a name without ".OCX", ".DLL" or ".EXE" in its text, none for
// an .exe; the item not selected; the tool started with a wrong switch or path.
TEST_F(RightClickTest, RegisterAndUnregisterStartTheToolWithThePathAsItStands)
{
    enum How { kPointer, kEmptySpaceWithItSelected };
    const std::string component = m_folder.Path() + "\\grid.ocx";
    const struct {
        const char* item;  // below the temporary folder; null: none
        How how;
        int choice;        // of the menu: -1 no menu, 0 none, 1 register, 2 unregister
        std::string tail;  // of the tool's command line
    } rows[] = {
        {"ocx.txt", kPointer, -1, ""},
        {nullptr, kEmptySpaceWithItSelected, -1, ""},
        {"my.dll.txt", kPointer, 0, ""},
        {"setup.exe", kPointer, 0, ""},
        {"lib.dll.d", kPointer, 0, ""},
        {"grid.ocx", kPointer, 1, " " + component},
        {"grid.ocx", kPointer, 2, " /u " + component},
        {"regme", kEmptySpaceWithItSelected, 1, " " + m_folder.Path() + "\\regme"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item != nullptr ? row.item : "nothing selected");
        DeleteRegistryKey(kTestComponentKey);
        const HTREEITEM item = row.item != nullptr ? Child(m_root, row.item) : nullptr;
        ASSERT_EQ(row.item != nullptr, item != nullptr);
        if (row.how != kPointer)
            m_tree.SelectItem(item);
        const HTREEITEM before = m_tree.GetSelectedItem();
        const std::vector<DWORD> toolsBefore = RegistrationToolProcesses();
        PopupWatcher watcher(row.choice);
        RightClick(row.how == kPointer ? item : nullptr);
        EXPECT_TRUE(watcher.m_boxes.empty());  // nothing of the program's own on success
        EXPECT_EQ(row.choice >= 0 ? item : before, m_tree.GetSelectedItem());
        ASSERT_EQ(row.choice >= 0 ? 1u : 0u, watcher.m_menus.size());
        if (row.choice < 0)
            continue;
        EXPECT_EQ(2, watcher.m_menus[0].ownerDrawnItems);
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
    char tool[MAX_PATH] = {};
    if (SearchPathA(nullptr, "regsvr32.exe", nullptr, MAX_PATH, tool, nullptr) != 0)
        GTEST_SKIP() << tool << " is there: CTest runs this case as components_tests_without_registration_tool";
    PopupWatcher watcher(1);
    RightClick(Child(m_root, "grid.ocx"));
    ASSERT_EQ(1u, watcher.m_menus.size());
    ASSERT_EQ(1u, watcher.m_boxes.size());
    EXPECT_EQ("Registry operation failed.", watcher.m_boxes[0].text);
    EXPECT_EQ(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_ERROR)), watcher.m_boxes[0].icon);
}
