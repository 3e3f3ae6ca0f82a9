// Opening a large folder in the directory tree: 5,000 matching files and 300
// sub-folders, opened the user's way (the expanding notification loads it)
// and drawn once, against a bare FindFirstFile/FindNextFile loop over the
// same folder in the same run. Prints both and their ratio; exits non-zero
// when the work did not happen (no window, no entries, no items).
#include "bench/bench_figures.h"
#include "components/dir_tree_ctrl.h"
#include "tests/support/temp_folder.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kFiles = 5000;
constexpr int kFolders = 300;
constexpr int kRuns = 5;

double Milliseconds(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Fills the folder with the benchmark's files and folders; names in no
// particular order and of mixed case, so the sort has work.
void FillFolder(const TempFolder& folder)
{
    for (int i = 0; i < kFiles; ++i) {
        const int scrambled = (i * 7919) % kFiles;
        folder.MakeFile((i % 3 == 0 ? "Comp" : "comp") + std::to_string(scrambled) + (i % 2 == 0 ? ".dll" : ".ocx"));
    }
    for (int i = 0; i < kFolders; ++i)
        folder.MakeFile("Folder" + std::to_string((i * 131) % kFolders) + "\\inner.dll");
}

int BareLoop(const std::string& folder)
{
    int entries = 0;
    WIN32_FIND_DATAA entry{};
    const HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do
        ++entries;
    while (FindNextFileA(search, &entry));
    FindClose(search);
    return entries;
}

int CountChildren(const CDirTreeCtrl& tree, HTREEITEM parent)
{
    int count = 0;
    for (HTREEITEM child = tree.GetChildItem(parent); child != nullptr; child = tree.GetNextSiblingItem(child))
        ++count;
    return count;
}

int Fail(const char* what)
{
    std::fprintf(stderr, "dir_tree_bench: FAILED: %s\n", what);
    return 1;
}

}  // namespace

int main()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    InitCommonControlsEx(&controls);

    CWnd host;
    CDirTreeCtrl tree;
    if (!host.CreateEx(0, nullptr, "bench", WS_POPUP | WS_VISIBLE, {0, 0, 400, 600}, nullptr, 0) ||
        !tree.Create(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | WS_VISIBLE, {0, 0, 400, 600}, &host, 1007))
        return Fail("no window could be created (no display?)");
    tree.AddFilter("*.ocx");
    tree.AddFilter("*.dll");
    if (!tree.Populate())
        return Fail("Populate failed");
    const TempFolder temp;
    const std::string& folder = temp.Path();
    FillFolder(temp);
    const HTREEITEM root = tree.InsertPathItem(TVI_ROOT, folder.c_str());
    if (root == nullptr)
        return Fail("the folder could not be inserted");

    std::vector<double> bare;
    std::vector<double> loaded;
    std::vector<double> opened;
    int entries = 0;
    bool allListed = true;  // every run put every entry under the folder, both ways
    for (int run = 0; run < kRuns; ++run) {
        auto start = std::chrono::steady_clock::now();
        entries = BareLoop(folder);
        bare.push_back(Milliseconds(std::chrono::steady_clock::now() - start));

        // LoadFolder as the expanding notification runs it: under the folder
        // while it is still closed.
        tree.Expand(root, TVE_COLLAPSE | TVE_COLLAPSERESET);
        start = std::chrono::steady_clock::now();
        tree.LoadFolder(root, folder.c_str());
        loaded.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
        allListed = allListed && CountChildren(tree, root) == kFiles + kFolders;

        // The user's whole open, from a closed and unread folder: the
        // notification, LoadFolder, the control's layout of the new items and
        // the first draw, which probes the folders it shows.
        tree.Expand(root, TVE_COLLAPSE | TVE_COLLAPSERESET);
        tree.InsertItem("", root);
        tree.UpdateWindow();
        start = std::chrono::steady_clock::now();
        tree.Expand(root, TVE_EXPAND);
        tree.UpdateWindow();
        opened.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
        allListed = allListed && CountChildren(tree, root) == kFiles + kFolders;
    }
    host.DestroyWindow();

    const double bareMs = Median(bare);
    auto print = [bareMs](const char* what, double ms) {
        std::printf("  %-38s %8.2f ms  ratio %5.2f\n", what, ms, bareMs > 0 ? ms / bareMs : 0.0);
    };
    std::printf("dir_tree_bench: folder of %d files and %d sub-folders (%d entries), median of %d runs\n", kFiles,
                kFolders, entries, kRuns);
    std::printf("  %-38s %8.2f ms  (floor)\n", "bare FindFirstFile/FindNextFile loop", bareMs);
    print("CDirTreeCtrl::LoadFolder", Median(loaded));
    print("first LoadFolder (icons asked by type)", loaded.front());
    print("opened by the user and drawn", Median(opened));
    if (entries != kFiles + kFolders + 2)
        return Fail("the bare loop did not find the folder's entries");
    if (!allListed)
        return Fail("the folder's entries are not all in the tree");
    return 0;
}
