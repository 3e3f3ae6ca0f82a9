#include "recorded_calls.h"

#include <vector>

namespace {
std::vector<std::string> g_calls;
}

void RecordCall(std::string call)
{
    g_calls.push_back(std::move(call));
}

extern "C" __declspec(dllexport) int StandInCallCount()
{
    return static_cast<int>(g_calls.size());
}

extern "C" __declspec(dllexport) const char* StandInCall(int index)
{
    return index >= 0 && index < static_cast<int>(g_calls.size()) ? g_calls[static_cast<size_t>(index)].c_str()
                                                                   : nullptr;
}
