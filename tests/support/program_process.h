#pragma once

#include <windows.h>

#include <string>

// A program started as a user starts it, ended if it still runs when the object goes.
class ProgramProcess {
public:
    // Starts `path` with `folder` as its current folder (null: the caller's)
    // and `arguments` after the quoted path; `output`, when given, takes its
    // standard output and error, and the program gets no console window.
    explicit ProgramProcess(const std::string& path, const char* folder = nullptr, const std::string& arguments = {},
                            HANDLE output = nullptr);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    HANDLE Handle() const { return m_process.hProcess; }
    DWORD Id() const { return m_process.dwProcessId; }

    // A visible top-level window of the program titled `title`; null when the
    // program ends first or `timeoutMs` passes.
    HWND WaitForWindow(const char* title, DWORD timeoutMs) const;

    // Posts WM_CLOSE to `window`, then as WaitForExit.
    DWORD CloseAndWait(HWND window, DWORD timeoutMs);
    // Waits for the program to end: its exit code, or STILL_ACTIVE.
    DWORD WaitForExit(DWORD timeoutMs) const;

private:
    PROCESS_INFORMATION m_process{};
};

// A program run to its end: its exit code (STILL_ACTIVE when it did not end
// in time, and was ended) and its standard output and error, in order.
struct ProgramRun {
    DWORD exitCode = STILL_ACTIVE;
    std::string output;
};
// Starts `path` with `arguments`, collects its output and waits for its end.
ProgramRun RunProgram(const std::string& path, const std::string& arguments, DWORD timeoutMs = 30000,
                      const char* folder = nullptr);
