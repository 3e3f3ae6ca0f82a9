// Stand-in for the product's event-logging library KxIPC.dll: exports
// LogQuorvelinEvent under the name our compiler gives it and records every
// call as "number|first|text|last".
#include "platform/cstring.h"
#include "recorded_calls.h"

__declspec(dllexport) bool LogQuorvelinEvent(int number, const CString& first, const CString& text,
                                             const CString& last)
{
    RecordCall(std::to_string(number) + "|" + first.GetString() + "|" + text.GetString() + "|" + last.GetString());
    return false;  // the caller must not care
}
