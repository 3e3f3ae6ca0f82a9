#include "ui/dialogs/ui_menu_router.h"

#include "ui/dialogs/ui_menu.h"

bool UIMenuRouter::IsTrackingPopup(HWND owner)
{
    if (owner == nullptr)
        return false;
    if (CMenu::GetTrackingWindow() == owner)
        return true;
    // Menus tracked without the layer's CMenu, as the system reports them.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE) != 0 &&
           info.hwndMenuOwner == owner;
}

bool UIMenuRouter::RouteOwnerDraw(HWND owner, UINT message, LPARAM lParam)
{
    if (lParam == 0)
        return false;
    if (message == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType != ODT_MENU || !IsTrackingPopup(owner))
            return false;
        UIMenuItem* item = UIMenuItem::FromItemData(measure->itemData);
        if (item == nullptr || item->m_pOwner == nullptr)
            return false;
        item->m_pOwner->MeasureItem(measure);
        return true;
    }
    if (message == WM_DRAWITEM) {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (draw->CtlType != ODT_MENU || !IsTrackingPopup(owner))
            return false;
        UIMenuItem* item = UIMenuItem::FromItemData(draw->itemData);
        if (item == nullptr || item->m_pOwner == nullptr)
            return false;
        item->m_pOwner->DrawItem(draw);
        return true;
    }
    return false;
}
