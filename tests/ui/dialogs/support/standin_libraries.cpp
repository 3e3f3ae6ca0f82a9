#include "tests/ui/dialogs/support/standin_libraries.h"

#include <windows.h>

namespace {

std::vector<std::string> ReadCalls(const char* module, const char* countName, const char* callName)
{
    std::vector<std::string> calls;
    const HMODULE library = GetModuleHandleA(module);
    if (library == nullptr)
        return calls;
    const auto count = reinterpret_cast<int (*)()>(reinterpret_cast<void*>(GetProcAddress(library, countName)));
    const auto call = reinterpret_cast<const char* (*)(int)>(reinterpret_cast<void*>(GetProcAddress(library, callName)));
    if (count == nullptr || call == nullptr)
        return calls;
    for (int i = 0; i < count(); ++i)
        calls.emplace_back(call(i));
    return calls;
}

}  // namespace

std::string StandInFolder(const char* name)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string path(module);
    return path.substr(0, path.rfind('\\')) + "\\standins\\" + name;
}

DllSearchFolder::DllSearchFolder(const std::string& folder)
{
    SetDllDirectoryA(folder.c_str());
}

DllSearchFolder::~DllSearchFolder()
{
    SetDllDirectoryA(nullptr);
}

std::vector<std::string> RecordedLogCalls()
{
    return ReadCalls("KxIPC.dll", "KxStandInCallCount", "KxStandInCall");
}

std::vector<std::string> RecordedViewerCalls()
{
    return ReadCalls("kac_help_viewer.dll", "StandInViewerCallCount", "StandInViewerCall");
}
