#include "tests/support/popup_watcher.h"

#include <algorithm>

namespace {

thread_local PopupWatcher* t_watcher = nullptr;

std::string Text(HWND window, bool className)
{
    char text[1024] = {};
    if (className)
        GetClassNameA(window, text, sizeof text);
    else
        GetWindowTextA(window, text, sizeof text);
    return text;
}

BOOL CALLBACK FindIcon(HWND child, LPARAM found)
{
    if (Text(child, true) == "Static" && (GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        IsWindowVisible(child))
        *reinterpret_cast<HICON*>(found) = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    return TRUE;
}

}  // namespace

PopupWatcher::PopupWatcher(int menuChoice) : m_menuChoice(menuChoice)
{
    t_watcher = this;
    m_timer = SetTimer(nullptr, 0, 20, &PopupWatcher::Tick);
}

PopupWatcher::~PopupWatcher()
{
    KillTimer(nullptr, m_timer);
    t_watcher = nullptr;
}

void CALLBACK PopupWatcher::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (t_watcher != nullptr)
        EnumThreadWindows(GetCurrentThreadId(), &PopupWatcher::Visit, reinterpret_cast<LPARAM>(t_watcher));
}

BOOL CALLBACK PopupWatcher::Visit(HWND window, LPARAM self)
{
    auto* watcher = reinterpret_cast<PopupWatcher*>(self);
    if (IsWindowVisible(window) &&
        std::find(watcher->m_answered.begin(), watcher->m_answered.end(), window) == watcher->m_answered.end())
        watcher->Answer(window);
    return TRUE;
}

void PopupWatcher::Answer(HWND window)
{
    const std::string className = Text(window, true);
    if (className == "#32768") {
        m_answered.push_back(window);
        Menu& seen = m_menus.emplace_back();
        const auto menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_DATA;
            if (GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info) && (info.fType & MFT_OWNERDRAW) != 0 &&
                info.dwItemData != 0)
                ++seen.ownerDrawnItems;
        }
        // The menu loop reads the keys of the thread's queue.
        for (int i = 0; i < m_menuChoice; ++i)
            PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(window, WM_KEYDOWN, m_menuChoice > 0 ? VK_RETURN : VK_ESCAPE, 0);
    } else if (className == "#32770" && GetDlgItem(window, 0xFFFF) != nullptr) {  // a message box, not a dialog
        m_answered.push_back(window);
        Box& box = m_boxes.emplace_back(Box{Text(window, false), Text(GetDlgItem(window, 0xFFFF), false)});
        EnumChildWindows(window, &FindIcon, reinterpret_cast<LPARAM>(&box.icon));
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
}
