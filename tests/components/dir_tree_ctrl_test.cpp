// CDirTreeCtrl on real folders made in a temporary folder and the real tree
// control: order, filters, expand buttons, lazy loading, paths and errors.
#include "components/dir_tree_ctrl.h"
#include "resources/resource.h"
#include "tests/support/host_window.h"
#include "tests/support/popup_watcher.h"
#include "tests/support/temp_folder.h"
#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

class DirTreeTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS,
                                  {0, 0, 320, 480}, &m_host, IDC_DIRECTORY_TREE));
        m_tree.AddFilter("*.ocx");
        m_tree.AddFilter("*.dll");
        ASSERT_TRUE(m_tree.Populate());
        m_drives = RootTexts();
        m_root = m_tree.InsertPathItem(TVI_ROOT, m_folder.Path().c_str());
        ASSERT_NE(nullptr, m_root);
    }

    void TearDown() override { m_host.DestroyWindow(); }

    std::vector<std::string> RootTexts() const { return Children(nullptr); }

    std::vector<std::string> Children(HTREEITEM parent) const
    {
        std::vector<std::string> texts;
        for (HTREEITEM child = parent != nullptr ? m_tree.GetChildItem(parent) : m_tree.GetRootItem();
             child != nullptr; child = m_tree.GetNextSiblingItem(child))
            texts.push_back(m_tree.GetItemText(child).str());
        return texts;
    }

    HTREEITEM Child(HTREEITEM parent, const char* text) const
    {
        for (HTREEITEM child = m_tree.GetChildItem(parent); child != nullptr; child = m_tree.GetNextSiblingItem(child))
            if (m_tree.GetItemText(child) == text)
                return child;
        return nullptr;
    }

    // A folder not read yet: exactly one child, the empty placeholder with image 0.
    bool HasOnlyPlaceholder(HTREEITEM item) const
    {
        const HTREEITEM child = m_tree.GetChildItem(item);
        if (child == nullptr || m_tree.GetNextSiblingItem(child) != nullptr)
            return false;
        TVITEMA info{};
        info.mask = TVIF_TEXT | TVIF_IMAGE;
        char text[8] = "x";
        info.hItem = child;
        info.pszText = text;
        info.cchTextMax = sizeof text;
        return m_tree.GetItem(&info) && text[0] == '\0' && info.iImage == 0;
    }

    // Opens the temporary folder the user's way: through its placeholder and
    // the expanding notification. (Its parent must be open: opening selects
    // the folder, and selecting an item inside a closed one opens that one.)
    void LoadTempFolder()
    {
        m_tree.InsertItem("", m_root);
        ASSERT_TRUE(m_tree.Expand(m_root, TVE_EXPAND));
    }

    TempFolder m_folder;
    HostWindow m_host{{0, 0, 320, 480}, WS_POPUP | WS_VISIBLE};
    CDirTreeCtrl m_tree;
    std::vector<std::string> m_drives;
    HTREEITEM m_root = nullptr;
};

int SmallIcon(const std::string& path, UINT extra)
{
    SHFILEINFOA info{};
    SHGetFileInfoA((path + "\\").c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | extra);
    return info.iIcon;
}

}  // namespace

TEST_F(DirTreeTest, PopulateListsTheDrivesWithTheSystemImageList)
{
    // The system's drive letters, in alphabetical order, each shown as X:.
    std::vector<std::string> expected;
    const DWORD letters = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter)
        if ((letters & (1u << letter)) != 0)
            expected.push_back(std::string(1, static_cast<char>('A' + letter)) + ":");
    EXPECT_EQ(expected, m_drives);
    EXPECT_EQ(0u, m_tree.GetStyle() & TVS_EDITLABELS);

    SHFILEINFOA info{};
    const auto system = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    EXPECT_EQ(system, reinterpret_cast<HIMAGELIST>(m_tree.SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL)));

    // The drive of the temporary folder holds at least that folder's parent.
    const std::string driveText = m_folder.Path().substr(0, 2);
    HTREEITEM drive = m_tree.GetRootItem();
    while (drive != nullptr && m_tree.GetItemText(drive).CompareNoCase(driveText.c_str()) != 0)
        drive = m_tree.GetNextSiblingItem(drive);
    ASSERT_NE(nullptr, drive);
    EXPECT_EQ(m_tree.GetItemText(drive).str(), m_tree.ItemPath(drive).str());
    EXPECT_TRUE(HasOnlyPlaceholder(drive));
}

