#include "tests/ui/dialogs/support/fresh_process.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {
constexpr char kMarker[] = "KAC_TEST_FRESH_PROCESS";
}

bool InFreshProcess()
{
    return GetEnvironmentVariableA(kMarker, nullptr, 0) > 0;
}

int RunCurrentTestInFreshProcess()
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    // Once, whatever repeat the parent was given in its environment.
    std::string commandLine = std::string("\"") + module + "\" --gtest_color=no --gtest_repeat=1 --gtest_filter=" +
                              test->test_suite_name() + "." + test->name();

    SetEnvironmentVariableA(kMarker, "1");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(module, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                        &startup, &process);
    SetEnvironmentVariableA(kMarker, nullptr);
    if (!started)
        return -1;
    DWORD exitCode = 1;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}
