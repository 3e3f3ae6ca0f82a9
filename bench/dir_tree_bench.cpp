// Opening a large folder in the directory tree: 5,000 matching files and 300
// sub-folders (each probed for an expand button), against a bare
// FindFirstFile/FindNextFile loop over the same folder in the same run.
// Prints figures; it neither passes nor fails.
#include "components/dir_tree_ctrl.h"

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

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string MakeFolder()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "kac-dir-tree-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    // Names in no particular order and of mixed case, so the sort has work.
    for (int i = 0; i < kFiles; ++i) {
        const int scrambled = (i * 7919) % kFiles;
        const std::string name = folder + "\\" + (i % 3 == 0 ? "Comp" : "comp") + std::to_string(scrambled) +
                                 (i % 2 == 0 ? ".dll" : ".ocx");
        const HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(file);
    }
    for (int i = 0; i < kFolders; ++i) {
        const std::string sub = folder + "\\Folder" + std::to_string((i * 131) % kFolders);
        CreateDirectoryA(sub.c_str(), nullptr);
        const HANDLE file = CreateFileA((sub + "\\inner.dll").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                        nullptr);
        CloseHandle(file);
    }
    return folder;
}

void RemoveFolder(const std::string& folder)
{
    WIN32_FIND_DATAA entry{};
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
                RemoveFolder(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
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

}  // namespace

int main()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    InitCommonControlsEx(&controls);

    const std::string folder = MakeFolder();
    CWnd host;
    CDirTreeCtrl tree;
    host.CreateEx(0, nullptr, "bench", WS_POPUP, {0, 0, 400, 600}, nullptr, 0);
    tree.Create(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | WS_VISIBLE, {0, 0, 400, 600}, &host, 1007);
    tree.AddFilter("*.ocx");
    tree.AddFilter("*.dll");
    tree.Populate();
    const HTREEITEM root = tree.InsertPathItem(TVI_ROOT, folder.c_str());

    std::vector<double> bare;
    std::vector<double> opened;
    int entries = 0;
    UINT items = 0;
    for (int run = 0; run < kRuns; ++run) {
        auto start = std::chrono::steady_clock::now();
        entries = BareLoop(folder);
        bare.push_back(Milliseconds(std::chrono::steady_clock::now() - start));

        while (HTREEITEM child = tree.GetChildItem(root))
            tree.DeleteItem(child);
        start = std::chrono::steady_clock::now();
        tree.LoadFolder(root, folder.c_str());
        opened.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
        items = tree.GetCount();
    }
    host.DestroyWindow();
    RemoveFolder(folder);

    const double bareMs = Median(bare);
    const double openMs = Median(opened);
    std::printf("dir_tree_bench: folder of %d files and %d sub-folders (%d entries), median of %d runs\n", kFiles,
                kFolders, entries, kRuns);
    std::printf("  bare FindFirstFile/FindNextFile loop: %10.2f ms\n", bareMs);
    std::printf("  CDirTreeCtrl::LoadFolder:             %10.2f ms  (%u items in the tree)\n", openMs, items);
    std::printf("  ratio:                                %10.2f\n", bareMs > 0 ? openMs / bareMs : 0.0);
    return 0;
}
