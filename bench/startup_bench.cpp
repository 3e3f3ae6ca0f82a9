// Start-up of KestAdvConfig.exe as shipped, from the start of its process
// until its dialog is visible, has painted itself and its thread is back in
// its message loop: with a definition file of 10,000 attributes beside it,
// and with the shipped sample. The floor, measured the same way in the same
// run: a program that shows an empty dialog of the same size from a
// template. All are separate processes, as a user starts them, started in
// turn; the cost of starting a process alone is printed too, so that the
// share of the ratio that process start-up hides shows. Each one's memory
// when shown (peak working set, private bytes) is printed beside the empty
// dialog's. Exits non-zero when a window did not show or a file was not
// loaded.
#include "bench/bench_figures.h"
#include "bench/generated_definition.h"
#include "bench/started_program.h"
#include "tests/support/registry_listing.h"
#include "tests/support/temp_folder.h"

#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kProperties = 200;
constexpr int kAttributes = 50;
constexpr int kRuns = 7;
constexpr int kCategoryTreeId = 1000;
const char kProgramTitle[] = "Quorvelin Advanced Configuration";
const char kFloorTitle[] = "Empty dialog";
const char kVendorKey[] = "Software\\Tarnwick, Inc.";

struct Figures {
    std::vector<double> visible;
    std::vector<double> shown;
    std::vector<double> peakWorkingSetKb;
    std::vector<double> privateKb;
};

// One start to the window shown; `categoryItems`, when given, receives the
// number of items in the program's category tree.
bool StartOnce(const std::string& path, const char* title, Figures* figures, LRESULT* categoryItems = nullptr)
{
    StartedProgram program(path, "");
    if (!program.WaitUntilShown(title))
        return false;
    figures->visible.push_back(program.VisibleMs());
    figures->shown.push_back(program.ShownMs());
    figures->peakWorkingSetKb.push_back(program.MemoryAtShown().peakWorkingSetKb);
    figures->privateKb.push_back(program.MemoryAtShown().privateKb);
    if (categoryItems != nullptr) {
        const HWND tree = GetDlgItem(program.Window(), kCategoryTreeId);
        *categoryItems = tree != nullptr ? SendMessageA(tree, TVM_GETCOUNT, 0, 0) : 0;
    }
    return program.Close();
}

void Print(const char* what, const std::vector<double>& shown, const std::vector<double>& visible)
{
    std::printf("  %-40s %8.1f ms (%7.1f)", what, Median(shown), Best(shown));
    if (!visible.empty())
        std::printf("   visible at %7.1f ms", Median(visible));
    std::printf("\n");
}

void PrintMemory(const char* what, const Figures& figures)
{
    std::printf("  %-40s peak working set %8.0f KB, private %8.0f KB\n", what, Median(figures.peakWorkingSetKb),
                Median(figures.privateKb));
}

// Program and its definition file in a folder of their own.
bool LayOut(const std::string& buildFolder, const std::string& folder, const std::string& xml)
{
    return CreateDirectoryA(folder.c_str(), nullptr) &&
           CopyFileA((buildFolder + "\\dist\\KestAdvConfig.exe").c_str(), (folder + "\\KestAdvConfig.exe").c_str(),
                     FALSE) &&
           WriteBytes(folder + "\\kestadvconfig.xml", xml);
}

std::string ReadBytes(const std::string& path)
{
    std::string bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return bytes;
    char buffer[65536];
    for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, read);
    std::fclose(file);
    return bytes;
}

}  // namespace

