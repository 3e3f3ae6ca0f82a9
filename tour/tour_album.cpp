#include "tour/tour_album.h"

#include "tests/support/window_image.h"
#include "tour/program_windows.h"

#include <cstdio>

namespace {

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                         nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr, nullptr);
    return result;
}

// Lets a window of the program work off what is queued for it: a sent
// message is answered only once the posted ones before it are done, and
// painting follows when the queue runs dry.
BOOL CALLBACK Settle(HWND window, LPARAM)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    DWORD_PTR answer = 0;
    if (process != GetCurrentProcessId() && IsWindowVisible(window))
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
    return TRUE;
}

}  // namespace

TourAlbum::TourAlbum(const std::string& folder) : m_folder(folder)
{
    m_list = std::fopen((folder + "\\pictures.txt").c_str(), "wb");
}

TourAlbum::~TourAlbum()
{
    if (m_list != nullptr)
        std::fclose(m_list);
}

std::string TourAlbum::NextFile(const char* name, const char* extension)
{
    char file[128] = {};
    std::snprintf(file, sizeof file, "%02d-%s.%s", ++m_number, name, extension);
    return file;
}

void TourAlbum::Line(const std::string& file, const std::string& area, const std::wstring& text)
{
    if (m_list == nullptr)
        return;
    std::fprintf(m_list, "%s\t%s\t%s\n", file.c_str(), area.c_str(), Utf8(text).c_str());
    std::fflush(m_list);
}

bool TourAlbum::Take(const char* name, const std::wstring& caption)
{
    EnumWindows(&Settle, 0);
    // The window contents reach the X screen a moment after they are drawn.
    Sleep(300);
    const std::string file = NextFile(name, "bmp");
    const std::string png = file.substr(0, file.size() - 3) + "png";
    const WindowImage screen(GetDesktopWindow(), WindowImage::Area::Screen);
    RECT area = ProgramWindows::ShownArea();
    const RECT whole{0, 0, screen.Width(), screen.Height()};
    if (IsRectEmpty(&area))
        area = whole;
    InflateRect(&area, 6, 6);
    IntersectRect(&area, &area, &whole);
    if (!screen.Save((m_folder + "\\" + file).c_str())) {
        --m_number;  // the failure takes the picture's number
        Fail(name, L"the picture could not be written");
        return false;
    }
    char geometry[64] = {};
    std::snprintf(geometry, sizeof geometry, "%ldx%ld+%ld+%ld", area.right - area.left, area.bottom - area.top,
                  area.left, area.top);
    Line(png, geometry, caption);
    std::printf("%s: %s\n", png.c_str(), Utf8(caption).c_str());
    std::fflush(stdout);
    return true;
}

void TourAlbum::Fail(const char* name, const std::wstring& reason)
{
    ++m_failures;
    const std::string file = NextFile(name, "png");
    Line(file, "-", reason);
    std::fprintf(stderr, "screen %s not reached: %s\n", file.c_str(), Utf8(reason).c_str());
    std::fflush(stderr);
}
