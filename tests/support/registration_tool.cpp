#include "tests/support/registration_tool.h"

#include "tests/components/component/test_component.h"
#include "tests/support/message_pump.h"
#include "tests/support/registry_values.h"

#include <tlhelp32.h>

#include <algorithm>

std::string RegistrationMark(DWORD registered)
{
    return ReadRegistryDword(kTestComponentKey, kTestComponentRegistered) == registered
               ? ReadRegistryText(kTestComponentKey, kTestComponentCommandLine).value_or("")
               : std::string();
}

std::vector<DWORD> RegistrationToolProcesses()
{
    std::vector<DWORD> processes;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (lstrcmpiA(entry.szExeFile, "regsvr32.exe") == 0)
            processes.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return processes;
}

bool WaitForRegistrationMark(DWORD registered, const std::vector<DWORD>& toolsBefore)
{
    // The mark comes from another process: a timer wakes the wait to look.
    const UINT_PTR poll = SetTimer(nullptr, 0, 20, nullptr);
    const bool marked = PumpMessagesUntil([&] { return !RegistrationMark(registered).empty(); }, 20000);
    KillTimer(nullptr, poll);
    for (const DWORD process : RegistrationToolProcesses()) {
        if (std::find(toolsBefore.begin(), toolsBefore.end(), process) != toolsBefore.end())
            continue;
        const HANDLE handle = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process);
        if (handle != nullptr) {
            TerminateProcess(handle, 0);
            WaitForSingleObject(handle, 5000);
            CloseHandle(handle);
        }
    }
    return marked;
}
