// Start-up of KestAdvConfig.exe as shipped with a definition file of 10,000
// attributes beside it, from the start of its process until its dialog is
// visible, has painted itself and its thread is back in its message loop.
// The floor, measured the same way in the same run: a program that shows an
// empty dialog of the same size from a template. Both are separate
// processes, as a user starts them; the cost of starting a process alone is
// printed too, so that the share of the ratio that process start-up hides
// shows. Exits non-zero when a window did not show or the file was not
// loaded.
#include "bench/bench_figures.h"
#include "bench/generated_definition.h"
#include "tests/support/program_process.h"
#include "tests/support/temp_folder.h"

#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kProperties = 200;
constexpr int kAttributes = 50;
constexpr int kRuns = 7;
constexpr DWORD kTimeoutMs = 30000;
constexpr int kCategoryTreeId = 1000;
const char kProgramTitle[] = "Quorvelin Advanced Configuration";
const char kFloorTitle[] = "Empty dialog";
const char kVendorKey[] = "Software\\Tarnwick, Inc.";

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.rfind('\\'));
}

struct WindowSearch {
    DWORD processId;
    const char* title;
    HWND found;
};

// A visible top-level window of the process with this title: a message box
// the program shows instead does not count.
HWND ShownWindow(DWORD processId, const char* title)
{
    WindowSearch search{processId, title, nullptr};
    EnumWindows(
        [](HWND window, LPARAM lParam) -> BOOL {
            auto* search = reinterpret_cast<WindowSearch*>(lParam);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            char title[128] = {};
            GetWindowTextA(window, title, sizeof title);
            if (owner != search->processId || !IsWindowVisible(window) || std::strcmp(title, search->title) != 0)
                return TRUE;
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Nothing of the window or of its visible children waits to be painted.
bool Painted(HWND window)
{
    if (GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool painted = true;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM lParam) -> BOOL {
            if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
                *reinterpret_cast<bool*>(lParam) = false;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&painted));
    return painted;
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

double Since(const LARGE_INTEGER& from)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const LARGE_INTEGER now = Now();
    return 1000.0 * static_cast<double>(now.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One start of a program, until its window is shown and painted.
class StartedProgram {
public:
    StartedProgram(const std::string& path, const std::string& arguments)
        : m_start(Now()), m_process(path, FolderOf(path).c_str(), arguments)
    {
    }

    // Waits for the window titled `title` to be visible, painted, and its
    // thread back in its message loop (it answers a sent message only there,
    // after its painting code has returned). False when the program ended
    // first or the time ran out.
    bool WaitUntilShown(const char* title)
    {
        while (m_process.Started() && Since(m_start) < kTimeoutMs) {
            if (m_window == nullptr) {
                m_window = ShownWindow(m_process.Id(), title);
                if (m_window != nullptr)
                    m_visibleMs = Since(m_start);
            }
            if (m_window != nullptr && Painted(m_window) &&
                SendMessageTimeoutA(m_window, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, nullptr) != 0 &&
                Painted(m_window)) {
                m_shownMs = Since(m_start);
                return true;
            }
            if (WaitForSingleObject(m_process.Handle(), 1) == WAIT_OBJECT_0)
                return false;
        }
        return false;
    }

    // Until the process ends by itself; false when it does not in time.
    bool WaitUntilEnded()
    {
        if (!m_process.Started() || WaitForSingleObject(m_process.Handle(), kTimeoutMs) != WAIT_OBJECT_0)
            return false;
        m_endedMs = Since(m_start);
        return true;
    }

    bool Close()
    {
        PostMessageA(m_window, WM_CLOSE, 0, 0);
        return WaitUntilEnded();
    }

    HWND Window() const { return m_window; }
    double VisibleMs() const { return m_visibleMs; }
    double ShownMs() const { return m_shownMs; }
    double EndedMs() const { return m_endedMs; }

private:
    LARGE_INTEGER m_start;  // taken before the process is created
    ProgramProcess m_process;
    HWND m_window = nullptr;
    double m_visibleMs = 0;
    double m_shownMs = 0;
    double m_endedMs = 0;
};

struct Figures {
    std::vector<double> visible;
    std::vector<double> shown;
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
    if (categoryItems != nullptr) {
        const HWND tree = GetDlgItem(program.Window(), kCategoryTreeId);
        *categoryItems = tree != nullptr ? SendMessageA(tree, TVM_GETCOUNT, 0, 0) : 0;
    }
    return program.Close();
}

void Print(const char* what, const std::vector<double>& shown, const std::vector<double>& visible)
{
    std::printf("%-36s %8.1f ms (%7.1f)", what, Median(shown), Best(shown));
    if (!visible.empty())
        std::printf("   visible at %7.1f ms", Median(visible));
    std::printf("\n");
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main()
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string buildFolder = FolderOf(module);
    const TempFolder temp;
    const std::string& folder = temp.Path();
    const std::string program = folder + "\\KestAdvConfig.exe";
    const std::string floor = folder + "\\kac_empty_dialog.exe";
    HKEY vendor = nullptr;
    const bool vendorKeyExisted = RegOpenKeyExA(HKEY_CURRENT_USER, kVendorKey, 0, KEY_READ, &vendor) == ERROR_SUCCESS;
    if (vendorKeyExisted)
        RegCloseKey(vendor);

    // Both programs from the same folder, the definition file beside the program.
    const std::string xml = GeneratedDefinitionFile(kProperties, kAttributes);
    if (!CopyFileA((buildFolder + "\\dist\\KestAdvConfig.exe").c_str(), program.c_str(), FALSE) ||
        !CopyFileA((buildFolder + "\\kac_empty_dialog.exe").c_str(), floor.c_str(), FALSE) ||
        !WriteBytes(folder + "\\kestadvconfig.xml", xml)) {
        std::fprintf(stderr, "cannot lay out %s\n", folder.c_str());
        return 1;
    }
    std::printf("KestAdvConfig.exe with %d properties x %d attributes (%zu bytes) beside it; median (best) of %d "
                "starts each, alternating\n",
                kProperties, kAttributes, xml.size(), kRuns);

    // A start of each first, not counted: it brings the files and the
    // system's DLLs into the caches for both alike.
    Figures programFigures, floorFigures, warmUp;
    std::vector<double> processOnly;
    LRESULT categoryItems = 0;
    bool allShown = StartOnce(floor, kFloorTitle, &warmUp) && StartOnce(program, kProgramTitle, &warmUp);
    for (int run = 0; run < kRuns && allShown; ++run) {
        StartedProgram bare(floor, "/exit");
        allShown = bare.WaitUntilEnded();
        processOnly.push_back(bare.EndedMs());
        allShown = StartOnce(floor, kFloorTitle, &floorFigures) && allShown;
        LRESULT items = 0;
        allShown = StartOnce(program, kProgramTitle, &programFigures, &items) && allShown;
        categoryItems = run == 0 ? items : std::min(categoryItems, items);
    }

    if (!vendorKeyExisted)
        SHDeleteKeyA(HKEY_CURRENT_USER, kVendorKey);  // the window position the program saved

    if (!allShown) {
        std::fprintf(stderr, "the work did not happen: a window was not shown, or a program did not end\n");
        return 1;
    }
    Print("process start alone (exits at once)", processOnly, {});
    Print("empty dialog shown and painted", floorFigures.shown, floorFigures.visible);
    Print("KestAdvConfig shown and painted", programFigures.shown, programFigures.visible);
    std::printf("ratio KestAdvConfig / empty dialog: %.2f (goal: at most 1.5); without the process start: %.2f\n",
                Median(programFigures.shown) / Median(floorFigures.shown),
                (Median(programFigures.shown) - Median(processOnly)) /
                    (Median(floorFigures.shown) - Median(processOnly)));
    std::printf("category tree items: %ld (the file's %d properties and the root)\n",
                static_cast<long>(categoryItems), kProperties);
    if (categoryItems != kProperties + 1) {
        std::fprintf(stderr, "the work did not happen: the definition file was not loaded into the category tree\n");
        return 1;
    }
    return 0;
}
