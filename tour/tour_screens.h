#pragma once

#include "tour/tour_album.h"

#include <windows.h>

#include <string>

class ProgramUnderTest;

// The screens a user can meet, reached as a user reaches them and pictured
// into the album; a screen that cannot be reached is named there as failed
// and the tour goes on with the next one it can still reach.
class TourScreens {
public:
    explicit TourScreens(TourAlbum& album);
    ~TourScreens();
    TourScreens(const TourScreens&) = delete;
    TourScreens& operator=(const TourScreens&) = delete;

    // On the sample: every category page, the list and combo box editors,
    // the tips of the buttons and of the directory tree, the right-click
    // menu with visual themes on, the system menu and About box, the help
    // viewer, and the dialog made larger with its size grip.
    void Sample();
    // The right-click menu again with visual themes off: its classic look.
    void ClassicMenu();
    // On the tour's own definition file: the text and number editors, and
    // the message boxes a definition file or a failed write brings up;
    // then the box of a program without a definition file.
    void TourFile();

private:
    bool Start(ProgramUnderTest& program, const char* screen);
    void Pages(const ProgramUnderTest& program);
    void ListEditors(const ProgramUnderTest& program);
    void TextEditors(const ProgramUnderTest& program);
    void ButtonTips(const ProgramUnderTest& program);
    void SystemMenuAndAbout(const ProgramUnderTest& program);
    void HelpViewer(const ProgramUnderTest& program);
    void DirectoryTreeTip(const ProgramUnderTest& program);
    void ComponentMenu(const ProgramUnderTest& program, const char* screen, const std::wstring& look);
    void GripDrag(const ProgramUnderTest& program);
    void Box(const ProgramUnderTest& program, const char* screen, const std::wstring& cause);

    // Hovers over `control` until the dialog's balloon tip shows.
    bool Hover(const ProgramUnderTest& program, HWND control) const;
    // Shows the page holding the row labelled `label`; its row, or -1.
    int ShowRow(const ProgramUnderTest& program, const std::wstring& label) const;
    bool ShowComponents(const ProgramUnderTest& program) const;
    void Close(const ProgramUnderTest& program) const;

    TourAlbum& m_album;
};
