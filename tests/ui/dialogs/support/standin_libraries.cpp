#include "tests/ui/dialogs/support/standin_libraries.h"

#include "tests/support/test_paths.h"

std::string StandInPath(const char* relative)
{
    return ExecutableFolder() + "standins\\" + relative;
}

std::vector<std::string> RecordedCalls(const char* module)
{
    std::vector<std::string> calls;
    const HMODULE library = GetModuleHandleA(module);
    const auto count = reinterpret_cast<int (*)()>(
        reinterpret_cast<void*>(library != nullptr ? GetProcAddress(library, "StandInCallCount") : nullptr));
    const auto call = reinterpret_cast<const char* (*)(int)>(
        reinterpret_cast<void*>(library != nullptr ? GetProcAddress(library, "StandInCall") : nullptr));
    for (int i = 0; count != nullptr && call != nullptr && i < count(); ++i)
        calls.emplace_back(call(i));
    return calls;
}
