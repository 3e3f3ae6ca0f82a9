// CDirTreeCtrl on real folders made in a temporary folder and the real tree
// control: drives, order, filters, expand buttons, lazy loading, paths and errors.
#include "components/dir_tree_ctrl.h"
#include "resources/resource.h"
#include "tests/support/host_window.h"
#include "tests/support/popup_watcher.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
const Texts kPlaceholder{""};  // a folder not read yet: its expand button's empty child

class DirTreeTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS,
                                  {0, 0, 320, 480}, &m_host, IDC_DIRECTORY_TREE));
        m_tree.AddFilter("*.ocx");
        m_tree.AddFilter("*.dll");
        ASSERT_TRUE(m_tree.Populate());
        m_drives = Children(nullptr);
        m_root = m_tree.InsertPathItem(TVI_ROOT, m_folder.Path().c_str());
        ASSERT_NE(nullptr, m_root);
    }

    Texts Children(HTREEITEM parent) const
    {
        Texts texts;
        for (HTREEITEM child = parent != nullptr ? m_tree.GetChildItem(parent) : m_tree.GetRootItem();
             child != nullptr; child = m_tree.GetNextSiblingItem(child))
            texts.push_back(m_tree.GetItemText(child).str());
        return texts;
    }

    HTREEITEM Child(HTREEITEM parent, const char* text) const
    {
        HTREEITEM child = m_tree.GetChildItem(parent);
        while (child != nullptr && m_tree.GetItemText(child) != text)
            child = m_tree.GetNextSiblingItem(child);
        return child;
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
    Texts m_drives;
    HTREEITEM m_root = nullptr;
};

int SmallIcon(const std::string& path, UINT extra)
{
    SHFILEINFOA info{};
    SHGetFileInfoA((path + "\\").c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | extra);
    return info.iIcon;
}

}  // namespace

// Faults: drives missing, out of order or shown as "C:\"; no shell icons;
// labels the user could edit; paths rebuilt with a doubled backslash.
TEST_F(DirTreeTest, PopulateListsTheDrivesWithTheSystemImageList)
{
    Texts expected;
    for (int letter = 0; letter < 26; ++letter)
        if ((GetLogicalDrives() & (1u << letter)) != 0)
            expected.push_back(std::string(1, static_cast<char>('A' + letter)) + ":");
    EXPECT_EQ(expected, m_drives);
    EXPECT_EQ(0u, m_tree.GetStyle() & TVS_EDITLABELS);
    SHFILEINFOA info{};
    EXPECT_EQ(SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON),
              static_cast<DWORD_PTR>(m_tree.SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL)));
    // A root item shows its whole path; an item below shows its name.
    EXPECT_EQ(m_folder.Path(), m_tree.ItemPath(m_root).str());
    const HTREEITEM item = m_tree.InsertPathItem(m_root, m_folder.MakeFile("comp.ocx").c_str());
    EXPECT_EQ("comp.ocx", m_tree.GetItemText(item).str());
    EXPECT_EQ(m_folder.Path() + "\\comp.ocx", m_tree.ItemPath(item).str());
}

// Faults: files before folders, an order that heeds case, files the filters
// hide listed; icons other than the shell's, or no open one when selected.
TEST_F(DirTreeTest, FoldersComeBeforeFilesEachInCaseInsensitiveOrder)
{
    for (const char* name : {"cherry", "apple", "Banana", "Files.dll"})
        m_folder.MakeFolder(name);
    for (const char* name : {"zeta.dll", "Alpha.OCX", "notes.txt", "beta.dll", "Old.DLL.bak"})
        m_folder.MakeFile(name);
    LoadTempFolder();
    EXPECT_EQ((Texts{"apple", "Banana", "cherry", "Files.dll", "Alpha.OCX", "beta.dll", "Old.DLL.bak", "zeta.dll"}),
              Children(m_root));
    TVITEMA info{};
    info.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    info.hItem = Child(m_root, "apple");
    ASSERT_TRUE(m_tree.GetItem(&info));
    EXPECT_EQ(SmallIcon(m_folder.Path() + "\\apple", 0), info.iImage);
    EXPECT_EQ(SmallIcon(m_folder.Path() + "\\apple", SHGFI_OPENICON), info.iSelectedImage);
}

