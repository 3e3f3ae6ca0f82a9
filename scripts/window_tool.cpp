// Helper for the scripts: waits for a top-level window with a given title to
// appear, or asks it to close and waits until it is gone.
//   kac_window_tool wait  TITLE TIMEOUT_MS
//   kac_window_tool close TITLE TIMEOUT_MS
//   kac_window_tool select TITLE TIMEOUT_MS
// select: goes to the first category of the main dialog's tree with the
// keys a user presses (Home, Down) and waits until the property grid shows
// its rows.
// Exit status 0 when the window appeared (wait), went (close) or shows the
// rows (select), 1 on timeout.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

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

bool SelectFirstCategory(const char* title, DWORD timeoutMs)
{
    constexpr int kCategoryTreeId = 1000;
    constexpr int kPropertyGridId = 1003;
    constexpr int kGridId = 57342;
    const HWND dialog = FindWindowA(nullptr, title);
    const HWND tree = GetDlgItem(dialog, kCategoryTreeId);
    const HWND grid = GetDlgItem(GetDlgItem(dialog, kPropertyGridId), kGridId);
    if (tree == nullptr || grid == nullptr)
        return false;
    // The tree reads the keys from its queue, focused or not; the root is expanded.
    for (const WPARAM key : {VK_HOME, VK_DOWN})
        PostMessageA(tree, WM_KEYDOWN, key, 0);
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (SendMessageA(grid, LVM_GETITEMCOUNT, 0, 0) == 0) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(50);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: kac_window_tool wait|close|select TITLE TIMEOUT_MS\n");
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
    if (std::strcmp(argv[1], "select") == 0)
        return SelectFirstCategory(title, timeoutMs) ? 0 : 1;
    std::fprintf(stderr, "unknown command %s\n", argv[1]);
    return 2;
}
