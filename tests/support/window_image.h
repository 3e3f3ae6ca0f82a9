#pragma once

#include <windows.h>

// What a window draws, as pixels: its client area as it paints it
// (WM_PRINTCLIENT), or the whole window with its children as the screen shows
// it (the window must be visible and on top).
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

// With KAC_SCREENSHOT_DIR set (a Windows path), repaints the window and keeps
// it as the screen shows it, under `name` there; true when kept or not asked for.
bool KeepScreenshot(HWND window, const char* name);