TEST_F(DirTreeTest, FoldersComeBeforeFilesEachInCaseInsensitiveOrder)
{
    for (const char* name : {"cherry", "apple", "Banana", "Files.dll"})
        m_folder.MakeFolder(name);
    for (const char* name : {"zeta.dll", "Alpha.OCX", "notes.txt", "beta.dll", "Old.DLL.bak", "Files.dll\\readme.txt"})
        m_folder.MakeFile(name);
    LoadTempFolder();

    // notes.txt matches no filter; Old.DLL.bak holds ".DLL" in its path.
    EXPECT_EQ((std::vector<std::string>{"apple", "Banana", "cherry", "Files.dll", "Alpha.OCX", "beta.dll",
                                        "Old.DLL.bak", "zeta.dll"}),
              Children(m_root));

    // A folder name counts too: everything under Files.dll passes.
    const HTREEITEM files = Child(m_root, "Files.dll");
    m_tree.RefreshChildren(files);
    EXPECT_EQ(std::vector<std::string>{"readme.txt"}, Children(files));

    // The images are the shell's, the open one when selected.
    const HTREEITEM apple = Child(m_root, "apple");
    TVITEMA info{};
    info.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    info.hItem = apple;
    ASSERT_TRUE(m_tree.GetItem(&info));
    EXPECT_EQ(SmallIcon(m_folder.Path() + "\\apple", 0), info.iImage);
    EXPECT_EQ(SmallIcon(m_folder.Path() + "\\apple", SHGFI_OPENICON), info.iSelectedImage);
}

TEST(DirTreeFilterTest, StarDotStarReplacesAndBlocksAndTestsAreSubstringsOfTheWholePath)
{
    CDirTreeCtrl tree;
    EXPECT_FALSE(tree.IsFilteredOut("C:\\a\\b.txt"));  // no filter: every file

    tree.AddFilter("*.ocx");
    tree.AddFilter("*.dll");
    EXPECT_FALSE(tree.IsFilteredOut("C:\\x\\GRID.Ocx"));
    EXPECT_FALSE(tree.IsFilteredOut("C:\\Libs\\Old.DLL.bak"));
    EXPECT_FALSE(tree.IsFilteredOut("C:\\Files.dll\\readme.txt"));
    EXPECT_TRUE(tree.IsFilteredOut("C:\\a\\b.txt"));
    EXPECT_TRUE(tree.IsFilteredOut("C:\\a\\dll.txt"));  // ".DLL" is needed, not "DLL"

    tree.AddFilter("setup.*");  // the part before ".*" is a test of its own
    EXPECT_FALSE(tree.IsFilteredOut("C:\\x\\SETUP.txt"));

    tree.AddFilter("*.*");
    ASSERT_EQ(1, tree.GetFilters().GetSize());
    EXPECT_EQ("*.*", tree.GetFilters()[0].str());
    EXPECT_FALSE(tree.IsFilteredOut("C:\\a\\b.txt"));
    tree.AddFilter("*.dll");
    EXPECT_EQ(1, tree.GetFilters().GetSize());

    CDirTreeCtrl exact;
    exact.AddFilter("*.ocx");
    exact.AddFilter("*.*x");  // only "*.*" itself replaces
    EXPECT_EQ(2, exact.GetFilters().GetSize());
}

TEST_F(DirTreeTest, ExpandButtonsFollowWhatAFolderHolds)
{
    m_folder.MakeFile("hidden_only\\secret.dll", true);
    m_folder.MakeFile("text_only\\a.txt");
    m_folder.MakeFolder("empty");
    m_folder.MakeFolder("nested\\inner");
    LoadTempFolder();

    const HTREEITEM hiddenOnly = Child(m_root, "hidden_only");
    const HTREEITEM textOnly = Child(m_root, "text_only");
    EXPECT_EQ(nullptr, m_tree.GetChildItem(hiddenOnly));
    EXPECT_EQ(nullptr, m_tree.GetChildItem(Child(m_root, "empty")));
    EXPECT_TRUE(HasOnlyPlaceholder(Child(m_root, "nested")));
    EXPECT_TRUE(HasOnlyPlaceholder(textOnly));  // the probe ignores the filters...

    m_tree.Expand(textOnly, TVE_EXPAND);
    EXPECT_EQ(nullptr, m_tree.GetChildItem(textOnly));  // ...the listing does not

    m_tree.RefreshChildren(hiddenOnly);  // a hidden file is listed once its folder is read
    EXPECT_EQ(std::vector<std::string>{"secret.dll"}, Children(hiddenOnly));
}

