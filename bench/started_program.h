#pragma once

#include "tests/support/program_process.h"

#include <windows.h>

#include <string>

// What the benchmarks that start a program as a user does share: finding its
// window, waiting until it has painted, and its memory at that moment.

// The folder part of a path (without the trailing backslash).
std::string FolderOf(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);

LARGE_INTEGER Now();
// Milliseconds since `from`, by the performance counter.
double Since(const LARGE_INTEGER& from);

// A visible top-level window of the process with this title: a message box
// the program shows instead does not count.
HWND ShownWindow(DWORD processId, const char* title);
// Nothing of the window or of its visible children waits to be painted.
bool Painted(HWND window);
// Waits until `window` has painted and its thread is back in its message
// loop (it answers a sent message only there, after its painting code has
// returned); false when `process` ended first or `timeoutMs` passed.
bool WaitUntilPainted(HWND window, HANDLE process, DWORD timeoutMs);

// The memory of a process: peak working set and private bytes.
struct ProcessMemory {
    double peakWorkingSetKb = 0;
    double privateKb = 0;
};
ProcessMemory MemoryOf(HANDLE process);

// One start of a program, until its window is shown and painted.
class StartedProgram {
public:
    StartedProgram(const std::string& path, const std::string& arguments);

    // Waits for the window titled `title` to be visible and painted; then
    // takes the process's memory. False when the program ended first or the
    // time ran out.
    bool WaitUntilShown(const char* title);
    // Until the process ends by itself; false when it does not in time.
    bool WaitUntilEnded();
    bool Close();

    HWND Window() const { return m_window; }
    HANDLE Process() const { return m_process.Handle(); }
    double VisibleMs() const { return m_visibleMs; }
    double ShownMs() const { return m_shownMs; }
    double EndedMs() const { return m_endedMs; }
    const ProcessMemory& MemoryAtShown() const { return m_memory; }

private:
    LARGE_INTEGER m_start;  // taken before the process is created
    ProgramProcess m_process;
    HWND m_window = nullptr;
    double m_visibleMs = 0;
    double m_shownMs = 0;
    double m_endedMs = 0;
    ProcessMemory m_memory;
};
