// Stand-in for the product's event-logging library KxIPC.dll: exports
// LogQuorvelinEvent under the name our compiler gives it and records every
// call, which the tests read back through StandInCallCount/StandInCall.
#include "platform/cstring.h"

#include <string>
#include <vector>

namespace {
std::vector<std::string> g_calls;  // "number|first|text|last"
}

__declspec(dllexport) bool LogQuorvelinEvent(int number, const CString& first, const CString& text,
                                             const CString& last)
{
    g_calls.push_back(std::to_string(number) + "|" + first.GetString() + "|" + text.GetString() + "|" +
                      last.GetString());
    return false;  // the caller must not care
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
