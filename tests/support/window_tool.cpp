// Helper for the scripts: waits for a top-level window with a given title to
// appear, or asks it to close and waits until it is gone.
//   kac_window_tool wait  TITLE TIMEOUT_MS
//   kac_window_tool close TITLE TIMEOUT_MS
// Exit status 0 when the window appeared (wait) or went (close), 1 on timeout.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool WaitFor(const char* title, bool present, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        const HWND window = FindWindowA(nullptr, title);
        if ((window != nullptr && IsWindowVisible(window)) == present)
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(50);  // another process's window: nothing to wait on but time
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: kac_window_tool wait|close TITLE TIMEOUT_MS\n");
        return 2;
    }
    const char* title = argv[2];
    const DWORD timeoutMs = static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10));
    if (std::strcmp(argv[1], "wait") == 0)
        return WaitFor(title, true, timeoutMs) ? 0 : 1;
    if (std::strcmp(argv[1], "close") == 0) {
        if (const HWND window = FindWindowA(nullptr, title))
            PostMessageA(window, WM_CLOSE, 0, 0);
        return WaitFor(title, false, timeoutMs) ? 0 : 1;
    }
    std::fprintf(stderr, "unknown command %s\n", argv[1]);
    return 2;
}