TEST_F(DirTreeTest, FoldersAreReadWhenOpenedAndDroppedWhenClosed)
{
    m_folder.MakeFile("deep\\deeper\\x.dll");
    LoadTempFolder();
    const HTREEITEM deep = Child(m_root, "deep");
    ASSERT_TRUE(HasOnlyPlaceholder(deep));

    // Opening goes through the parent's notification, reflected to the tree.
    ASSERT_TRUE(m_tree.Expand(deep, TVE_EXPAND));
    EXPECT_EQ(std::vector<std::string>{"deeper"}, Children(deep));
    EXPECT_EQ(deep, m_tree.GetSelectedItem());
    const HTREEITEM deeper = Child(deep, "deeper");
    EXPECT_TRUE(HasOnlyPlaceholder(deeper));
    m_tree.Expand(deeper, TVE_EXPAND);
    EXPECT_EQ(m_folder.Path() + "\\deep\\deeper\\x.dll", m_tree.ItemPath(Child(deeper, "x.dll")).str());

    // Closing is the user's: the control tells only of a user's collapse
    // once the folder has been open.
    m_tree.SetFocus();
    m_tree.SelectItem(deep);
    m_tree.SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_TRUE(HasOnlyPlaceholder(deep));

    // Reopening reads the disk again, by key and by program alike.
    m_folder.MakeFile("deep\\new.ocx");
    m_tree.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ((std::vector<std::string>{"deeper", "new.ocx"}), Children(deep));
    m_tree.SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    m_folder.MakeFile("deep\\later.dll");
    ASSERT_TRUE(m_tree.Expand(deep, TVE_EXPAND));
    EXPECT_EQ((std::vector<std::string>{"deeper", "later.dll", "new.ocx"}), Children(deep));
}

TEST_F(DirTreeTest, WhatTheFirstDrawShowsIsWhatTheFolderReportsAfterwards)
{
    m_folder.MakeFile("full\\a.dll");
    m_folder.MakeFolder("empty");
    m_folder.MakeFile("keys\\k.dll");
    LoadTempFolder();
    m_tree.UpdateWindow();  // draws the three folders: each gets or loses its expand button now

    // Later changes on disk show only when a folder is read again.
    ASSERT_TRUE(DeleteFileA((m_folder.Path() + "\\full\\a.dll").c_str()));
    m_folder.MakeFile("empty\\b.dll");
    EXPECT_TRUE(HasOnlyPlaceholder(Child(m_root, "full")));
    EXPECT_EQ(nullptr, m_tree.GetChildItem(Child(m_root, "empty")));

    // A drawn folder opened by key before anyone read its children.
    const HTREEITEM keys = Child(m_root, "keys");
    m_tree.SetFocus();
    m_tree.SelectItem(keys);
    m_tree.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(std::vector<std::string>{"k.dll"}, Children(keys));
}

TEST_F(DirTreeTest, PathsAreRebuiltFromTheItemTexts)
{
    EXPECT_EQ("", m_tree.ItemPath(nullptr).str());
    EXPECT_EQ(m_folder.Path(), m_tree.ItemPath(m_root).str());  // a root item shows its whole path
    const HTREEITEM item = m_tree.InsertPathItem(m_root, m_folder.MakeFile("comp.ocx").c_str());
    EXPECT_EQ("comp.ocx", m_tree.GetItemText(item).str());
    EXPECT_EQ(m_folder.Path() + "\\comp.ocx", m_tree.ItemPath(item).str());
}

TEST_F(DirTreeTest, PathWithoutAShellIconShowsAPlainErrorBoxAndInsertsNothing)
{
    m_folder.MakeFile("present.dll");
    LoadTempFolder();
    const UINT count = m_tree.GetCount();
    PopupWatcher watcher;
    EXPECT_EQ(nullptr, m_tree.InsertPathItem(m_root, (m_folder.Path() + "\\missing\\gone.dll").c_str()));
    EXPECT_EQ(count, m_tree.GetCount());
    EXPECT_EQ("Error Getting SystemFileInfo!", m_tree.GetErrorText().str());
    ASSERT_EQ(1u, watcher.m_boxes.size());
    EXPECT_EQ("Error Getting SystemFileInfo!", watcher.m_boxes[0].text);
    EXPECT_EQ(nullptr, watcher.m_boxes[0].icon);
}
