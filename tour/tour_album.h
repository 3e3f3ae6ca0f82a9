#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

// The tour's pictures: each one the whole screen as a bitmap
// <folder>\NN-name.bmp, and a line in <folder>\pictures.txt (UTF-8):
//   NN-name.png <TAB> WxH+X+Y <TAB> caption
// where the rectangle is the part worth showing (the program's windows with
// a margin). A screen that could not be reached gets the line
//   NN-name.png <TAB> - <TAB> reason
// and counts as a failure.
class TourAlbum {
public:
    explicit TourAlbum(const std::string& folder);
    ~TourAlbum();
    TourAlbum(const TourAlbum&) = delete;
    TourAlbum& operator=(const TourAlbum&) = delete;

    // Pictures the screen once the windows of other processes (the program
    // under the tour) have handled what was sent to them and painted.
    bool Take(const char* name, const std::wstring& caption);
    void Fail(const char* name, const std::wstring& reason);
    int Failures() const { return m_failures; }

private:
    std::string NextFile(const char* name, const char* extension);
    void Line(const std::string& file, const std::string& area, const std::wstring& text);

    std::string m_folder;
    FILE* m_list = nullptr;
    int m_number = 0;
    int m_failures = 0;
};
