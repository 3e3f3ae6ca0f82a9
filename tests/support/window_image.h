#pragma once

#include <windows.h>

// What a window draws, captured into a 32-bit bitmap of its own so the
// pixels can be read: its client area as the window paints it
// (WM_PRINTCLIENT), or the whole window with its children as it shows on
// the screen (copied from the screen; the window must be visible and on top).
class WindowImage {
public:
    enum class Area { Client, Screen };
    explicit WindowImage(HWND window, Area area = Area::Client);
    ~WindowImage();
    WindowImage(const WindowImage&) = delete;
    WindowImage& operator=(const WindowImage&) = delete;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF At(int x, int y) const;
    // Writes a 24-bit BMP file; false when it cannot.
    bool Save(const char* path) const;

private:
    int m_width = 0;
    int m_height = 0;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    const BYTE* m_bits = nullptr;
};

// With KAC_SCREENSHOT_DIR set (a Windows path), repaints the window with its
// children and keeps a picture of it as it shows on the screen under `name`
// in that folder. True when the picture was kept or none was asked for.
bool KeepScreenshot(HWND window, const char* name);
