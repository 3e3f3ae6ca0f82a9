#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Answers, from a timer their modal loops dispatch, the popups this thread
// opens: a menu gets the keys that choose an item (or Escape); a message box
// has its text and icon read and is closed with OK.
class PopupWatcher {
public:
    // `menuChoice`: 1-based position of the item to choose; 0 dismisses.
    explicit PopupWatcher(int menuChoice = 0);
    ~PopupWatcher();
    PopupWatcher(const PopupWatcher&) = delete;
    PopupWatcher& operator=(const PopupWatcher&) = delete;

    struct Menu {
        int ownerDrawnItems = 0;  // of the menu's items, those drawn by their owner
    };
    struct Box {
        std::string caption;
        std::string text;
        HICON icon = nullptr;  // the icon the box shows, if any
    };
    std::vector<Menu> m_menus;
    std::vector<Box> m_boxes;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK Visit(HWND window, LPARAM self);
    void Answer(HWND window);

    int m_menuChoice;
    UINT_PTR m_timer = 0;
    std::vector<HWND> m_answered;
};
