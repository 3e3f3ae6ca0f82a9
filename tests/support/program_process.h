#pragma once

#include <windows.h>

#include <string>

// A program started as a user starts it, for tests that find and close its
// windows. A program still running when the object goes is terminated.
class ProgramProcess {
public:
    // Starts `path` with `folder` as its current folder (null: the caller's)
    // and `arguments` after the quoted path.
    explicit ProgramProcess(const std::string& path, const char* folder = nullptr, const std::string& arguments = {});
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    HANDLE Handle() const { return m_process.hProcess; }
    DWORD Id() const { return m_process.dwProcessId; }

    // A visible top-level window of the program titled `title`; null when the
    // program ends first or `timeoutMs` passes.
    HWND WaitForWindow(const char* title, DWORD timeoutMs) const;

    // Posts WM_CLOSE to `window` and waits for the program to end: its exit
    // code, or STILL_ACTIVE when it did not end within `timeoutMs`.
    DWORD CloseAndWait(HWND window, DWORD timeoutMs);
    // Waits for the program to end: its exit code, or STILL_ACTIVE.
    DWORD WaitForExit(DWORD timeoutMs) const;

private:
    PROCESS_INFORMATION m_process{};
};

// What a program run to its end gave: its exit code (STILL_ACTIVE when it
// did not end in time, and was ended) and what it wrote to its standard
// output and error, in order.
struct ProgramRun {
    DWORD exitCode = STILL_ACTIVE;
    std::string output;
};
// Starts `path` with `arguments` and no window of its own, collects its
// output and waits for it to end.
ProgramRun RunProgram(const std::string& path, const std::string& arguments, DWORD timeoutMs = 30000,
                      const char* folder = nullptr);
