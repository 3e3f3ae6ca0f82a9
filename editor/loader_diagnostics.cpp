#include "editor/loader_diagnostics.h"

#include <cstdio>
#include <utility>

namespace {

LoaderDiagnosticHook& CurrentHook()
{
    static LoaderDiagnosticHook hook;
    return hook;
}

}  // namespace

LoaderDiagnosticHook SetLoaderDiagnosticHook(LoaderDiagnosticHook hook)
{
    return std::exchange(CurrentHook(), std::move(hook));
}

void PrintLoaderDiagnostic(const CString& text, bool lineBreak)
{
    if (CurrentHook()) {
        CurrentHook()(text, lineBreak);
        return;
    }
    // UTF-8 like every narrow string; a GUI process has no console, and then
    // the write simply goes nowhere.
    std::fputs(text.GetString(), stdout);
    if (lineBreak)
        std::fputc('\n', stdout);
    std::fflush(stdout);
}
