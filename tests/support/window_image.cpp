#include "tests/support/window_image.h"

#include "platform/top_down_dib.h"
#include "tests/support/message_pump.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

WindowImage::WindowImage(HWND window, Area area)
{
    RECT bounds{};
    if (area == Area::Client)
        GetClientRect(window, &bounds);
    else
        GetWindowRect(window, &bounds);
    m_width = bounds.right - bounds.left;
    m_height = bounds.bottom - bounds.top;
    void* bits = nullptr;
    m_bitmap = CreateTopDownDib(m_width, m_height, 32, &bits);
    m_bits = static_cast<const BYTE*>(bits);
    m_dc = CreateCompatibleDC(nullptr);
    m_previous = SelectObject(m_dc, m_bitmap);
    if (area == Area::Client) {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT | PRF_ERASEBKGND);
    } else {
        const HDC screen = GetDC(nullptr);
        BitBlt(m_dc, 0, 0, m_width, m_height, screen, bounds.left, bounds.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }
    GdiFlush();
}

WindowImage::~WindowImage()
{
    SelectObject(m_dc, m_previous);
    DeleteDC(m_dc);
    DeleteObject(m_bitmap);
}

COLORREF WindowImage::At(int x, int y) const
{
    if (m_bits == nullptr || x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    const BYTE* pixel = m_bits + (static_cast<size_t>(y) * m_width + x) * 4;
    return RGB(pixel[2], pixel[1], pixel[0]);
}

bool WindowImage::Save(const char* path) const
{
    FILE* file = m_bits != nullptr ? std::fopen(path, "wb") : nullptr;
    if (file == nullptr)
        return false;
    // 24 bits a pixel, rows bottom-up and padded to four bytes, as every reader takes it.
    const int stride = (m_width * 3 + 3) & ~3;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = m_width;
    header.biHeight = m_height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biSizeImage = static_cast<DWORD>(stride * m_height);
    BITMAPFILEHEADER fileHeader{0x4D42, 0, 0, 0, sizeof fileHeader + sizeof header};
    fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;
    bool written = std::fwrite(&fileHeader, sizeof fileHeader, 1, file) == 1 &&
                   std::fwrite(&header, sizeof header, 1, file) == 1;
    std::vector<BYTE> row(static_cast<size_t>(stride), 0);
    for (int y = m_height - 1; written && y >= 0; --y) {
        for (size_t x = 0; x < static_cast<size_t>(m_width); ++x)
            std::copy_n(m_bits + (static_cast<size_t>(y) * m_width + x) * 4, 3, row.begin() + x * 3);
        written = std::fwrite(row.data(), row.size(), 1, file) == 1;
    }
    return std::fclose(file) == 0 && written;
}

bool KeepScreenshot(HWND window, const char* name)
{
    const char* folder = std::getenv("KAC_SCREENSHOT_DIR");
    if (folder == nullptr)
        return true;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPendingMessages();
    const WindowImage picture(window, WindowImage::Area::Screen);
    return picture.Save((std::string(folder) + "\\" + name).c_str());
}
