#include "tour/program_windows.h"

#include <commctrl.h>

namespace ProgramWindows {

namespace {

struct Search {
    std::function<bool(HWND)> wanted;
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    if (IsWindowVisible(window) && search->wanted(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopLevel(std::function<bool(HWND)> wanted)
{
    Search search{std::move(wanted)};
    EnumWindows(&Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK AddShownWindow(HWND window, LPARAM area)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    RECT rect{};
    if (process == GetCurrentProcessId() || !IsWindowVisible(window) || !GetWindowRect(window, &rect) ||
        IsRectEmpty(&rect))
        return TRUE;
    auto* united = reinterpret_cast<RECT*>(area);
    UnionRect(united, united, &rect);
    return TRUE;
}

}  // namespace

RECT ShownArea()
{
    RECT area{};
    EnumWindows(&AddShownWindow, reinterpret_cast<LPARAM>(&area));
    return area;
}

DWORD ProcessOf(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

HWND Shown(DWORD process, const wchar_t* className, const std::function<bool(HWND)>& wanted)
{
    return FindTopLevel([&](HWND window) {
        return ProcessOf(window) == process && ClassOf(window) == className && (!wanted || wanted(window));
    });
}

HWND ShownMessageBox()
{
    return FindTopLevel([](HWND window) {
        // A message box, not a dialog: it has the message box's text control.
        return ProcessOf(window) != GetCurrentProcessId() && ClassOf(window) == L"#32770" &&
               GetDlgItem(window, 0xFFFF) != nullptr;
    });
}

std::wstring MessageBoxText(HWND box)
{
    return TextOf(GetDlgItem(box, 0xFFFF));
}

HWND ShownBalloon(DWORD process, HWND owner)
{
    return Shown(process, TOOLTIPS_CLASSW, [&](HWND tip) {
        RECT rect{};
        return (GetWindowLongPtrW(tip, GWL_STYLE) & TTS_BALLOON) != 0 && GetWindowRect(tip, &rect) &&
               !IsRectEmpty(&rect) && (owner == nullptr || GetWindow(tip, GW_OWNER) == owner);
    });
}

POINT Centre(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT AwayFromProgram()
{
    const RECT shown = ShownArea();
    const int right = GetSystemMetrics(SM_CXSCREEN) - 3;
    const int bottom = GetSystemMetrics(SM_CYSCREEN) - 3;
    for (const POINT corner : {POINT{right, bottom}, POINT{2, bottom}, POINT{right, 2}, POINT{2, 2}})
        if (!PtInRect(&shown, corner))
            return corner;
    return {right, bottom};
}

}  // namespace ProgramWindows
