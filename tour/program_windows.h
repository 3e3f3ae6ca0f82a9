#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Finding what another process shows: its visible top-level windows (the
// dialog, message boxes, tips, menus, drop-down lists, the help viewer).
namespace ProgramWindows {

// A visible top-level window of `process` of the class `className` for
// which `wanted` holds (when given).
HWND Shown(DWORD process, const wchar_t* className, const std::function<bool(HWND)>& wanted = {});
// The union of the visible top-level windows of processes other than this
// one: what the program shows. Empty when it shows nothing.
RECT ShownArea();
// A visible message box of any process but this one (the tour runs in a
// prefix of its own: only the program shows any).
HWND ShownMessageBox();
// The text of a message box.
std::wstring MessageBoxText(HWND box);
// A visible balloon tip of `process`; of `owner` only, when it is given.
HWND ShownBalloon(DWORD process, HWND owner = nullptr);
DWORD ProcessOf(HWND window);
std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
// The middle of a window on the screen.
POINT Centre(HWND window);
// A corner of the screen that no window of the program covers, for the
// pointer when it must be away from every control.
POINT AwayFromProgram();

}  // namespace ProgramWindows
