// Choosing a category in KestAdvConfig.exe as shipped, with a definition file
// of 200 properties of 50 attributes beside it, among those its tree shows,
// as a click chooses them: from the tree's selection to
// the 50-row page fully painted (the dialog and every visible child have no
// update region left and the program's thread is back in its message loop).
// The floor, measured the same way in the same run and alternating with it:
// a program whose bare list view of the grid's size is emptied and filled
// with the same 100 texts and painted. Exits non-zero when a page did not
// get its 50 rows or a window did not show.
#include "bench/bench_figures.h"
#include "bench/generated_definition.h"
#include "bench/started_program.h"
#include "tests/support/registry_listing.h"
#include "tests/support/temp_folder.h"

#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kProperties = 200;
constexpr int kAttributes = 50;
constexpr int kRuns = 15;
constexpr DWORD kTimeoutMs = 30000;
constexpr int kCategoryTreeId = 1000;
constexpr int kPropertyGridId = 1003;
constexpr int kGridListId = 57342;
const char kProgramTitle[] = "Quorvelin Advanced Configuration";
const char kFloorTitle[] = "Bare list";
const char kVendorKey[] = "Software\\Tarnwick, Inc.";

std::vector<HTREEITEM> Categories(HWND tree)
{
    std::vector<HTREEITEM> items;
    const auto root = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    auto item = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(root)));
    for (; item != nullptr; item = reinterpret_cast<HTREEITEM>(
                                SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item))))
        items.push_back(item);
    return items;
}

int Fail(const char* what)
{
    std::fprintf(stderr, "category_switch_bench: the work did not happen: %s\n", what);
    return 1;
}

}  // namespace

int main()
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string buildFolder = FolderOf(module);
    const TempFolder temp;
    const std::string& folder = temp.Path();
    const std::string programPath = folder + "\\KestAdvConfig.exe";
    const std::string floorPath = folder + "\\kac_bare_list.exe";
    // The window position and column widths the runs save go again.
    const RegistryKeyKeeper vendorKey(kVendorKey);
    const std::string xml = GeneratedDefinitionFile(kProperties, kAttributes);
    if (!CopyFileA((buildFolder + "\\dist\\KestAdvConfig.exe").c_str(), programPath.c_str(), FALSE) ||
        !CopyFileA((buildFolder + "\\kac_bare_list.exe").c_str(), floorPath.c_str(), FALSE) ||
        !WriteBytes(folder + "\\kestadvconfig.xml", xml))
        return Fail("cannot lay out the folder");

    int result = 0;
    std::vector<double> program;
    std::vector<double> floor;
    {
        StartedProgram dialog(programPath, "");
        if (!dialog.WaitUntilShown(kProgramTitle))
            return Fail("the program's dialog did not show");
        const HWND tree = GetDlgItem(dialog.Window(), kCategoryTreeId);
        const HWND grid = GetDlgItem(GetDlgItem(dialog.Window(), kPropertyGridId), kGridListId);
        const std::vector<HTREEITEM> categories = Categories(tree);
        RECT gridRect{};
        GetWindowRect(grid, &gridRect);
        StartedProgram bare(floorPath, std::to_string(gridRect.right - gridRect.left) + " " +
                                           std::to_string(gridRect.bottom - gridRect.top));
        if (categories.size() != kProperties || grid == nullptr)
            return Fail("the category tree or the grid is not there");
        if (!bare.WaitUntilShown(kFloorTitle))
            return Fail("the bare list did not show");

        // One page each first, not counted: the first page lays out the
        // grid's columns, the first fill creates the list's header.
        auto switchTo = [&](size_t category) {
            SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(categories[category]));
            return WaitUntilPainted(dialog.Window(), dialog.Process(), kTimeoutMs) &&
                   SendMessageA(grid, LVM_GETITEMCOUNT, 0, 0) == kAttributes;
        };
        auto fillFloor = [&] {
            return SendMessageA(bare.Window(), WM_APP, 0, 0) == kAttributes &&
                   WaitUntilPainted(bare.Window(), bare.Process(), kTimeoutMs);
        };
        // The categories a user clicks: those the tree shows (below the
        // root), so that the tree does not scroll; each differs from the last.
        const auto visible = static_cast<size_t>(SendMessageA(tree, TVM_GETVISIBLECOUNT, 0, 0));
        if (visible < 3)
            return Fail("the category tree shows too few categories");
        bool allDone = switchTo(0) && fillFloor();
        for (int run = 0; run < kRuns && allDone; ++run) {
            bool done = true;
            const size_t category = 1 + (static_cast<size_t>(run) * 5) % (visible - 2);
            program.push_back(Milliseconds([&] { done = switchTo(category); }));
            allDone = done;
            floor.push_back(Milliseconds([&] { done = fillFloor(); }));
            allDone = allDone && done;
        }
        if (!allDone)
            result = Fail("a page did not get its 50 rows, or was not painted");
        bare.Close();
        dialog.Close();
    }
    if (result != 0)
        return result;

    std::printf("category switch to a %d-row page, %d properties x %d attributes (%zu bytes); median (best) of %d\n",
                kAttributes, kProperties, kAttributes, xml.size(), kRuns);
    std::printf("  %-44s %8.1f ms (%6.1f)  (floor)\n", "bare list view emptied, filled, painted", Median(floor),
                Best(floor));
    std::printf("  %-44s %8.1f ms (%6.1f)\n", "category chosen, page painted", Median(program), Best(program));
    std::printf("  ratio %.2f (goal: at most 2)\n", Median(program) / Median(floor));
    return 0;
}
