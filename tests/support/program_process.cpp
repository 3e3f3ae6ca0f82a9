#include "tests/support/program_process.h"

ProgramProcess::ProgramProcess(const std::string& path, const char* folder, const std::string& arguments,
                               HANDLE output)
{
    std::string commandLine = "\"" + path + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (output != nullptr) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError = output;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    }
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, output != nullptr,
                        output != nullptr ? CREATE_NO_WINDOW : 0, nullptr, folder, &startup, &m_process))
        m_process = PROCESS_INFORMATION{};
}

ProgramProcess::~ProgramProcess()
{
    if (!Started())
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND ProgramProcess::WaitForWindow(const char* title, DWORD timeoutMs) const
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (Started() && GetTickCount64() < deadline) {
        for (HWND w = FindWindowA(nullptr, title); w; w = FindWindowExA(nullptr, w, nullptr, title)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == m_process.dwProcessId && IsWindowVisible(w))
                return w;
        }
        // Another process's window: wake when it exits or after a short while.
        if (WaitForSingleObject(m_process.hProcess, 50) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

DWORD ProgramProcess::CloseAndWait(HWND window, DWORD timeoutMs)
{
    PostMessageA(window, WM_CLOSE, 0, 0);
    return WaitForExit(timeoutMs);
}

DWORD ProgramProcess::WaitForExit(DWORD timeoutMs) const
{
    DWORD exitCode = STILL_ACTIVE;
    if (Started() && WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(m_process.hProcess, &exitCode);
    return exitCode;
}

ProgramRun RunProgram(const std::string& path, const std::string& arguments, DWORD timeoutMs, const char* folder)
{
    ProgramRun run;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    const ProgramProcess program(path, folder, arguments, writeEnd);
    CloseHandle(writeEnd);  // the pipe ends when the program's copies close
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got != 0)
        run.output.append(buffer, got);
    CloseHandle(readEnd);
    run.exitCode = program.WaitForExit(timeoutMs);
    return run;  // a program still running is ended with the object
}
