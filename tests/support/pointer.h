#pragma once

#include <windows.h>

// Moves the top-level window `top` so that `client` of its descendant
// `window` lies under the pointer, wherever the pointer is.
inline void MoveUnderPointer(HWND top, HWND window, POINT client)
{
    POINT pointer{};
    GetCursorPos(&pointer);
    ClientToScreen(window, &client);
    RECT placed{};
    GetWindowRect(top, &placed);
    SetWindowPos(top, nullptr, placed.left + pointer.x - client.x, placed.top + pointer.y - client.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Presses or releases (MOUSEEVENTF_LEFTDOWN, ...) a button as hardware input.
inline void SendPointerButton(DWORD flag)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof input);
}
