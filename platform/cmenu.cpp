#include "platform/cmenu.h"

#include "platform/resource_module.h"
#include "platform/text_conversion.h"

#include <string>

IMPLEMENT_DYNAMIC(CMenu, CObject)

namespace {
thread_local HWND t_trackingWindow = nullptr;
}

bool CMenu::LoadMenu(UINT id)
{
    if (m_hMenu != nullptr)
        return false;
    m_hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
    return m_hMenu != nullptr;
}

bool CMenu::CreatePopupMenu()
{
    if (m_hMenu != nullptr)
        return false;
    m_hMenu = ::CreatePopupMenu();
    return m_hMenu != nullptr;
}

bool CMenu::Attach(HMENU menu)
{
    if (menu == nullptr || m_hMenu != nullptr)
        return false;
    m_hMenu = menu;
    return true;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

bool CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return false;
    return ::DestroyMenu(Detach()) != FALSE;
}

HMENU CMenu::GetSubMenu(int position) const { return ::GetSubMenu(m_hMenu, position); }
int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
UINT CMenu::GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }

CString CMenu::GetMenuString(UINT item, UINT flags) const
{
    return MenuItemText(m_hMenu, item, flags);
}

CString CMenu::MenuItemText(HMENU menu, UINT item, UINT flags)
{
    const int length = ::GetMenuStringW(menu, item, nullptr, 0, flags);
    if (length <= 0)
        return CString();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetMenuStringW(menu, item, text.data(), length + 1, flags);
    return NarrowFromWide(text.c_str(), copied);
}

namespace {

// An item's "text" is a pointer of another kind for bitmaps and owner-drawn
// items and nothing for separators; only a real text is converted.
bool IsTextItem(UINT flags, const char* text)
{
    return text != nullptr && (flags & (MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR)) == 0;
}

}  // namespace

bool CMenu::AppendMenu(UINT flags, UINT_PTR idNewItem, const char* text)
{
    if (!IsTextItem(flags, text))
        return ::AppendMenuW(m_hMenu, flags, idNewItem, reinterpret_cast<const wchar_t*>(text)) != FALSE;
    return ::AppendMenuW(m_hMenu, flags, idNewItem, WideFromNarrow(text).c_str()) != FALSE;
}

bool CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR idNewItem, const char* text)
{
    if (!IsTextItem(flags, text))
        return ::ModifyMenuW(m_hMenu, position, flags, idNewItem, reinterpret_cast<const wchar_t*>(text)) != FALSE;
    return ::ModifyMenuW(m_hMenu, position, flags, idNewItem, WideFromNarrow(text).c_str()) != FALSE;
}

bool CMenu::GetMenuItemInfo(UINT item, MENUITEMINFOA* info, bool byPosition) const
{
    return ::GetMenuItemInfoA(m_hMenu, item, byPosition, info) != FALSE;
}

bool CMenu::SetMenuItemInfo(UINT item, const MENUITEMINFOA* info, bool byPosition)
{
    return ::SetMenuItemInfoA(m_hMenu, item, byPosition, info) != FALSE;
}

int CMenu::TrackPopupMenu(UINT flags, int x, int y, HWND owner) const
{
    const HWND outer = t_trackingWindow;
    t_trackingWindow = owner;
    const int result = static_cast<int>(::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner, nullptr));
    t_trackingWindow = outer;
    return result;
}

HWND CMenu::GetTrackingWindow()
{
    return t_trackingWindow;
}

void CMenu::DrawItem(DRAWITEMSTRUCT*) {}
void CMenu::MeasureItem(MEASUREITEMSTRUCT*) {}
