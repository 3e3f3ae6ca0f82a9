#pragma once

#include <windows.h>

// The DPI a toolkit window is laid out and drawn at. A top-level dialog keeps
// its own DPI, set when it is made and changed when it moves to a screen of
// another DPI, so that what it holds sees the change at once (the system's
// answer can lag, and some systems never change it); without one the system's
// answer for the window counts.
UINT WindowDpi(HWND window);
// Keeps `dpi` as the DPI of the top-level window `root` and what it holds;
// 0 forgets it.
void SetWindowDpi(HWND root, UINT dpi);

// The named message a dialog sends each window it holds after its DPI
// changed: wParam the new DPI, lParam the previous one. A window that scales
// sizes of its own handles it; others ignore it.
UINT DpiChangedMessage();
// Sends DpiChangedMessage to every window below `root`.
void NotifyDpiChanged(HWND root, UINT newDpi, UINT oldDpi);

// `pixels` at 96 DPI, at `dpi`.
inline int DpiScaled(int pixels, UINT dpi)
{
    return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}
