#include "bench/started_program.h"

#include <psapi.h>

#include <cstdio>
#include <cstring>

namespace {
constexpr DWORD kTimeoutMs = 30000;

struct WindowSearch {
    DWORD processId;
    const char* title;
    HWND found;
};
}  // namespace

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.rfind('\\'));
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
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

bool WaitUntilPainted(HWND window, HANDLE process, DWORD timeoutMs)
{
    const LARGE_INTEGER start = Now();
    while (Since(start) < timeoutMs) {
        if (Painted(window) && SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, nullptr) != 0 &&
            Painted(window))
            return true;
        if (WaitForSingleObject(process, 1) == WAIT_OBJECT_0)
            return false;
    }
    return false;
}

// The committed private memory of a process, region by region: what its
// private bytes count. Wine's GetProcessMemoryInfo reports no private bytes
// for another process.
double CommittedPrivateKb(HANDLE process)
{
    SIZE_T bytes = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr; VirtualQueryEx(process, address, &region, sizeof region) == sizeof region;
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            bytes += region.RegionSize;
    }
    return static_cast<double>(bytes) / 1024.0;
}

ProcessMemory MemoryOf(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
        return {};
    const double privateKb = static_cast<double>(counters.PrivateUsage) / 1024.0;
    return {static_cast<double>(counters.PeakWorkingSetSize) / 1024.0,
            privateKb > 0 ? privateKb : CommittedPrivateKb(process)};
}

StartedProgram::StartedProgram(const std::string& path, const std::string& arguments)
    : m_start(Now()), m_process(path, FolderOf(path).c_str(), arguments)
{
}

bool StartedProgram::WaitUntilShown(const char* title)
{
    while (m_process.Started() && Since(m_start) < kTimeoutMs) {
        m_window = ShownWindow(m_process.Id(), title);
        if (m_window != nullptr) {
            m_visibleMs = Since(m_start);
            if (!WaitUntilPainted(m_window, m_process.Handle(), kTimeoutMs))
                return false;
            m_shownMs = Since(m_start);
            m_memory = MemoryOf(m_process.Handle());
            return true;
        }
        if (WaitForSingleObject(m_process.Handle(), 1) == WAIT_OBJECT_0)
            return false;
    }
    return false;
}

bool StartedProgram::WaitUntilEnded()
{
    if (!m_process.Started() || WaitForSingleObject(m_process.Handle(), kTimeoutMs) != WAIT_OBJECT_0)
        return false;
    m_endedMs = Since(m_start);
    return true;
}

bool StartedProgram::Close()
{
    PostMessageA(m_window, WM_CLOSE, 0, 0);
    return WaitUntilEnded();
}
