#include "ui/dialogs/event_log_hook.h"

#include <windows.h>

namespace {

// bool LogQuorvelinEvent(int, const CString&, const CString&, const CString&)
using LogQuorvelinEventFunction = bool (*)(int, const CString&, const CString&, const CString&);

// The library exports the function under the name our compiler gives it.
constexpr char kLibraryName[] = "KxIPC.dll";
constexpr char kDecoratedEntryName[] = "_Z17LogQuorvelinEventiRK7CStringS1_S1_";

// UI thread only; written once, when the entry is first found. The library
// stays loaded from then on, as the entry may be called at any time.
LogQuorvelinEventFunction g_pfnLogQuorvelinEvent = nullptr;

LogQuorvelinEventFunction FindEntry()
{
    const HMODULE library = LoadLibraryA(kLibraryName);
    if (library == nullptr)
        return nullptr;
    const FARPROC entry = GetProcAddress(library, kDecoratedEntryName);
    if (entry == nullptr) {
        // Not the library we expect (or an older one): let it go, so a fixed
        // one can be picked up at the next error.
        FreeLibrary(library);
        return nullptr;
    }
    return reinterpret_cast<LogQuorvelinEventFunction>(reinterpret_cast<void*>(entry));
}

}  // namespace

void UIEventLogHook::Log(const CString& text)
{
    if (g_pfnLogQuorvelinEvent == nullptr)
        g_pfnLogQuorvelinEvent = FindEntry();
    if (g_pfnLogQuorvelinEvent == nullptr)
        return;
    const CString none;
    g_pfnLogQuorvelinEvent(1, none, text, none);  // the library's answer changes nothing here
}