// Faults: "*.*" not replacing the filters before it or not blocking those
// after it (only "*.*" itself does); a filter's name part ignored; tests
// that heed case, or look for the extension without its dot.
TEST(DirTreeFilterTest, StarDotStarReplacesAndBlocksAndTestsAreSubstringsOfTheWholePath)
{
    const struct {
        std::vector<const char*> filters;
        const char* path;
        bool filteredOut;
    } rows[] = {
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

// Faults: an expand button on a folder holding only hidden files, or
// nothing; none on one holding only files the filters hide (the probe
// ignores the filters, the listing does not; hidden files are listed).
TEST_F(DirTreeTest, ExpandButtonsFollowWhatAFolderHolds)
{
    m_folder.MakeFile("hidden_only\\secret.dll", true);
    m_folder.MakeFile("text_only\\a.txt");
    m_folder.MakeFolder("empty");
    m_folder.MakeFolder("nested\\inner");
    LoadTempFolder();
    const struct {
        const char* folder;
        Texts shown;
        Texts read;
    } rows[] = {{"hidden_only", {}, {"secret.dll"}}, {"empty", {}, {}}, {"nested", kPlaceholder, {"inner"}},
                {"text_only", kPlaceholder, {}}};
    for (const auto& row : rows) {
        const HTREEITEM folder = Child(m_root, row.folder);
        EXPECT_EQ(row.shown, Children(folder)) << row.folder;
        m_tree.RefreshChildren(folder);
        EXPECT_EQ(row.read, Children(folder)) << row.folder;
    }
}

// Faults: a folder closed and opened again showing its placeholder or what
// it held before; opening not selecting the folder.
TEST_F(DirTreeTest, FoldersAreReadWhenOpenedAndDroppedWhenClosed)
{
    m_folder.MakeFile("deep\\deeper\\x.dll");
    LoadTempFolder();
    const HTREEITEM deep = Child(m_root, "deep");
    ASSERT_EQ(kPlaceholder, Children(deep));
    // Opening goes through the parent's notification, reflected to the tree.
    ASSERT_TRUE(m_tree.Expand(deep, TVE_EXPAND));
    EXPECT_EQ(Texts{"deeper"}, Children(deep));
    EXPECT_EQ(deep, m_tree.GetSelectedItem());
    const HTREEITEM deeper = Child(deep, "deeper");
    EXPECT_EQ(kPlaceholder, Children(deeper));
    m_tree.Expand(deeper, TVE_EXPAND);
    EXPECT_EQ(m_folder.Path() + "\\deep\\deeper\\x.dll", m_tree.ItemPath(Child(deeper, "x.dll")).str());

    // Closing is the user's: the control tells only of a user's collapse
    // once the folder has been open. Reopening reads the disk again, by key
    // and by program alike.
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

// Faults: a drawn folder whose expand button changes with the disk before it
// is read again, or that a key opens empty before anyone read its children.
TEST_F(DirTreeTest, WhatTheFirstDrawShowsIsWhatTheFolderReportsAfterwards)
{
    m_folder.MakeFile("full\\a.dll");
    m_folder.MakeFolder("empty");
    m_folder.MakeFile("keys\\k.dll");
    LoadTempFolder();
    m_tree.UpdateWindow();  // draws the three folders: each gets or loses its expand button now
    ASSERT_TRUE(DeleteFileA((m_folder.Path() + "\\full\\a.dll").c_str()));
    m_folder.MakeFile("empty\\b.dll");
    EXPECT_EQ(kPlaceholder, Children(Child(m_root, "full")));
    EXPECT_EQ(Texts{}, Children(Child(m_root, "empty")));
    const HTREEITEM keys = Child(m_root, "keys");
    m_tree.SetFocus();
    m_tree.SelectItem(keys);
    m_tree.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(Texts{"k.dll"}, Children(keys));
}

// Fault: a path the shell cannot show inserted anyway, or reported in a box
// of another kind.
TEST_F(DirTreeTest, PathWithoutAShellIconShowsAPlainErrorBoxAndInsertsNothing)
{
    const UINT count = m_tree.GetCount();
    PopupWatcher watcher;
    EXPECT_EQ(nullptr, m_tree.InsertPathItem(m_root, (m_folder.Path() + "\\missing\\gone.dll").c_str()));
    EXPECT_EQ(count, m_tree.GetCount());
    ASSERT_EQ(1u, watcher.m_boxes.size());
    EXPECT_EQ("Error Getting SystemFileInfo!", watcher.m_boxes[0].text);
    EXPECT_EQ(nullptr, watcher.m_boxes[0].icon);
}