int main()
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string buildFolder = FolderOf(module);
    const TempFolder temp;
    const std::string& folder = temp.Path();
    const std::string large = folder + "\\large\\KestAdvConfig.exe";
    const std::string sample = folder + "\\sample\\KestAdvConfig.exe";
    const std::string floor = folder + "\\kac_empty_dialog.exe";
    // The window position the runs save goes again.
    const RegistryKeyKeeper vendorKey(kVendorKey);

    // The programs from folders side by side, each definition file beside its program.
    const std::string xml = GeneratedDefinitionFile(kProperties, kAttributes);
    const std::string sampleXml = ReadBytes(buildFolder + "\\dist\\kestadvconfig.xml");
    if (sampleXml.empty() || !LayOut(buildFolder, FolderOf(large), xml) ||
        !LayOut(buildFolder, FolderOf(sample), sampleXml) ||
        !CopyFileA((buildFolder + "\\kac_empty_dialog.exe").c_str(), floor.c_str(), FALSE)) {
        std::fprintf(stderr, "cannot lay out %s\n", folder.c_str());
        return 1;
    }
    std::printf("KestAdvConfig.exe with %d properties x %d attributes (%zu bytes) and with the shipped sample "
                "(%zu bytes); median (best) of %d starts each, in turn\n",
                kProperties, kAttributes, xml.size(), sampleXml.size(), kRuns);

    // The program prints what it makes of the sample's comments on its
    // standard output; the figures are what this benchmark prints.
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    SetStdHandle(STD_OUTPUT_HANDLE, nul);
    std::fflush(stdout);

    // A start of each first, not counted: it brings the files and the
    // system's DLLs into the caches for all alike.
    Figures largeFigures, sampleFigures, floorFigures, warmUp;
    std::vector<double> processOnly;
    LRESULT categoryItems = 0;
    LRESULT sampleItems = 0;
    bool allShown = StartOnce(floor, kFloorTitle, &warmUp) && StartOnce(large, kProgramTitle, &warmUp) &&
                    StartOnce(sample, kProgramTitle, &warmUp);
    for (int run = 0; run < kRuns && allShown; ++run) {
        StartedProgram bare(floor, "/exit");
        allShown = bare.WaitUntilEnded();
        processOnly.push_back(bare.EndedMs());
        allShown = StartOnce(floor, kFloorTitle, &floorFigures) && allShown;
        LRESULT items = 0;
        allShown = StartOnce(large, kProgramTitle, &largeFigures, &items) && allShown;
        categoryItems = run == 0 ? items : std::min(categoryItems, items);
        allShown = StartOnce(sample, kProgramTitle, &sampleFigures, &items) && allShown;
        sampleItems = run == 0 ? items : std::min(sampleItems, items);
    }

    SetStdHandle(STD_OUTPUT_HANDLE, output);
    if (nul != INVALID_HANDLE_VALUE)
        CloseHandle(nul);

    if (!allShown) {
        std::fprintf(stderr, "the work did not happen: a window was not shown, or a program did not end\n");
        return 1;
    }
    const double process = Median(processOnly);
    const double floorMs = Median(floorFigures.shown);
    auto ratios = [&](const char* what, const Figures& figures, const char* goal) {
        const double ms = Median(figures.shown);
        std::printf("  ratio %-34s %5.2f (goal: %s); without the process start: %.2f\n", what, ms / floorMs, goal,
                    (ms - process) / (floorMs - process));
    };
    Print("process start alone (exits at once)", processOnly, {});
    Print("empty dialog shown and painted (floor)", floorFigures.shown, floorFigures.visible);
    Print("with 10,000 attributes shown, painted", largeFigures.shown, largeFigures.visible);
    Print("with the shipped sample shown, painted", sampleFigures.shown, sampleFigures.visible);
    ratios("10,000 attributes / empty dialog", largeFigures, "at most 1.5, stretch 1.2");
    ratios("shipped sample / empty dialog", sampleFigures, "at most 1.15");
    std::printf("memory when shown, median:\n");
    PrintMemory("empty dialog (floor)", floorFigures);
    PrintMemory("with 10,000 attributes", largeFigures);
    PrintMemory("with the shipped sample", sampleFigures);
    const double floorPrivateKb = Median(floorFigures.privateKb);
    std::printf("  private bytes above the empty dialog: %.2f per byte of the file with 10,000 attributes (goal: at "
                "most 4); %.0f KB with the sample\n",
                (Median(largeFigures.privateKb) - floorPrivateKb) * 1024.0 / static_cast<double>(xml.size()),
                Median(sampleFigures.privateKb) - floorPrivateKb);
    std::printf("category tree items: %ld (the file's %d properties and the root); with the sample: %ld\n",
                static_cast<long>(categoryItems), kProperties, static_cast<long>(sampleItems));
    if (categoryItems != kProperties + 1 || sampleItems < 2) {
        std::fprintf(stderr, "the work did not happen: a definition file was not loaded into the category tree\n");
        return 1;
    }
    if (Median(floorFigures.privateKb) <= 0) {
        std::fprintf(stderr, "the work did not happen: no memory figures\n");
        return 1;
    }
    return 0;
}
