#pragma once

#include <windows.h>

// Waits for a visible top-level window titled `title` that belongs to the
// process `processId` (handle `process`); null when the process ends first
// or `timeoutMs` passes.
HWND WaitForProcessWindow(DWORD processId, HANDLE process, const char* title, DWORD timeoutMs);
