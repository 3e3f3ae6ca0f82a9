#pragma once

#include "platform/cstring.h"

#include <functional>

// The definition loader's diagnostics ("Error creating file reader, error is
// 80070002", "Comment: ..."). They go to standard output, where the GUI user
// never sees them; KestAdvCheck and the tests take them over with a hook.
// lineBreak tells whether the text ends its line.
using LoaderDiagnosticHook = std::function<void(const CString& text, bool lineBreak)>;

// Installs a hook, or standard output again when empty; returns the previous one.
LoaderDiagnosticHook SetLoaderDiagnosticHook(LoaderDiagnosticHook hook);

void PrintLoaderDiagnostic(const CString& text, bool lineBreak);
